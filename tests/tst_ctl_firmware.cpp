// keylon2ctl firmware-update as an operator runs it: keylon2ctl-demo on readers of a plug
// directory, the stand-in writer flashmate in the working directory, and what each reader holds
// afterwards read from its plug file.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>

#include "build_paths.h"

namespace {

// What reader N of the plug directory keeps, as its file says it.
QHash<QString, QString> kept(const QString &plugDir, int number)
{
    QHash<QString, QString> values;
    QFile file(QStringLiteral("%1/hid-%2").arg(plugDir).arg(number));
    if (!file.open(QIODevice::ReadOnly))
        return values;
    for (const QByteArray &line : file.readAll().split('\n')) {
        if (line.contains('='))
            values.insert(QString::fromUtf8(line.left(line.indexOf('='))), QString::fromUtf8(line.mid(line.indexOf('=') + 1)));
    }
    return values;
}

// A reader with settings of its own: preamble 04, postamble on, output length 12, country 3.
const QByteArray OwnSettings = "options=1e\noutputLength=12\nkbCountry=3\npre=04\n";
const QStringList OwnKeys = {"PostEnable", "OutputLength", "KBCountry", "Pre"};

}  // namespace

class TestCtlFirmware : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    QString work, plug, state;

    void plugIn(int count)
    {
        QDir(plug).removeRecursively();
        QDir().mkpath(plug);
        for (int number = 1; number <= count; ++number) {
            QFile file(QStringLiteral("%1/hid-%2").arg(plug).arg(number));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(OwnSettings);
        }
    }

    // keylon2ctl-demo firmware-update --json ARGUMENTS from flashmate's folder; KEY=VALUE items
    // of `environment` go to it and to the writer.
    int update(const QStringList &arguments, const QStringList &environment, QJsonObject *document, QString *err = nullptr)
    {
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("KEYLON2_VIRTUAL_PLUG_DIR", plug);
        env.insert("XDG_STATE_HOME", state);
        env.insert("KEYLON2_FLASHMATE_MS", "20");
        for (const QString &item : environment)
            env.insert(item.section('=', 0, 0), item.section('=', 1));
        process.setProcessEnvironment(env);
        process.setWorkingDirectory(work);
        process.start(buildPath("KEYLON2CTL_DEMO"), QStringList{"firmware-update", "--json", "--wait-back", "1"} + arguments);
        if (!process.waitForFinished(60000))
            return -1;
        *document = QJsonDocument::fromJson(process.readAllStandardOutput()).object();
        if (err)
            *err = QString::fromUtf8(process.readAllStandardError());
        return process.exitCode();
    }

private slots:
    void initTestCase()
    {
        work = dir.filePath("work");
        plug = dir.filePath("plug");
        state = dir.filePath("state");
        QVERIFY(QDir().mkpath(work));
        QVERIFY(QFile::link(buildPath("KEYLON2_FLASHMATE"), work + "/flashmate"));
    }

    // One reader through each way an update can end. node: the plug file the reader is in
    // afterwards; own: whether it holds its own settings then.
    void eachOutcomeOfAnUpdate_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("environment");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("after");
        QTest::addColumn<QStringList>("restored");
        QTest::addColumn<int>("node");
        QTest::addColumn<bool>("own");
        const QStringList none;
        const QString ok;
        QTest::newRow("updated, settings restored") << none << none << 0 << ok << "1.21" << OwnKeys << 1 << true;
        QTest::newRow("back under another node") << none << QStringList{"KEYLON2_FLASHMATE_NODE=new"} << 0 << ok << "1.21"
                                                 << OwnKeys << 2 << true;
        QTest::newRow("--keep-reset") << QStringList{"--keep-reset"} << none << 0 << ok << "1.21" << none << 1 << false;
        QTest::newRow("expected version") << QStringList{"--expect-version", "1.21"} << none << 0 << ok << "1.21" << OwnKeys
                                          << 1 << true;
        QTest::newRow("unexpected version") << QStringList{"--expect-version", "2.00"} << none << 1 << "unexpected-version"
                                            << "1.21" << OwnKeys << 1 << true;
        QTest::newRow("unchanged") << none << QStringList{"KEYLON2_FLASHMATE_FAULT=unchanged"} << 1 << "firmware-unchanged"
                                   << "1.20" << none << 1 << true;
        QTest::newRow("unchanged, --allow-same") << QStringList{"--allow-same"}
                                                 << QStringList{"KEYLON2_FLASHMATE_FAULT=unchanged"} << 0 << ok << "1.20"
                                                 << none << 1 << true;
        QTest::newRow("not back") << none << QStringList{"KEYLON2_FLASHMATE_FAULT=lost"} << 1 << "not-back" << QString()
                                  << none << 1 << true;
        QTest::newRow("another reader") << none << QStringList{"KEYLON2_FLASHMATE_FAULT=another"} << 1 << "another-reader"
                                        << QString() << none << 1 << false;
    }

    void eachOutcomeOfAnUpdate()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, environment);
        QFETCH(int, exitCode);
        QFETCH(QString, code);
        QFETCH(QString, after);
        QFETCH(QStringList, restored);
        QFETCH(int, node);
        QFETCH(bool, own);
        plugIn(1);
        QJsonObject document;
        QString err;
        QCOMPARE(update(arguments, environment, &document, &err), exitCode);
        const QJsonObject reader = document["readers"].toArray().first().toObject();
        QCOMPARE(reader["code"].toString(), code);
        QCOMPARE(reader["firmwareBefore"].toString(), QStringLiteral("1.20"));
        QCOMPARE(reader["firmwareAfter"].toString(), after);
        QCOMPARE(reader["settingsRestored"].toVariant().toStringList(), restored);
        // The backup says whose settings it holds, and apply takes it.
        const QString backup = reader["backup"].toString();
        QVERIFY2(backup.startsWith(state + "/keylon2/firmware-backups/KLN2-000001-"), qPrintable(backup));
        QVERIFY2(err.contains(backup), qPrintable(err));
        QSettings file(backup, QSettings::IniFormat);
        QCOMPARE(file.value("Reader/SerialNumber").toString(), QStringLiteral("KLN2-000001"));
        QCOMPARE(file.value("KEYLON/OutputLength").toInt(), 12);

        const QHash<QString, QString> now = kept(plug, node);
        QVERIFY2(!now.isEmpty(), qPrintable(QString::number(node)));
        QCOMPARE(now.value("pre"), own ? QStringLiteral("04") : QString());
        QCOMPARE(now.value("outputLength"), own ? QStringLiteral("12") : QStringLiteral("8"));
        if (!after.isEmpty())
            QCOMPARE(now.value("version"), after);
        // Left reset, the reader differs from its backup, which apply takes as it is.
        if (restored.isEmpty() && !own && code.isEmpty()) {
            QProcess apply;
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.insert("KEYLON2_VIRTUAL_PLUG_DIR", plug);
            apply.setProcessEnvironment(env);
            apply.start(buildPath("KEYLON2CTL_DEMO"), {"apply", backup, "--check", "--device", "sn:KLN2-000001"});
            QVERIFY(apply.waitForFinished(30000));
            QCOMPARE(apply.exitCode(), 5);
        }
        // Another reader in its place is read, never written.
        if (code == "another-reader")
            QCOMPARE(now.value("writeFrames"), QStringLiteral("0"));
    }

    // Three readers, one after another, the second one failing: its line, its entry, its log
    // lines and its count say so, and the others are updated. A reader that does not come back
    // may wait in its loader: the readers after it get nothing.
    void fleetOneAfterAnother_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QStringList>("codes");
        QTest::addColumn<QStringList>("updated");
        QTest::newRow("second unchanged") << "unchanged:KLN2-000002" << QStringList{"", "firmware-unchanged", ""}
                                          << QStringList{"1.21", "1.20", "1.21"};
        QTest::newRow("second not back") << "lost:KLN2-000002" << QStringList{"", "not-back", "loader-busy"}
                                         << QStringList{"1.21", "1.20", "1.20"};
    }

    void fleetOneAfterAnother()
    {
        QFETCH(QString, fault);
        QFETCH(QStringList, codes);
        QFETCH(QStringList, updated);
        plugIn(3);
        const QString log = dir.filePath("fleet.jsonl");
        const QString metrics = dir.filePath("fleet.prom");
        QFile::remove(log);
        QJsonObject document;
        QCOMPARE(update({"--all", "--log", log, "--metrics", metrics}, {"KEYLON2_FLASHMATE_FAULT=" + fault}, &document), 1);
        const QJsonArray readers = document["readers"].toArray();
        QCOMPARE(readers.size(), 3);
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(readers[i].toObject()["code"].toString(), codes[i]);
            QCOMPARE(kept(plug, i + 1).value("version", "1.20"), updated[i]);
        }
        // The third reader after one in its loader: not even read.
        if (codes[2] == "loader-busy")
            QCOMPARE(kept(plug, 3).value("writeFrames", "0"), QStringLiteral("0"));
        QCOMPARE(document["summary"].toObject()["changed"].toInt(), codes.count(QString()));

        // Each reader's lines follow one another: it started and ended before the next began.
        QFile lines(log);
        QVERIFY(lines.open(QIODevice::ReadOnly));
        QStringList order;
        for (const QByteArray &line : lines.readAll().split('\n')) {
            const QJsonObject entry = QJsonDocument::fromJson(line).object();
            if (!entry.isEmpty())
                order << entry["serialNumber"].toString().right(1) + ' ' + entry["result"].toString();
        }
        QStringList expected{"1 started", "1 changed", "2 started", "2 failed"};
        expected << (codes[2].isEmpty() ? QStringList{"3 started", "3 changed"} : QStringList{"3 failed"});
        QCOMPARE(order, expected);
        QProcess python;
        python.start(QStringLiteral(KEYLON2_PYTHON3), {buildPath("KEYLON2_SOURCE_DIR", "/tests/support/json_lines_valid.py"),
                                                       buildPath("KEYLON2_SOURCE_DIR", "/data/schema/keylon2ctl-audit.schema.json"), log});
        QVERIFY(python.waitForFinished(30000));
        QVERIFY2(python.exitCode() == 0, python.readAllStandardOutput() + python.readAllStandardError());
        QFile prom(metrics);
        QVERIFY(prom.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(prom.readAll());
        QVERIFY2(text.contains(QStringLiteral("keylon2_firmware_updates_total{source=\"fleet\",outcome=\"updated\"} %1")
                                   .arg(codes.count(QString()))),
                 qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("outcome=\"%1\"} 1").arg(codes[1])), qPrintable(text));
    }

    // Ctrl-C reaches the whole process group, the writer with it: the writer runs to its end, its
    // reader is checked, and no other reader starts.
    void interruptLetsTheWriterEnd()
    {
        plugIn(3);
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("KEYLON2_VIRTUAL_PLUG_DIR", plug);
        env.insert("XDG_STATE_HOME", state);
        env.insert("KEYLON2_FLASHMATE_MS", "1500");
        process.setProcessEnvironment(env);
        process.setWorkingDirectory(work);
        // A session of its own, as a terminal's foreground job is a group of its own.
        process.start("setsid", {buildPath("KEYLON2CTL_DEMO"), "firmware-update", "--all"});
        QVERIFY(process.waitForStarted());
        QByteArray out;
        QTRY_VERIFY_WITH_TIMEOUT((out += process.readAllStandardOutput()).contains("in its loader"), 10000);
        QCOMPARE(::kill(-pid_t(process.processId()), SIGINT), 0);
        QVERIFY(process.waitForFinished(30000));
        QCOMPARE(process.exitCode(), 130);
        QCOMPARE(kept(plug, 1).value("version"), QStringLiteral("1.21"));
        QCOMPARE(kept(plug, 1).value("pre"), QStringLiteral("04"));
        QCOMPARE(kept(plug, 2).value("writeFrames", "0"), QStringLiteral("0"));
        QCOMPARE(kept(plug, 3).value("writeFrames", "0"), QStringLiteral("0"));
    }
};

QTEST_GUILESS_MAIN(TestCtlFirmware)
#include "tst_ctl_firmware.moc"
