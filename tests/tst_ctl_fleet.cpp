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

#include <csignal>

#include "ctl.h"
#include "ctl_runs.h"
#include "ctl_device.h"
#include "link/usb_identity.h"
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
QProcess *startCtl(const QStringList &arguments, int readers, const QString &tally)
{
    auto *process = new QProcess;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("KEYLON2_VIRTUAL_HID_READERS", QString::number(readers));
    environment.insert("KEYLON2_VIRTUAL_HID_TALLY", tally);
    process->setProcessEnvironment(environment);
    process->start(QStringLiteral(KEYLON2CTL_DEMO), arguments);
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
    // its factory state. Only what differs is named, and only apply writes.
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
        const CtlRun run = runCtlHere(arguments.mid(0, 1) + QStringList{file, "--all", "--json"} + arguments.mid(1));
        QCOMPARE(run.exitCode, exitCode);
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
            QVERIFY2(selection.error.contains("cannot pick one"), qPrintable(selection.error));
    }

    // Two readers one after the other: the first line is there while the second is still read.
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

    // Every reader either got all of its write frames with the save, or none; those that were
    // never started are counted; a second interrupt ends at once.
    void interruptLeavesEveryReaderWholeOrUntouched_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("interruptAfterMs");
        QTest::addColumn<bool>("twice");
        // apply reads for 1.2 s before it writes; write goes straight to its frames.
        QTest::newRow("apply --all") << "apply" << 1350 << false;
        QTest::newRow("write --all") << "write" << 100 << false;
        QTest::newRow("write --all, interrupted twice") << "write" << 100 << true;
    }
    void interruptLeavesEveryReaderWholeOrUntouched()
    {
        QFETCH(QString, command);
        QFETCH(int, interruptAfterMs);
        QFETCH(bool, twice);
        const QString file = writeFile(dir, "stop.cfg", FullFile);
        const QString tally = dir.filePath(QTest::currentDataTag() + QStringLiteral(".tally"));
        // --verbose: the first debug line comes once the file is read, the handlers long set.
        QScopedPointer<QProcess> process(startCtl({command, file, "--all", "--jobs", "2", "--verbose"}, 6, tally));
        process->setReadChannel(QProcess::StandardError);
        QVERIFY(process->waitForReadyRead(10000));
        QTest::qWait(interruptAfterMs);
        ::kill(pid_t(process->processId()), SIGINT);
        QElapsedTimer sinceSecond;
        if (twice) {
            QTest::qWait(50);
            ::kill(pid_t(process->processId()), SIGINT);
            sinceSecond.start();
        }
        QVERIFY(process->waitForFinished(10000));
        QCOMPARE(process->exitCode(), 130);
        if (twice) {
            QVERIFY2(sinceSecond.elapsed() < 500, qPrintable(QString::number(sinceSecond.elapsed())));
            return;
        }

        QFile counts(tally);
        QVERIFY(counts.open(QIODevice::ReadOnly));
        const QByteArray fullWrite = "02 10 03 21 25 29 80";
        int untouched = 0;
        for (const QByteArray &line : counts.readAll().trimmed().split('\n')) {
            const QByteArray frames = line.mid(line.indexOf(' ') + 1);
            const bool touched = frames.contains("02 10") || frames.contains(" 80");
            QVERIFY2(!touched || frames.contains(fullWrite), line.constData());
            untouched += touched ? 0 : 1;
        }
        process->setReadChannel(QProcess::StandardOutput);
        const QString out = QString::fromUtf8(process->readAllStandardOutput());
        QVERIFY2(out.contains(QRegularExpression("6 readers: .*, [0-9] interrupted, 4 not started\n$")), qPrintable(out));
        QCOMPARE(out.count("not started\n"), 4 + 1);
        QVERIFY(untouched >= 4);
    }
};

QTEST_GUILESS_MAIN(TestCtlFleet)
#include "tst_ctl_fleet.moc"
