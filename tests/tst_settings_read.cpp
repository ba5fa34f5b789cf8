#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>

#include "window/app/mainwindow.h"
#include "core/protocol/frames.h"
#include "reader_fixture.h"
#include "reader_model.h"
#include "serial_endpoint.h"
#include "test_support.h"
#include "core/text/keycode.h"
#include "window/ui/ui_mainwindow.h"
#include "window_probe.h"

namespace {

const QString Success = QStringLiteral("Successfully obtained Keylon the set value");

VirtualReader::Model &model() { return VirtualReader::Model::instance(); }

// The four HID requests of one read, numbered from the given sequence on.
QStringList requests(const QList<quint8> &sequences)
{
    const quint8 codes[] = {CmdStatus, CmdGetPre, CmdGetPost, CmdGetRemove};
    QStringList hex;
    for (int i = 0; i < sequences.size(); ++i)
        hex << QString::fromLatin1(Frames::hidReport(Frames::readFrame(codes[i]), sequences[i]).toHex());
    return hex;
}

QStringList received()
{
    QStringList hex;
    for (const QByteArray &frame : model().receivedFrames())
        hex << QString::fromLatin1(frame.toHex());
    return hex;
}

enum Fault { BadChecksum, CountAbove31, NoAnswer, FailReads, LateAnswers, PulledOut };

}  // namespace

class TestSettingsRead : public QObject
{
    Q_OBJECT

    ReaderFixture::Bench bench;

    // A connected window whose page is then filled with markers the next read would change;
    // the reader is given the settings for that read.
    void connectAndMark(MainWindow &w, const VirtualReader::Settings &next)
    {
        QVERIFY(ReaderFixture::connectOverHid(w).connected);
        uiOf(w)->PreAmbleEdit->setText("pre before");
        uiOf(w)->PostAmbleEdit->setText("post before");
        uiOf(w)->RemoveDataEdit->setText("remove before");
        uiOf(w)->FWLbl->setText("before");
        uiOf(w)->KLNOutStartEdit->setText("s");
        model().setSettings(next);
        model().clearReceived();
        bench.pauses().clear();
    }

private slots:
    void init() { bench.start(); }
    void cleanup() { bench.stop(); }

    void fullHidReadFillsEveryWidget()
    {
        VirtualReader::Settings settings;
        settings.options = 0x1F;
        settings.outputStart = 3;
        settings.outputLength = 0x90;
        settings.kbCountry = 4;
        settings.pre = QByteArray("AB\r", 3);
        settings.post = QByteArray("\x7f\xb0", 2);
        settings.remove = QByteArray(31, 'r');
        model().setSettings(settings);
        model().setVersion(QByteArray("1.20\0\0\0\0", 8));

        MainWindow w;
        const auto outcome = ReaderFixture::connectOverHid(w);
        QVERIFY(outcome.connected);
        QCOMPARE(outcome.boxes.size(), 1);
        const ModalCloser::Box box = outcome.boxes.first();
        QCOMPARE(box.title, QString("Read Status"));
        QCOMPARE(box.text, Success);
        QCOMPARE(box.icon, QMessageBox::Information);
        QCOMPARE(box.buttons, QMessageBox::StandardButtons(QMessageBox::Yes));
        QVERIFY(!box.hadParent);

        // The NULs that pad the version field are neither shown nor kept (they went into exports).
        const QString version = QStringLiteral("1.20");
        QCOMPARE(WindowProbe::form(w).firmwareVersion(), version);
        QCOMPARE(uiOf(w)->FWLbl->text(), "F/W Version: " + version);
        for (QCheckBox *chk : {uiOf(w)->PreAmbleChk, uiOf(w)->PostAmbleChk, uiOf(w)->RemoveDataChk,
                               uiOf(w)->AutoReportChk, uiOf(w)->BuzzerEnableChk})
            QVERIFY2(chk->isChecked(), qPrintable(chk->objectName()));
        QVERIFY(!uiOf(w)->RemoveIDCodeChk->isChecked());
        QCOMPARE(uiOf(w)->KLNOutStartEdit->text(), QString("3"));
        QCOMPARE(uiOf(w)->KLNOutLengthEdit->text(), QString("-112"));
        QVERIFY(uiOf(w)->KB_cmb->isEnabled());
        QCOMPARE(uiOf(w)->KB_cmb->currentText(), QString("Italy"));
        QCOMPARE(uiOf(w)->PreAmbleEdit->text(), QString("AB[CR]"));
        QCOMPARE(uiOf(w)->PostAmbleEdit->text(), DeviceCodesToText(settings.post));
        QCOMPARE(uiOf(w)->RemoveDataEdit->text(), QString(31, 'r'));
        QCOMPARE(bench.pauses().requested(), QList<unsigned>({300, 300, 300, 300}));
        // The first read after start-up numbers its requests 2 to 5.
        QCOMPARE(received(), requests({2, 3, 4, 5}));
    }

    void sequenceNumberWrapsPastZero()
    {
        MainWindow w;
        VirtualReader::Settings next;
        next.pre = "wrapped";
        connectAndMark(w, next);
        // The 254th request carries 255 and needs 0x00 in the answer; the next one carries 1.
        linkOf(w).frameSequence = 0xFD;
        const auto boxes = ReaderFixture::clickAnswering(w, "GetKLNStatusBut");
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes.first().text, Success);
        QCOMPARE(received(), requests({0xFE, 0xFF, 0x01, 0x02}));
        QCOMPARE(uiOf(w)->PreAmbleEdit->text(), QString("wrapped"));
    }

    void serialReadSendsTheSixFrames()
    {
        ReaderFixture::Reader reader;
        MainWindow w;
        QVERIFY(reader.connect(w, true));
        QByteArray expected;
        for (const char *frame : {"1b42000000000000", "1b42020000000000", "1b42100000000000",
                                  "1b42200000000000", "1b42240000000000", "1b42280000000000"})
            expected += QByteArray::fromHex(frame).replace(7, 1, "\r");
        QCOMPARE(model().serialBytesReceived().toHex(), expected.toHex());
        QCOMPARE(model().receivedFrames().size(), 6);
        // Each frame is followed by its pause; none of the HID pauses.
        QCOMPARE(bench.pauses().requested(), QList<unsigned>({100, 100, 100, 100, 100, 100}));
    }

    // The option byte in bit order 0 to 5; output window and country as signed bytes.
    void pageShowsTheRecordAsTheReaderHoldsIt_data()
    {
        QTest::addColumn<int>("options");
        QTest::addColumn<QString>("checked");   // R(emove) P(ost) A(pre) U(auto) B(uzzer) I(D)
        QTest::addColumn<QString>("enabled");   // edits: A pre, P post, R remove
        QTest::addColumn<int>("byte");          // output start, output length and country
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("countryIndex");
        QTest::newRow("0x24, 0") << 0x24 << "AI" << "A" << 0x00 << "0" << 0;
        QTest::newRow("bit 5 with bit 0, 4 Italy") << 0x21 << "RI" << "" << 0x04 << "4" << 4;
        QTest::newRow("bit 0 alone, 5 beyond the list") << 0x01 << "R" << "R" << 0x05 << "5" << -1;
        QTest::newRow("all and the unused bits, 0x7f") << 0xFF << "RPAUBI" << "AP" << 0x7F << "127" << -1;
        QTest::newRow("none, 0x80") << 0x00 << "" << "" << 0x80 << "-128" << -1;
        QTest::newRow("0x24, 0xff") << 0x24 << "AI" << "A" << 0xFF << "-1" << -1;
    }
    void pageShowsTheRecordAsTheReaderHoldsIt()
    {
        QFETCH(int, options);
        QFETCH(QString, checked);
        QFETCH(QString, enabled);
        QFETCH(int, byte);
        QFETCH(QString, shown);
        QFETCH(int, countryIndex);
        MainWindow w;
        VirtualReader::Settings next;
        next.options = quint8(options);
        next.outputStart = next.outputLength = next.kbCountry = quint8(byte);
        connectAndMark(w, next);
        uiOf(w)->KB_cmb->setCurrentIndex(2);
        uiOf(w)->KB_cmb->setEnabled(false);
        QCOMPARE(ReaderFixture::clickAnswering(w, "GetKLNStatusBut").size(), 1);
        QCOMPARE(uiOf(w)->RemoveDataChk->isChecked(), checked.contains('R'));
        QCOMPARE(uiOf(w)->PostAmbleChk->isChecked(), checked.contains('P'));
        QCOMPARE(uiOf(w)->PreAmbleChk->isChecked(), checked.contains('A'));
        QCOMPARE(uiOf(w)->AutoReportChk->isChecked(), checked.contains('U'));
        QCOMPARE(uiOf(w)->BuzzerEnableChk->isChecked(), checked.contains('B'));
        QCOMPARE(uiOf(w)->RemoveIDCodeChk->isChecked(), checked.contains('I'));
        QCOMPARE(uiOf(w)->PreAmbleEdit->isEnabled(), enabled.contains('A'));
        QCOMPARE(uiOf(w)->PostAmbleEdit->isEnabled(), enabled.contains('P'));
        QCOMPARE(uiOf(w)->RemoveDataEdit->isEnabled(), enabled.contains('R'));
        QCOMPARE(uiOf(w)->KLNOutStartEdit->text(), shown);
        QCOMPARE(uiOf(w)->KLNOutLengthEdit->text(), shown);
        QCOMPARE(uiOf(w)->KB_cmb->currentIndex(), countryIndex);
        QVERIFY(uiOf(w)->KB_cmb->isEnabled());
    }

    void faultyReaderEndsTheReadWithItsMessage_data()
    {
        QTest::addColumn<int>("fault");
        QTest::addColumn<int>("frames");
        QTest::addColumn<int>("filled");       // answers shown: status, then preamble, then postamble
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("logged");
        const QString noVersion = "Get F/W version fail, please retry.";
        // A dropped affix answer keeps its edit and the read goes on.
        QTest::newRow("wrong checksum") << int(BadChecksum) << 4 << 1 << Success << "";
        QTest::newRow("count 32") << int(CountAbove31) << 4 << 1 << Success << "PreAmble Len=32 6e 65 77 41";
        QTest::newRow("no answer") << int(NoAnswer) << 1 << 0 << noVersion << "";
        QTest::newRow("reads fail") << int(FailReads) << 1 << 0 << noVersion << "Unable to read PreAmble Data \n";
        QTest::newRow("answers too late") << int(LateAnswers) << 1 << 0 << noVersion << "";
        QTest::newRow("pulled out after the status") << int(PulledOut) << 2 << 1 << "Get PreAmble fail, please retry." << "";
        QTest::newRow("pulled out after the preamble") << int(PulledOut) << 3 << 2 << "Get PostAmble fail, please retry." << "";
        QTest::newRow("pulled out after the postamble") << int(PulledOut) << 4 << 3 << "Get RemoveData fail, please retry." << "";
    }

    void faultyReaderEndsTheReadWithItsMessage()
    {
        QFETCH(int, fault);
        QFETCH(int, frames);
        QFETCH(int, filled);
        QFETCH(QString, message);
        QFETCH(QString, logged);
        MainWindow w;
        VirtualReader::Settings next;
        next.options = 0x3F;
        next.pre = "new";
        next.post = "p2";
        connectAndMark(w, next);
        VirtualReader::Faults faults;
        faults.badChecksum = fault == BadChecksum;
        faults.countAbove31 = fault == CountAbove31;
        faults.noAnswer = fault == NoAnswer;
        faults.failReads = fault == FailReads;
        faults.lateReads = fault == LateAnswers ? 50 : 0;
        if (fault == PulledOut)
            faults.vanishAfterWrites = frames;  // the last write goes out, its answer never comes
        model().setFaults(faults);
        DebugCapture debug;
        QElapsedTimer timer;
        timer.start();
        const auto boxes = ReaderFixture::clickAnswering(w, "GetKLNStatusBut");
        // About ten reads with a tenth of each pause: far below what a wait for ever would take.
        QVERIFY2(timer.elapsed() < 10000, qPrintable(QString::number(timer.elapsed())));
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes.first().title, QString("Read Status"));
        QCOMPARE(boxes.first().text, message);
        QCOMPARE(model().receivedFrames().size(), frames);
        const int reads = debug.lines().filter(QRegularExpression("^Read = ")).size();
        QVERIFY(reads >= 2 && reads <= (frames - 1) + 12);
        if (!logged.isEmpty())
            QVERIFY(debug.contains(logged));
        // What came before the failure is shown, what comes after keeps its old text.
        QCOMPARE(uiOf(w)->FWLbl->text() != "before", filled >= 1);
        if (filled >= 1)
            QVERIFY(uiOf(w)->RemoveIDCodeChk->isChecked());
        QCOMPARE(uiOf(w)->PreAmbleEdit->text(), QString(filled >= 2 ? "new" : "pre before"));
        QCOMPARE(uiOf(w)->PostAmbleEdit->text(), QString(filled >= 3 ? "p2" : "post before"));
        QCOMPARE(uiOf(w)->RemoveDataEdit->text(), QString("remove before"));
    }

    void staleAnswerIsSkipped()
    {
        MainWindow w;
        VirtualReader::Settings next;
        next.pre = "fresh";
        next.outputStart = 7;
        connectAndMark(w, next);
        model().setFaults([] { VirtualReader::Faults f; f.staleFirst = true; return f; }());
        DebugCapture debug;
        const auto boxes = ReaderFixture::clickAnswering(w, "GetKLNStatusBut");
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes.first().text, Success);
        QCOMPARE(uiOf(w)->PreAmbleEdit->text(), QString("fresh"));
        QCOMPARE(uiOf(w)->KLNOutStartEdit->text(), QString("7"));
        // Requests 6 to 9: each first read brings the answer to the one before (complement + 1).
        const QStringList reads = debug.lines().filter(QRegularExpression("^Read = "));
        QCOMPARE(reads.size(), 8);
        QCOMPARE(reads[0], QString("Read = fa 0 0"));
        QCOMPARE(reads[1], QString("Read = f9 0 0"));
        QCOMPARE(bench.pauses().requested().size(), 8);
    }

    void writeIsRetriedThreeTimes()
    {
        MainWindow w;
        connectAndMark(w, {});
        // One failed write: logged, written again, and the read goes through.
        model().setFaults([] { VirtualReader::Faults f; f.failWriteNumber = 1; return f; }());
        DebugCapture debug;
        auto boxes = ReaderFixture::clickAnswering(w, "GetKLNStatusBut");
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes.first().text, Success);
        QCOMPARE(debug.count("Unable to write Get Attach PreAmble Data command\n"), 1);
        QVERIFY(debug.contains("Error: write failed: broken pipe\n"));
        QCOMPARE(model().hidWriteAttempts(), 5);

        // Every write fails: three retries are logged, a fourth write is made, nothing is read.
        model().clearReceived();
        bench.pauses().clear();
        debug.clear();
        model().setFaults([] { VirtualReader::Faults f; f.failAllWrites = true; return f; }());
        boxes = ReaderFixture::clickAnswering(w, "GetKLNStatusBut");
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes.first().text, QString("Get F/W version fail, please retry."));
        QCOMPARE(model().hidWriteAttempts(), 4);
        QCOMPARE(debug.count("Unable to write Get Attach PreAmble Data command\n"), 3);
        QCOMPARE(debug.lines().filter(QRegularExpression("^Read = ")).size(), 0);
        QVERIFY(bench.pauses().requested().isEmpty());
    }

    void readWithoutLinkReportsSuccessAndChangesNothing()
    {
        MainWindow w;
        uiOf(w)->PreAmbleEdit->setText("untouched");
        ModalCloser closer;
        w.GetKLNValueClick();
        QCOMPARE(closer.count(), 1);
        QCOMPARE(closer.last().text, Success);
        QCOMPARE(uiOf(w)->PreAmbleEdit->text(), QString("untouched"));
        QCOMPARE(linkOf(w).frameSequence, quint8(1));
        QVERIFY(model().receivedFrames().isEmpty());
    }
};

QTEST_MAIN(TestSettingsRead)
#include "tst_settings_read.moc"
