// keylon2ctl on many readers: apply changes only the readers that differ, a file that would
// reset or mistake a setting is refused before anything is sent, readers are picked by serial
// number and socket, results come as readers finish, and an interrupt leaves no reader half
// written.
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>
#include <thread>

#include "build_paths.h"
#include "ctl/ctl.h"
#include "ctl_runs.h"
#include "ctl/fleet/devices.h"
#include "ctl/output/reader_outcome.h"
#include "core/link/usb_identity.h"
#include "plug_dir.h"
#include "reader_bench.h"
#include "reader_model.h"
#include "virtual_sysfs.h"

using VirtualReader::Model;

namespace {

QString writeFile(const QTemporaryDir &dir, const QString &name, const QByteArray &text)
{
    return writeTestFile(dir.filePath(name), text);
}

// Frames that change the reader: the write forms of 0x02 and 0x10 (byte 3 = 1), the country,
// the affixes, the save.
bool isWriteFrame(const QByteArray &report)
{
    const quint8 code = quint8(report.at(3));
    if (code == 0x02 || code == 0x10)
        return quint8(report.at(4)) == 0x01;
    return code != 0x00 && code != 0x20 && code != 0x24 && code != 0x28;
}

// How many of the plugged readers in `plug` (hid-1 ... hid-N) have taken a write frame.
int writtenReaders(const QTemporaryDir &plug, int readers)
{
    int written = 0;
    for (int number = 1; number <= readers; ++number) {
        QFile reader(plug.filePath(QStringLiteral("hid-%1").arg(number)));
        if (reader.open(QIODevice::ReadOnly) && VirtualReader::PlugDir::parse(reader.readAll()).writeFrames > 0)
            ++written;
    }
    return written;
}

QByteArray commands(const QList<QByteArray> &reports)
{
    QByteArray codes;
    for (const QByteArray &report : reports)
        codes.append(report.at(3));
    return codes;
}

const QByteArray PartialFile = "[KEYLON]\nPost=[CR]\nBuzzer=0\nOutputLength=10\n";
const QByteArray FullFile = "[KEYLON]\nPreEnable=1\nPre=ID\nPostEnable=1\nPost=[CR]\nRemoveEnable=0\nRemove=\n"
                            "RemoveIDCode=0\nAutoReport=1\nBuzzer=0\nOutputStart=0\nOutputLength=10\nKBCountry=3\n";

// keylon2ctl-demo with its own readers; tally: what each received, read when it has ended.
// output: where its standard output goes instead of the process object. plugDir: the readers
// are that directory's hid-N files instead, which count each reader's write frames as they come
// (for a program that is ended before it can write its tally).
QProcess *startCtl(const QStringList &arguments, int readers, const QString &tally, const QString &output = QString(),
                   const QString &plugDir = QString())
{
    auto *process = new QProcess;
    if (!output.isEmpty())
        process->setStandardOutputFile(output);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (plugDir.isEmpty())
        environment.insert("KEYLON2_VIRTUAL_HID_READERS", QString::number(readers));
    else
        environment.insert("KEYLON2_VIRTUAL_PLUG_DIR", plugDir);
    environment.insert("KEYLON2_VIRTUAL_HID_TALLY", tally);
    process->setProcessEnvironment(environment);
    process->start(buildPath("KEYLON2CTL_DEMO"), arguments);
    return process;
}

}  // namespace

class TestCtlFleet : public QObject
{
    Q_OBJECT

    ReaderFixture::Bench bench;
    QTemporaryDir dir;
    QTemporaryDir sysfs;

private slots:
    void initTestCase()
    {
        Model::setCount(4);
        QVERIFY(VirtualReader::writeSysfsTree(sysfs.path()));
        UsbIdentity::setSysfsRoot(sysfs.path());
    }

    void init()
    {
        bench.start();
        for (int number = 1; number <= 4; ++number) {
            Model::reader(number)->reset();
            Model::reader(number)->clearReceived();
        }
    }
    void cleanup() { bench.stop(); }

    // Readers 2 and 4 hold what the file sets, reader 3 all but OutputLength, reader 1 is in
    // its factory state. Only what differs is named, and only apply writes; the run's metrics
    // count the two that differ as drift where it is a check.
    void applyWritesOnlyTheReadersThatDiffer_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("writes");
        QTest::addColumn<int>("exitCode");  // readers that differ are drift where nothing is written
        QTest::newRow("apply") << QStringList{"apply"} << true << 0;
        QTest::newRow("apply --check") << QStringList{"apply", "--check"} << false << 5;
        QTest::newRow("diff") << QStringList{"diff"} << false << 5;
    }
    void applyWritesOnlyTheReadersThatDiffer()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, writes);
        QFETCH(int, exitCode);
        VirtualReader::Settings matching;
        matching.options = 0x0C;  // the factory's switches without the buzzer
        matching.post = "\r";
        matching.outputLength = 10;
        Model::reader(2)->setSettings(matching);
        Model::reader(4)->setSettings(matching);
        matching.outputLength = 9;
        Model::reader(3)->setSettings(matching);

        const QString file = writeFile(dir, QTest::currentDataTag() + QStringLiteral(".cfg"), PartialFile);
        const QString metrics = dir.filePath(QTest::currentDataTag() + QStringLiteral(".prom"));
        const CtlRun run = runCtlHere(arguments.mid(0, 1) + QStringList{file, "--all", "--json", "--metrics", metrics}
                                      + arguments.mid(1));
        QCOMPARE(run.exitCode, exitCode);
        QFile metricsFile(metrics);
        QVERIFY(metricsFile.open(QIODevice::ReadOnly));
        const QByteArray text = metricsFile.readAll();
        const QByteArray source = "{source=\"" + QByteArray(QTest::currentDataTag()) + '"';
        const QByteArray drift = writes ? " 0\n" : " 2\n";
        for (const QByteArray &sample : {"keylon2_drift_total" + source + '}' + drift,
                                         "keylon2_drifted_readers" + source + '}' + drift,
                                         "keylon2_readers_total" + source + ",result=\"changed\"} 2\n",
                                         "keylon2_readers_total" + source + ",result=\"unchanged\"} 2\n",
                                         "keylon2_run_exit_code" + source + "} " + QByteArray::number(exitCode) + '\n'})
            QVERIFY2(text.contains(sample), text.constData());
        const QJsonArray readers = QJsonDocument::fromJson(run.out.toUtf8()).object().value("readers").toArray();
        QCOMPARE(readers.size(), 4);
        const QList<QStringList> differing = {{"Post", "Buzzer", "OutputLength"}, {}, {"OutputLength"}, {}};
        for (int i = 0; i < 4; ++i) {
            const QJsonObject entry = readers.at(i).toObject();
            QCOMPARE(entry.value("fields").toVariant().toStringList(), differing.at(i));
            QCOMPARE(entry.value("differences").toObject().keys().size(), differing.at(i).size());
            const QList<QByteArray> frames = Model::reader(i + 1)->receivedFrames();
            bool wrote = false;
            for (const QByteArray &frame : frames)
                wrote = wrote || isWriteFrame(frame);
            QCOMPARE(wrote, writes && !differing.at(i).isEmpty());
            if (differing.at(i).isEmpty())  // one read and nothing more
                QCOMPARE(commands(frames), QByteArray("\x00\x20\x24\x28", 4));
        }
        if (writes) {
            QCOMPARE(Model::reader(1)->savedSettings().post, QByteArray("\r"));
            QCOMPARE(Model::reader(3)->savedSettings().outputLength, quint8(10));
            QCOMPARE(Model::reader(3)->savedSettings().outputStart, matching.outputStart);
        }
    }

    // A reader's JSON entry: "changed" is true exactly when its settings were written and
    // saved (write: always; apply: when it differed; --check: never), whatever its result says.
    void changedSaysTheReaderWasWritten_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("matching");  // the reader holds the file's settings already
        QTest::addColumn<QString>("result");
        QTest::addColumn<bool>("changed");
        QTest::newRow("apply, differs") << QStringList{"apply"} << false << "changed" << true;
        QTest::newRow("apply, matches") << QStringList{"apply"} << true << "unchanged" << false;
        QTest::newRow("apply --check, differs") << QStringList{"apply", "--check"} << false << "changed" << false;
        QTest::newRow("write") << QStringList{"write", "--partial"} << true << "written" << true;
        QTest::newRow("station line") << QStringList{"apply", "--watch"} << false << "changed" << true;
    }
    void changedSaysTheReaderWasWritten()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, matching);
        QFETCH(QString, result);
        QFETCH(bool, changed);
        const QString file = writeFile(dir, "changed.cfg", PartialFile);
        const QStringList command = QStringList{arguments.first(), file, "--json"} + arguments.mid(1);
        QJsonObject entry;
        if (arguments.contains("--watch")) {
            // The station's line of the reader, the moment it is done.
            QScopedPointer<QProcess> station(startCtl(command, 1, dir.filePath("station.tally")));
            QVERIFY(ReaderFixture::waitUntil([&] { return station->canReadLine(); }, 20000));
            entry = QJsonDocument::fromJson(station->readLine()).object().value("reader").toObject();
            ::kill(pid_t(station->processId()), SIGINT);
            QVERIFY(station->waitForFinished(10000));
        } else {
            if (matching) {
                VirtualReader::Settings held;
                held.options = 0x0C;
                held.post = "\r";
                held.outputLength = 10;
                Model::reader(1)->setSettings(held);
            }
            const CtlRun run = runCtlHere(command + QStringList{"--device", "sn:KLN2-000001"});
            // A check that finds the reader differing says so as drift.
            QCOMPARE(run.exitCode, arguments.contains("--check") && !matching ? 5 : 0);
            entry = QJsonDocument::fromJson(run.out.toUtf8()).object().value("readers").toArray().at(0).toObject();
            bool wrote = false;
            for (const QByteArray &frame : Model::reader(1)->receivedFrames())
                wrote = wrote || isWriteFrame(frame);
            QCOMPARE(wrote, changed);
        }
        QCOMPARE(entry.value("result").toString(), result);
        QVERIFY(entry.contains("changed"));
        QCOMPARE(entry.value("changed").toBool(), changed);
    }

    // An interrupt that comes while a reader is being read: the reader gets no write frame, and
    // its line says it was interrupted with nothing written.
    void interruptWhileReadingWritesNothing_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("apply") << QStringList{"apply"};
        QTest::newRow("write --partial") << QStringList{"write", "--partial"};
    }
    void interruptWhileReadingWritesNothing()
    {
        QFETCH(QStringList, arguments);
        const QString file = writeFile(dir, "reading.cfg", PartialFile);
        std::atomic<bool> stop{false};
        // A read is four exchanges of at least 300 ms: the first frame is well inside it.
        std::thread operatorHand([&stop] {
            QElapsedTimer clock;
            clock.start();
            while (Model::reader(1)->receivedFrames().isEmpty() && clock.elapsed() < 20000)
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            stop = true;
        });
        const CtlRun run =
            runCtlHere(QStringList{arguments.first(), file, "--device", "sn:KLN2-000001"} + arguments.mid(1), &stop);
        operatorHand.join();
        QCOMPARE(run.exitCode, 130);
        QVERIFY2(run.out.contains("KLN2-000001  1-1.1  interrupted: nothing was written\n"), qPrintable(run.out));
        const QList<QByteArray> frames = Model::reader(1)->receivedFrames();
        QVERIFY(!frames.isEmpty());
        for (const QByteArray &frame : frames)
            QVERIFY2(!isWriteFrame(frame), frame.toHex(' ').constData());
    }

    // Refused with exit 2 and the key named, before any reader hears a frame.
    void fileRefusedBeforeAnythingIsSent_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("error");
        QTest::newRow("partial file on write") << "write" << QByteArray("[KEYLON]\nBuzzer=1\n")
                                               << "lacks PreEnable, Pre, PostEnable";
        QTest::newRow("only [FW]") << "apply" << QByteArray("[FW]\nVer=1.20\n") << "sets none of the reader's settings";
        QTest::newRow("unknown key") << "apply" << QByteArray("[KEYLON]\nBuzer=1\n") << "unknown key Buzer";
        QTest::newRow("not a number") << "diff" << QByteArray("[KEYLON]\nOutputLength=banana\n")
                                      << "OutputLength=banana is not a number";
        QTest::newRow("reads back otherwise") << "apply" << QByteArray("[KEYLON]\nOutputLength=200\n")
                                              << "OutputLength=200 is out of range: -128 to 127";
        QTest::newRow("no such country") << "apply" << QByteArray("[KEYLON]\nKBCountry=999\n")
                                         << "KBCountry=999 is out of range: 0 to 4";
        QTest::newRow("switch") << "apply" << QByteArray("[KEYLON]\nBuzzer=yes\n") << "Buzzer=yes is not 0 or 1";
        QTest::newRow("overlong affix") << "apply" << QByteArray("[KEYLON]\nPre=" + QByteArray(40, 'A') + "\n")
                                        << "has 40 codes";
    }
    void fileRefusedBeforeAnythingIsSent()
    {
        QFETCH(QString, command);
        QFETCH(QByteArray, text);
        QFETCH(QString, error);
        const QString file = writeFile(dir, QTest::currentDataTag() + QStringLiteral(".cfg"), text);
        const CtlRun run = runCtlHere({command, file, "--all"});
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(run.err.contains(error), qPrintable(run.err));
        QVERIFY2(run.err.trimmed().endsWith("Nothing was sent."), qPrintable(run.err));
        for (int number = 1; number <= 4; ++number)
            QCOMPARE(Model::reader(number)->receivedFrames().size(), 0);
    }

    void selectsBySerialNumberAndSocket_data()
    {
        QTest::addColumn<QStringList>("devices");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QStringList>("chosen");
        QTest::newRow("sn:") << QStringList{"sn:KLN2-000004"} << 0 << QStringList{"hid:/dev/virtual-hidraw4"};
        QTest::newRow("usb:") << QStringList{"usb:1-1.2"} << 0 << QStringList{"hid:/dev/virtual-hidraw2"};
        QTest::newRow("each once, in order")
            << QStringList{"usb:1-1.4", "sn:KLN2-000001", "hid:/dev/virtual-hidraw4"} << 0
            << QStringList{"hid:/dev/virtual-hidraw4", "hid:/dev/virtual-hidraw1"};
        QTest::newRow("a serial number two readers share") << QStringList{"sn:KLN2-000002"} << 2 << QStringList();
        QTest::newRow("no such socket") << QStringList{"usb:9-9"} << 3 << QStringList();
        QTest::newRow("no serial number given") << QStringList{"sn:"} << 2 << QStringList();
    }
    void selectsBySerialNumberAndSocket()
    {
        QFETCH(QStringList, devices);
        QFETCH(int, exitCode);
        QFETCH(QStringList, chosen);
        Model::reader(3)->setSerialNumber("KLN2-000002");  // as a batch may come
        const Ctl::Selection selection = Ctl::select(devices, false);
        QCOMPARE(selection.exitCode, exitCode);
        QStringList names;
        for (const ReaderList::Reader &reader : selection.readers)
            names << reader.device();
        QCOMPARE(names, chosen);
        if (exitCode == 2 && devices.first() == "sn:KLN2-000002")
            QVERIFY2(selection.error.english().endsWith("cannot pick one: name it by usb:PORTPATH or hid:PATH"), qPrintable(selection.error.english()));
    }

    // Two readers one after the other: the first line is there while the second is still read.
    // A station may fail one reader at each of its plugs: the summary names it once.
    void summaryNamesEachFailedReaderOnce()
    {
        using Ctl::ReaderOutcome;
        ReaderOutcome failed;
        failed.reader.path = QStringLiteral("/dev/virtual-hidraw10");
        failed.result = ReaderOutcome::Result::Failed;
        ReaderOutcome other = failed;
        other.reader.path = QStringLiteral("/dev/virtual-hidraw11");
        const Ctl::Summary summary({failed, failed, other, failed});
        QCOMPARE(summary.failed, 4);
        QCOMPARE(summary.failedDevices, (QStringList{"hid:/dev/virtual-hidraw10", "hid:/dev/virtual-hidraw11"}));
    }

    void resultLinesArriveAsReadersFinish()
    {
        const QString file = writeFile(dir, "lines.cfg", "[KEYLON]\nBuzzer=1\n");
        QScopedPointer<QProcess> process(startCtl({"diff", file, "--all", "--jobs", "1"}, 2, dir.filePath("lines.tally")));
        QElapsedTimer clock;
        clock.start();
        QVERIFY(process->waitForReadyRead(10000));
        const qint64 firstLine = clock.elapsed();
        QVERIFY(process->canReadLine());
        QVERIFY(process->readLine().startsWith("hid:/dev/virtual-hidraw1  KLN2-000001  1-1.1  unchanged"));
        QVERIFY(process->waitForFinished(10000));
        // A USB HID read is four exchanges of at least 300 ms each.
        QVERIFY2(clock.elapsed() - firstLine > 800, qPrintable(QString::number(clock.elapsed() - firstLine)));
        QCOMPARE(process->exitCode(), 0);
    }

    // SIGHUP, SIGTERM and SIGINT alike, and output that goes away (a pipe whose reader closed
    // after one line): every reader either got all of its write frames with the save, or none;
    // every reader written is in the audit log, opened before its first write frame; those that
    // were never started are counted; the exit code says why, and no signal killed the program.
    // A second signal ends it at once, with that signal's exit code.
    void interruptLeavesEveryReaderWholeOrUntouched_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("signal");  // 0: standard output closed after its first line
        QTest::addColumn<int>("afterMs");
        QTest::addColumn<int>("second");  // a second signal soon after the first; 0: none
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<int>("untouched");  // at least
        // Twelve readers, four at once. write goes straight to its frames; apply reads for
        // 1.2 s before it writes.
        QTest::newRow("write, SIGHUP") << "write" << int(SIGHUP) << 100 << 0 << 129 << 8;
        QTest::newRow("write, SIGTERM") << "write" << int(SIGTERM) << 100 << 0 << 143 << 8;
        QTest::newRow("write, SIGINT") << "write" << int(SIGINT) << 100 << 0 << 130 << 8;
        QTest::newRow("apply, SIGINT") << "apply" << int(SIGINT) << 1350 << 0 << 130 << 8;
        // The first four lines may all reach the pipe before it closes; the next four readers
        // are under way by then.
        QTest::newRow("write, output closed") << "write" << 0 << 0 << 0 << 141 << 4;
        // The second signal's own code: the first one's would be the run ending as it does.
        QTest::newRow("write, SIGINT then SIGTERM") << "write" << int(SIGINT) << 100 << int(SIGTERM) << 143 << 0;
    }
    void interruptLeavesEveryReaderWholeOrUntouched()
    {
        QFETCH(QString, command);
        QFETCH(int, signal);
        QFETCH(int, afterMs);
        QFETCH(int, second);
        const bool twice = second != 0;
        QFETCH(int, exitCode);
        QFETCH(int, untouched);
        constexpr int Readers = 12;
        const QString file = writeFile(dir, "stop.cfg", FullFile);
        const QString tally = dir.filePath(QTest::currentDataTag() + QStringLiteral(".tally"));
        const QString log = dir.filePath(QTest::currentDataTag() + QStringLiteral(".jsonl"));
        // Standard output through a FIFO that the test reads and closes, as `| head -1` does.
        const QString fifo = dir.filePath(QTest::currentDataTag() + QStringLiteral(".fifo"));
        int reader = -1;
        if (signal == 0) {
            QVERIFY(::mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
            reader = ::open(QFile::encodeName(fifo).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
            QVERIFY(reader >= 0);
        }
        // Ended at once, the program writes no tally: the readers' files count their frames.
        QTemporaryDir plug;
        for (int number = 1; twice && number <= Readers; ++number)
            writeFile(plug, QStringLiteral("hid-%1").arg(number), QByteArray());
        // --verbose: the first debug line comes once the file is read, the handlers long set.
        QScopedPointer<QProcess> process(startCtl({command, file, "--all", "--jobs", "4", "--log", log, "--verbose"},
                                                  Readers, tally, signal == 0 ? fifo : QString(),
                                                  twice ? plug.path() : QString()));
        const pid_t pid = pid_t(process->processId());
        if (signal == 0) {
            QByteArray first;
            char byte = 0;
            QElapsedTimer clock;
            clock.start();
            while (!first.endsWith('\n') && clock.elapsed() < 20000) {
                pollfd ready{reader, POLLIN, 0};
                if (::poll(&ready, 1, 100) > 0 && ::read(reader, &byte, 1) == 1)
                    first += byte;
            }
            ::close(reader);
            QVERIFY2(first.contains("written, saved and verified"), first.constData());
        } else {
            process->setReadChannel(QProcess::StandardError);
            QVERIFY(process->waitForReadyRead(10000));
            QTest::qWait(afterMs);
            // Twice: the first signal once a reader is in its write frames, however loaded the
            // machine, so that there is a reader to cut short.
            QVERIFY(!twice || ReaderFixture::waitUntil([&] { return writtenReaders(plug, Readers) > 0; }, 10000));
            ::kill(pid, signal);
        }
        QElapsedTimer sinceSecond;
        if (twice) {
            QTest::qWait(50);
            ::kill(pid, second);
            sinceSecond.start();
        }
        QVERIFY(process->waitForFinished(30000));
        QCOMPARE(process->exitStatus(), QProcess::NormalExit);
        QCOMPARE(process->exitCode(), exitCode);
        // Each reader's lines in the log, by serial number: "started written", ...
        QHash<QString, QStringList> logged;
        QFile logFile(log);
        QVERIFY(logFile.open(QIODevice::ReadOnly));
        for (const QByteArray &line : logFile.readAll().trimmed().split('\n')) {
            const QJsonObject object = QJsonDocument::fromJson(line).object();
            logged[object.value("serialNumber").toString()] << object.value("result").toString();
        }
        if (twice) {
            QVERIFY2(sinceSecond.elapsed() < 500, qPrintable(QString::number(sinceSecond.elapsed())));
            // A reader may be left part written, but not out of the log.
            for (int number = 1; number <= Readers; ++number) {
                QFile reader(plug.filePath(QStringLiteral("hid-%1").arg(number)));
                QVERIFY(reader.open(QIODevice::ReadOnly));
                if (VirtualReader::PlugDir::parse(reader.readAll()).writeFrames == 0)
                    continue;
                const QString serial = QStringLiteral("KLN2-%1").arg(number, 6, 10, QLatin1Char('0'));
                QVERIFY2(logged.value(serial).value(0) == "started", qPrintable(serial));
            }
            return;
        }
        QFile counts(tally);
        QVERIFY(counts.open(QIODevice::ReadOnly));
        const QByteArray fullWrite = "02 10 03 21 25 29 80";
        int seenUntouched = 0;
        for (const QByteArray &line : counts.readAll().trimmed().split('\n')) {
            const QByteArray frames = line.mid(line.indexOf(' ') + 1);
            const bool touched = frames.contains("02 10") || frames.contains(" 80");
            QVERIFY2(!touched || frames.contains(fullWrite), line.constData());
            seenUntouched += touched ? 0 : 1;
            const QString serial = QStringLiteral("KLN2-%1").arg(line.left(line.indexOf(' ')).toInt(), 6, 10, QLatin1Char('0'));
            const QStringList done = touched ? QStringList{"started", command == "write" ? "written" : "changed"}
                                             : QStringList();
            QCOMPARE(logged.value(serial).mid(0, touched ? 2 : 0), done);
            QVERIFY2(touched || !logged.value(serial).contains("started"), qPrintable(serial));
        }
        QVERIFY2(seenUntouched >= untouched, qPrintable(QString::number(seenUntouched)));
        if (signal == 0)
            return;
        process->setReadChannel(QProcess::StandardOutput);
        const QString out = QString::fromUtf8(process->readAllStandardOutput());
        const QRegularExpressionMatch summary =
            QRegularExpression("12 readers: .*, [0-9]+ interrupted, ([0-9]+) not started\n$").match(out);
        QVERIFY2(summary.hasMatch(), qPrintable(out));
        QCOMPARE(out.count("not started\n"), summary.captured(1).toInt() + 1);
        QVERIFY(summary.captured(1).toInt() >= untouched - (command == "apply" ? 4 : 0));
    }
};

QTEST_GUILESS_MAIN(TestCtlFleet)
#include "tst_ctl_fleet.moc"
