// keylon2ctl apply --watch, the station, as an operator runs it: keylon2ctl-demo with readers
// plugged in and pulled out through the virtual readers' plug directory, ended by SIGINT; and
// the audit log of --log, from the command line.
#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "build_paths.h"
#include "core/link/access_check.h"
#include "ctl/ctl.h"
#include "ctl_runs.h"
#include "plug_dir.h"
#include "reader_bench.h"
#include "reader_model.h"

using VirtualReader::Model;

namespace {

const QByteArray SiteFile = "[KEYLON]\nBuzzer=0\nPostEnable=1\nPost=[CR]\n";
const QString AuditSchema = buildPath("KEYLON2_SOURCE_DIR", "/data/schema/keylon2ctl-audit.schema.json");


QList<QByteArray> linesOf(const QByteArray &text)
{
    QList<QByteArray> lines = text.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

// What the validator says of the log's lines; empty when every one is valid.
QString logFaults(const QString &log)
{
    QProcess python;
    python.start(QStringLiteral(KEYLON2_PYTHON3),
                 {buildPath("KEYLON2_SOURCE_DIR", "/tests/support/json_lines_valid.py"), AuditSchema, log});
    if (!python.waitForFinished(30000))
        return QStringLiteral("the validator did not end");
    return python.exitCode() == 0 ? QString()
                                  : QString::fromUtf8(python.readAllStandardOutput() + python.readAllStandardError());
}

// keylon2ctl-demo following the plug directory, its output gathered as it comes.
struct Station
{
    QProcess process;
    QByteArray out;
    QByteArray err;

    Station(const QString &plugDir, const QStringList &arguments)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("KEYLON2_VIRTUAL_PLUG_DIR", plugDir);
        process.setProcessEnvironment(environment);
        QObject::connect(&process, &QProcess::readyReadStandardOutput, [this] { out += process.readAllStandardOutput(); });
        QObject::connect(&process, &QProcess::readyReadStandardError, [this] { err += process.readAllStandardError(); });
        process.start(buildPath("KEYLON2CTL_DEMO"), arguments);
    }
    ~Station()
    {
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished(5000);
        }
    }
};

}  // namespace

class TestCtlStation : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;

private slots:
    void init() { Model::setCount(2); ReaderFixture::resetReader(); Model::reader(2)->reset(); }

    // Steps: "+hid-1" plugs reader 1 in (the same reader again when it was pulled out),
    // "+hid-3!" one whose writes fail, "0hid-1" one whose node nobody may open yet, "^hid-1"
    // gives that node its rights, "-hid-1" pulls it out, "gap" lets a listing see that,
    // "line" waits for the next result line, "picked" for the next reader to be taken up, "INT"
    // interrupts, "HUP" hangs up. Lines: "SERIAL status" per reader done, in order (a status
    // ending in ':' is the start of one). Frames: the write frames each reader's file counts at
    // the end.
    void stationHandlesEveryPlugOnce_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("summary");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QStringList>("frames");
        const QString changed = QStringLiteral("changed: PostEnable, Post, Buzzer");
        QTest::newRow("one after another; one pulled out and plugged in again")
            << QStringList{"+hid-1", "line", "+hid-2", "line", "-hid-1", "gap", "+hid-1", "line", "INT"}
            << QStringList{"KLN2-000001 " + changed, "KLN2-000002 " + changed, "KLN2-000001 unchanged"}
            << "3 readers: 1 unchanged, 2 changed, 0 failed" << 0 << QStringList{"hid-1=7", "hid-2=7"};
        QTest::newRow("a failing reader, then one on the serial line")
            << QStringList{"+hid-3!", "line", "+serial-5", "line", "INT"}
            << QStringList{"KLN2-000003 failed:", "KLN2-100005 " + changed}
            << "2 readers: 0 unchanged, 1 changed, 1 failed (hid:/dev/virtual-hidraw3)" << 1
            << QStringList{"hid-3=0", "serial-5=6"};
        QTest::newRow("interrupted while a reader is under way: it is finished")
            << QStringList{"+hid-1", "picked", "INT"} << QStringList{"KLN2-000001 " + changed}
            << "1 readers: 0 unchanged, 1 changed, 0 failed" << 0 << QStringList{"hid-1=7"};
        QTest::newRow("a dropped session (SIGHUP) while a reader is under way: the same")
            << QStringList{"+hid-1", "picked", "HUP"} << QStringList{"KLN2-000001 " + changed}
            << "1 readers: 0 unchanged, 1 changed, 0 failed" << 0 << QStringList{"hid-1=7"};
        // As udev does it: the node first, its group and mode a moment later. Rights that
        // change again once the reader is done take nothing up.
        QTest::newRow("refused until its node's rights come: then taken up, once")
            << QStringList{"0hid-1", "line", "^hid-1", "line", "^hid-1", "gap", "INT"}
            << QStringList{"KLN2-000001 failed: " + AccessCheck::deniedText("/dev/virtual-hidraw1").english(), "KLN2-000001 " + changed}
            << "2 readers: 0 unchanged, 1 changed, 1 failed (hid:/dev/virtual-hidraw1)" << 1 << QStringList{"hid-1=7"};
    }
    void stationHandlesEveryPlugOnce()
    {
        QFETCH(QStringList, steps);
        QFETCH(QStringList, lines);
        QFETCH(QString, summary);
        QFETCH(int, exitCode);
        QFETCH(QStringList, frames);
        QTemporaryDir plug;
        QDir(plug.path()).mkdir("away");
        const QString site = writeTestFile(dir.filePath("site.cfg"), SiteFile);
        const QString log = dir.filePath(QString::fromLatin1(QTest::currentDataTag()) + ".jsonl");
        QProcess serialReaders;
        if (steps.join(' ').contains("serial")) {
            serialReaders.start(buildPath("KEYLON2_VIRTUAL_READER"), {"--plug-dir", plug.path()});
            QVERIFY(serialReaders.waitForStarted(5000));
        }
        const auto stopSerialReaders = qScopeGuard([&] {
            serialReaders.terminate();
            serialReaders.waitForFinished(5000);
        });

        Station station(plug.path(), {"apply", site, "--watch", "--log", log});
        QVERIFY(ReaderFixture::waitUntil([&] { return station.err.contains("waiting for readers"); }, 10000));
        int linesSeen = 0;
        int pickedSeen = 0;
        for (const QString &step : steps) {
            const QString name = step.mid(1).remove('!');
            const QString file = plug.filePath(name);
            const QString away = plug.filePath("away/" + name);
            if (step.startsWith('+') && QFile::exists(away)) {
                QVERIFY(QFile::rename(away, file));
            } else if (step.startsWith('+')) {
                writeTestFile(file, step.endsWith('!') ? "failWrites=1\n" : "");
            } else if (step.startsWith('0')) {
                QVERIFY(::close(::open(QFile::encodeName(file).constData(), O_CREAT | O_WRONLY | O_CLOEXEC, 0)) == 0);
            } else if (step.startsWith('^')) {
                QVERIFY(::chmod(QFile::encodeName(file).constData(), 0660) == 0);
            } else if (step.startsWith('-')) {
                QVERIFY(QFile::rename(file, away));
            } else if (step == "gap") {
                QTest::qWait(1500);
            } else if (step == "line") {
                ++linesSeen;
                QVERIFY2(ReaderFixture::waitUntil([&] { return station.out.count('\n') >= linesSeen; }, 15000),
                         station.err.constData());
            } else if (step == "picked") {
                ++pickedSeen;
                QVERIFY(ReaderFixture::waitUntil([&] { return station.err.count(": applying\n") >= pickedSeen; }, 5000));
            } else if (step == "INT" || step == "HUP") {
                ::kill(pid_t(station.process.processId()), step == "INT" ? SIGINT : SIGHUP);
            }
        }
        QVERIFY(station.process.waitForFinished(20000));
        station.out += station.process.readAllStandardOutput();
        QCOMPARE(station.process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(station.process.exitCode(), exitCode);

        QList<QByteArray> printed = linesOf(station.out);
        QVERIFY(!printed.isEmpty());
        QCOMPARE(QString::fromUtf8(printed.takeLast()), summary);
        QStringList said;  // "SERIAL status", each line's device and port left out
        for (const QByteArray &line : qAsConst(printed))
            said << QString::fromUtf8(line).section(QStringLiteral("  "), 1, 1) + ' '
                    + QString::fromUtf8(line).section(QStringLiteral("  "), 3);
        QCOMPARE(said.size(), lines.size());
        for (int i = 0; i < lines.size(); ++i) {
            const bool prefix = lines[i].endsWith(':');
            QVERIFY2(prefix ? said[i].startsWith(lines[i]) : said[i] == lines[i], qPrintable(said[i]));
        }
        for (const QString &count : frames) {
            QFile file(plug.filePath(count.section('=', 0, 0)));
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(VirtualReader::PlugDir::parse(file.readAll()).writeFrames, count.section('=', 1).toInt());
        }

        // The audit log: the same readers, in the same order, each line valid; a reader that was
        // written was opened in it before its first write frame.
        QList<QJsonObject> logged;
        QStringList opened;
        QFile logFile(log);
        QVERIFY(logFile.open(QIODevice::ReadOnly));
        for (const QByteArray &text : linesOf(logFile.readAll())) {
            const QJsonObject line = QJsonDocument::fromJson(text).object();
            if (line.value("result").toString() == "started")
                opened << line.value("serialNumber").toString();
            else
                logged << line;
        }
        QCOMPARE(logged.size(), lines.size());
        for (int i = 0; i < logged.size(); ++i) {
            QCOMPARE(logged[i].value("serialNumber").toString() + ' ' + logged[i].value("result").toString(),
                     said[i].section(':', 0, 0).section(' ', 0, 1));
            if (logged[i].value("result").toString() == "changed")
                QVERIFY(opened.contains(logged[i].value("serialNumber").toString()));
        }
        const QString faults = logFaults(log);
        QVERIFY2(faults.isEmpty(), qPrintable(faults));
    }

    // --metrics on a station: plugs, a failure and a pull give the right numbers; a reader
    // that parses the file in a loop while the station writes it never finds it cut;
    // promtool finds nothing to say of it.
    void stationMetricsAfterPlugsFailureAndPull()
    {
        QTemporaryDir plug;
        QDir(plug.path()).mkdir("away");
        const QString site = writeTestFile(dir.filePath("metrics.cfg"), SiteFile);
        const QString metrics = dir.filePath("keylon2-station-site.prom");
        const QString stop = dir.filePath("metrics-reader.stop");
        QProcess reader;
        reader.start(QStringLiteral(KEYLON2_PYTHON3),
                     {buildPath("KEYLON2_SOURCE_DIR", "/tests/support/metrics_reader.py"), metrics, stop});
        QVERIFY(reader.waitForStarted(5000));
        const auto stopReader = qScopeGuard([&] {
            writeTestFile(stop, "");
            reader.waitForFinished(10000);
        });
        const auto metricsText = [&] {
            QFile file(metrics);
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        };

        Station station(plug.path(), {"apply", site, "--watch", "--metrics", metrics});
        QVERIFY(ReaderFixture::waitUntil([&] { return station.err.contains("waiting for readers"); }, 10000));
        QVERIFY(metricsText().contains("keylon2_station_up{source=\"keylon2-station-site\"} 1\n"));
        writeTestFile(plug.filePath("hid-1"), "");
        QVERIFY(ReaderFixture::waitUntil([&] { return station.out.count('\n') >= 1; }, 15000));
        writeTestFile(plug.filePath("hid-3"), "failWrites=1\n");
        QVERIFY(ReaderFixture::waitUntil([&] { return station.out.count('\n') >= 2; }, 15000));
        QVERIFY(QFile::rename(plug.filePath("hid-1"), plug.filePath("away/hid-1")));
        const QByteArray pulled = "keylon2_reader_attached{source=\"keylon2-station-site\","
                                  "device=\"hid:/dev/virtual-hidraw1\",serial_number=\"KLN2-000001\"";
        QVERIFY2(ReaderFixture::waitUntil([&] {
                     const QByteArray text = metricsText();
                     const int at = text.indexOf(pulled);
                     return at >= 0 && text.mid(at, text.indexOf('\n', at) - at).endsWith(" 0");
                 }, 10000),
                 metricsText().constData());
        ::kill(pid_t(station.process.processId()), SIGINT);
        QVERIFY(station.process.waitForFinished(20000));
        QCOMPARE(station.process.exitCode(), 1);

        const QByteArray text = metricsText();
        // Every sample but the times, without the source label, and with the firmware the
        // reader told (the virtual reader's) and its port as F and P.
        QStringList samples;
        for (const QByteArray &line : text.split('\n')) {
            if (line.isEmpty() || line.startsWith('#') || line.contains("_time"))
                continue;
            samples << QString::fromUtf8(line)
                           .remove(QStringLiteral("source=\"keylon2-station-site\""))
                           .replace(QStringLiteral("{,"), QStringLiteral("{"))
                           .remove(QStringLiteral("{}"))
                           .replace(QRegularExpression(QStringLiteral("firmware=\"[^\"]+\"")), QStringLiteral("F"))
                           .replace(QRegularExpression(QStringLiteral("port_path=\"[^\"]*\"")), QStringLiteral("P"));
        }
        const QString one = QStringLiteral("{device=\"hid:/dev/virtual-hidraw1\",serial_number=\"KLN2-000001\",P,F}");
        // The reader that failed did so before its firmware was read.
        const QString three =
            QStringLiteral("{device=\"hid:/dev/virtual-hidraw3\",serial_number=\"KLN2-000003\",P,firmware=\"\"}");
        QCOMPARE(samples, (QStringList{
                              "keylon2_station_up 0",
                              "keylon2_readers_seen_total 2",
                              "keylon2_readers_total{result=\"unchanged\"} 0",
                              "keylon2_readers_total{result=\"changed\"} 1",
                              "keylon2_readers_total{result=\"written\"} 0",
                              "keylon2_readers_total{result=\"failed\"} 1",
                              "keylon2_readers_total{result=\"interrupted\"} 0",
                              "keylon2_readers_total{result=\"not-started\"} 0",
                              "keylon2_drift_total 0",
                              "keylon2_drifted_readers 0",
                              "keylon2_reader_info" + one + " 1",
                              "keylon2_reader_info" + three + " 1",
                              "keylon2_reader_attached" + one + " 0",
                              "keylon2_reader_attached" + three + " 1",
                          }));
        QVERIFY(text.contains("keylon2_last_failure_timestamp_seconds{"));
        QVERIFY(text.contains("keylon2_last_reader_timestamp_seconds{"));

        writeTestFile(stop, "");
        QVERIFY(reader.waitForFinished(10000));
        const QByteArray read = reader.readAllStandardOutput() + reader.readAllStandardError();
        QVERIFY2(reader.exitCode() == 0 && read.startsWith("reads "), read.constData());

        QProcess promtool;
        promtool.setStandardInputFile(metrics);
        promtool.start(QStringLiteral(KEYLON2_PROMTOOL), {"check", "metrics"});
        QVERIFY(promtool.waitForFinished(30000));
        const QByteArray said = promtool.readAllStandardOutput() + promtool.readAllStandardError();
        QVERIFY2(promtool.exitCode() == 0 && said.isEmpty(), said.constData());
    }

    // Refused with exit 2 before any reader hears a frame.
    void refusedBeforeAnythingIsSent_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("error");
        const QString missing = dir.filePath("missing/audit.jsonl");
        QTest::newRow("write, a log in no directory")
            << QStringList{"write", "FULL", "--all", "--log", missing} << "cannot open the log";
        QTest::newRow("apply, a log in no directory")
            << QStringList{"apply", "SITE", "--all", "--log", missing} << "cannot open the log";
        QTest::newRow("set-interface, a directory as the log")
            << QStringList{"set-interface", "serial", "--all", "--log", dir.path()} << "cannot open the log";
        QTest::newRow("apply --watch on a named reader")
            << QStringList{"apply", "SITE", "--watch", "--device", "sn:KLN2-000001"} << "does not take --device";
    }
    void refusedBeforeAnythingIsSent()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, error);
        const QString site = writeTestFile(dir.filePath("refused-site.cfg"), SiteFile);
        const QString full = writeTestFile(dir.filePath("refused-full.cfg"),
                                       "[KEYLON]\nPreEnable=1\nPre=ID\nPostEnable=1\nPost=[CR]\nRemoveEnable=0\n"
                                       "Remove=\nRemoveIDCode=0\nAutoReport=1\nBuzzer=0\nOutputStart=0\n"
                                       "OutputLength=10\nKBCountry=3\n");
        arguments.replaceInStrings(QRegularExpression("^SITE$"), site).replaceInStrings(QRegularExpression("^FULL$"), full);
        QString out, err;
        QTextStream outStream(&out), errStream(&err);
        Ctl::Io io{outStream, errStream};
        QCOMPARE(Ctl::run(QStringList{"keylon2ctl"} + arguments, io), 2);
        errStream.flush();
        QVERIFY2(err.contains(error), qPrintable(err));
        QCOMPARE(Model::reader(1)->receivedFrames().size() + Model::reader(2)->receivedFrames().size(), 0);
    }

    // A log that takes no line, or a part of one (a file size limit here, a full disk
    // elsewhere): the readers are done as they say, but the run does not end as a success, and
    // names the log. A part of a line is no line; SIGXFSZ, which the kernel sends when a write
    // finds no room at all, kills nothing.
    void logThatTakesNoLineFailsTheRun_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("before");     // bytes in the log before the run
        QTest::addColumn<QString>("limit");  // ulimit -f, in KiB
        QTest::addColumn<QString>("xfsz");   // the signal's disposition the run starts with
        QTest::newRow("no room at all") << QStringList{"apply"} << 0 << "0" << "''";
        QTest::newRow("room ends inside its one line") << QStringList{"apply", "--check"} << 1000 << "1" << "-";
        QTest::newRow("room ends inside a written reader's opening line") << QStringList{"apply"} << 1000 << "1" << "-";
    }
    void logThatTakesNoLineFailsTheRun()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, before);
        QFETCH(QString, limit);
        QFETCH(QString, xfsz);
        const QString site = writeTestFile(dir.filePath("limited.cfg"), SiteFile);
        const QString log = writeTestFile(dir.filePath(QString::fromLatin1(QTest::currentDataTag()) + ".jsonl"),
                                          QByteArray(before - 1, 'x') + (before > 0 ? "\n" : ""));
        QProcess run;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("KEYLON2_VIRTUAL_HID_READERS", "1");
        run.setProcessEnvironment(environment);
        run.start("bash", QStringList{"-c", QStringLiteral("trap %1 XFSZ; ulimit -f %2; exec \"$0\" \"$@\"").arg(xfsz, limit),
                                      buildPath("KEYLON2CTL_DEMO")}
                              + arguments + QStringList{site, "--all", "--log", log, "--json"});
        QVERIFY(run.waitForFinished(30000));
        QCOMPARE(run.exitStatus(), QProcess::NormalExit);
        QCOMPARE(run.exitCode(), 1);
        const QJsonObject document = QJsonDocument::fromJson(run.readAllStandardOutput()).object();
        QCOMPARE(document.value("summary").toObject().value("changed").toInt(), 1);
        const QString error = document.value("error").toString();
        QVERIFY2(error.startsWith("cannot write to the log " + log), qPrintable(error));
        QCOMPARE(QFileInfo(log).size(), qint64(limit.toInt() * 1024));
    }

    // Two runs at once on one log: every reader of each has its line, whole.
    void twoRunsShareOneLog()
    {
        const QString site = writeTestFile(dir.filePath("shared.cfg"), SiteFile);
        const QString log = dir.filePath("shared.jsonl");
        QProcess runs[2];
        QList<qint64> pids;
        for (QProcess &run : runs) {
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            environment.insert("KEYLON2_VIRTUAL_HID_READERS", "6");
            // Each run's virtual readers are its own, as on two machines: so are their locks.
            const QString locks = dir.filePath(QStringLiteral("locks-%1").arg(pids.size()));
            QDir().mkpath(locks);
            environment.insert("KEYLON2_LOCK_DIR", locks);
            run.setProcessEnvironment(environment);
            run.start(buildPath("KEYLON2CTL_DEMO"), {"apply", site, "--all", "--log", log});
            QVERIFY(run.waitForStarted(5000));
            pids << run.processId();
        }
        std::sort(pids.begin(), pids.end());
        for (QProcess &run : runs) {
            QVERIFY(run.waitForFinished(30000));
            QCOMPARE(run.exitCode(), 0);
        }
        QFile file(log);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QMap<qint64, QStringList> byRun;
        for (const QByteArray &line : linesOf(file.readAll())) {
            const QJsonObject object = QJsonDocument::fromJson(line).object();
            if (object.value("result").toString() != "started")
                byRun[object.value("pid").toVariant().toLongLong()] << object.value("serialNumber").toString();
        }
        QCOMPARE(byRun.keys(), pids);
        for (QStringList &serials : byRun) {
            serials.sort();
            QCOMPARE(serials, (QStringList{"KLN2-000001", "KLN2-000002", "KLN2-000003", "KLN2-000004",
                                           "KLN2-000005", "KLN2-000006"}));
        }
        const QString faults = logFaults(log);
        QVERIFY2(faults.isEmpty(), qPrintable(faults));
    }
};

QTEST_GUILESS_MAIN(TestCtlStation)
#include "tst_ctl_station.moc"
