#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>

#include "app/mainwindow.h"
#include "protocol/frames.h"
#include "reader_fixture.h"
#include "reader_model.h"
#include "serial_endpoint.h"
#include "test_support.h"
#include "text/keycode.h"
#include "ui/ui_mainwindow.h"

namespace {

const QString Success = QStringLiteral("Successfully obtained Keylon the set value");

VirtualReader::Model &model() { return VirtualReader::Model::instance(); }

void setFaults(const std::function<void(VirtualReader::Faults &)> &change)
{
    VirtualReader::Faults faults;
    change(faults);
    model().setFaults(faults);
}

QByteArray request(quint8 code, quint8 sequence)
{
    return Frames::hidReport(Frames::readFrame(code), sequence);
}

}  // namespace

class TestSettingsRead : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void fullHidReadFillsEveryWidget();
    void sequenceNumberWrapsPastZero();
    void serialReadSendsTheSixFrames();
    void optionByteIsAppliedInBitOrder_data();
    void optionByteIsAppliedInBitOrder();
    void outputWindowAndCountryAreSigned_data();
    void outputWindowAndCountryAreSigned();
    void droppedAffixAnswerKeepsTheEdit_data();
    void droppedAffixAnswerKeepsTheEdit();
    void failedExchangeEndsTheReadWithItsMessage_data();
    void failedExchangeEndsTheReadWithItsMessage();
    void staleAnswerIsSkipped();
    void writeIsRetriedThreeTimes();
    void readWithoutLinkReportsSuccessAndChangesNothing();

private:
    // A connected window whose page is then filled with markers the next read would change.
    void connectAndMark(MainWindow &w);
    QList<ModalCloser::Box> read(MainWindow &w);
};

void TestSettingsRead::init()
{
    ReaderFixture::resetReader();
}

void TestSettingsRead::connectAndMark(MainWindow &w)
{
    QVERIFY(ReaderFixture::connectOverHid(w).connected);
    w.ui->PreAmbleEdit->setText("pre before");
    w.ui->PostAmbleEdit->setText("post before");
    w.ui->RemoveDataEdit->setText("remove before");
    w.ui->FWLbl->setText("before");
    w.ui->KLNOutStartEdit->setText("s");
    model().clearReceived();
}

QList<ModalCloser::Box> TestSettingsRead::read(MainWindow &w)
{
    return ReaderFixture::clickAnswering(w, "GetKLNStatusBut");
}

void TestSettingsRead::fullHidReadFillsEveryWidget()
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

    FastPauses fast;
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

    const QString version = QString::fromLatin1("1.20\0\0\0\0", 8);
    QCOMPARE(w.link.firmwareVersion, version);
    QCOMPARE(w.ui->FWLbl->text(), "F/W Version: " + version);
    for (QCheckBox *chk : {w.ui->PreAmbleChk, w.ui->PostAmbleChk, w.ui->RemoveDataChk,
                           w.ui->AutoReportChk, w.ui->BuzzerEnableChk})
        QVERIFY2(chk->isChecked(), qPrintable(chk->objectName()));
    QVERIFY(!w.ui->RemoveIDCodeChk->isChecked());
    QCOMPARE(w.ui->KLNOutStartEdit->text(), QString("3"));
    QCOMPARE(w.ui->KLNOutLengthEdit->text(), QString("-112"));
    QVERIFY(w.ui->KB_cmb->isEnabled());
    QCOMPARE(w.ui->KB_cmb->currentText(), QString("Italy"));
    QCOMPARE(w.ui->PreAmbleEdit->text(), QString("AB[CR]"));
    QCOMPARE(w.ui->PostAmbleEdit->text(), DeviceCodesToText(settings.post));
    QCOMPARE(w.ui->RemoveDataEdit->text(), QString(31, 'r'));
    QCOMPARE(fast.requested(), QList<unsigned>({300, 300, 300, 300}));

    // The first read after start-up numbers its requests 2 to 5.
    const QList<QByteArray> expected = {request(CmdStatus, 2), request(CmdGetPre, 3),
                                        request(CmdGetPost, 4), request(CmdGetRemove, 5)};
    const QList<QByteArray> frames = model().receivedFrames();
    QCOMPARE(frames.size(), expected.size());
    for (int i = 0; i < frames.size(); ++i)
        QCOMPARE(frames[i].toHex(), expected[i].toHex());
}

void TestSettingsRead::sequenceNumberWrapsPastZero()
{
    FastPauses fast;
    MainWindow w;
    connectAndMark(w);
    model().setSettings([] { VirtualReader::Settings s; s.pre = "wrapped"; return s; }());
    // The 254th request carries 255 and needs 0x00 in the answer; the next one carries 1.
    w.link.frameSequence = 0xFD;
    const auto boxes = read(w);
    QCOMPARE(boxes.size(), 1);
    QCOMPARE(boxes.first().text, Success);
    const QList<QByteArray> frames = model().receivedFrames();
    QCOMPARE(frames.size(), 4);
    QCOMPARE(frames[0].toHex(), request(CmdStatus, 0xFE).toHex());
    QCOMPARE(frames[1].toHex(), request(CmdGetPre, 0xFF).toHex());
    QCOMPARE(frames[2].toHex(), request(CmdGetPost, 0x01).toHex());
    QCOMPARE(frames[3].toHex(), request(CmdGetRemove, 0x02).toHex());
    QCOMPARE(w.ui->PreAmbleEdit->text(), QString("wrapped"));
}

void TestSettingsRead::serialReadSendsTheSixFrames()
{
    VirtualReader::SerialEndpoint endpoint(model());
    QVERIFY(ReaderFixture::startSerialReader(endpoint));
    FastPauses fast;
    MainWindow w;
    QVERIFY(ReaderFixture::connectOverSerial(w, endpoint).connected);
    QByteArray expected;
    for (const char *frame : {"1b42000000000000", "1b42020000000000", "1b42100000000000",
                              "1b42200000000000", "1b42240000000000", "1b42280000000000"})
        expected += QByteArray::fromHex(frame).replace(7, 1, "\r");
    QCOMPARE(model().serialBytesReceived().toHex(), expected.toHex());
    QCOMPARE(model().receivedFrames().size(), 6);
    // Each frame is followed by its pause; none of the HID pauses.
    QCOMPARE(fast.requested(), QList<unsigned>({100, 100, 100, 100, 100, 100}));
}

void TestSettingsRead::optionByteIsAppliedInBitOrder_data()
{
    QTest::addColumn<int>("options");
    QTest::addColumn<QString>("checked");   // initials: R(emove) P(ost) A(mble pre) U(to) B(uzzer) I(D)
    QTest::addColumn<QString>("enabled");   // edits: A pre, P post, R remove
    QTest::newRow("0x24") << 0x24 << "AI" << "A";
    QTest::newRow("bit 5 with bit 0") << 0x21 << "RI" << "";
    QTest::newRow("bit 0 alone") << 0x01 << "R" << "R";
    QTest::newRow("all and the unused bits") << 0xFF << "RPAUBI" << "AP";
    QTest::newRow("none") << 0x00 << "" << "";
}

void TestSettingsRead::optionByteIsAppliedInBitOrder()
{
    QFETCH(int, options);
    QFETCH(QString, checked);
    QFETCH(QString, enabled);
    FastPauses fast;
    MainWindow w;
    connectAndMark(w);
    model().setSettings([&] { VirtualReader::Settings s; s.options = quint8(options); return s; }());
    QCOMPARE(read(w).size(), 1);
    QCOMPARE(w.ui->RemoveDataChk->isChecked(), checked.contains('R'));
    QCOMPARE(w.ui->PostAmbleChk->isChecked(), checked.contains('P'));
    QCOMPARE(w.ui->PreAmbleChk->isChecked(), checked.contains('A'));
    QCOMPARE(w.ui->AutoReportChk->isChecked(), checked.contains('U'));
    QCOMPARE(w.ui->BuzzerEnableChk->isChecked(), checked.contains('B'));
    QCOMPARE(w.ui->RemoveIDCodeChk->isChecked(), checked.contains('I'));
    QCOMPARE(w.ui->PreAmbleEdit->isEnabled(), enabled.contains('A'));
    QCOMPARE(w.ui->PostAmbleEdit->isEnabled(), enabled.contains('P'));
    QCOMPARE(w.ui->RemoveDataEdit->isEnabled(), enabled.contains('R'));
}

void TestSettingsRead::outputWindowAndCountryAreSigned_data()
{
    QTest::addColumn<int>("byte");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("countryIndex");
    QTest::newRow("0") << 0x00 << "0" << 0;
    QTest::newRow("4 Italy") << 0x04 << "4" << 4;
    QTest::newRow("5 beyond the list") << 0x05 << "5" << -1;
    QTest::newRow("0x7f") << 0x7F << "127" << -1;
    QTest::newRow("0x80") << 0x80 << "-128" << -1;
    QTest::newRow("0xff") << 0xFF << "-1" << -1;
}

void TestSettingsRead::outputWindowAndCountryAreSigned()
{
    QFETCH(int, byte);
    QFETCH(QString, shown);
    QFETCH(int, countryIndex);
    FastPauses fast;
    MainWindow w;
    connectAndMark(w);
    w.ui->KB_cmb->setCurrentIndex(2);
    w.ui->KB_cmb->setEnabled(false);
    model().setSettings([&] {
        VirtualReader::Settings s;
        s.outputStart = s.outputLength = s.kbCountry = quint8(byte);
        return s;
    }());
    QCOMPARE(read(w).size(), 1);
    QCOMPARE(w.ui->KLNOutStartEdit->text(), shown);
    QCOMPARE(w.ui->KLNOutLengthEdit->text(), shown);
    QCOMPARE(w.ui->KB_cmb->currentIndex(), countryIndex);
    QVERIFY(w.ui->KB_cmb->isEnabled());
}

void TestSettingsRead::droppedAffixAnswerKeepsTheEdit_data()
{
    QTest::addColumn<bool>("badChecksum");
    QTest::newRow("wrong checksum") << true;
    QTest::newRow("count 32") << false;
}

void TestSettingsRead::droppedAffixAnswerKeepsTheEdit()
{
    QFETCH(bool, badChecksum);
    FastPauses fast;
    MainWindow w;
    connectAndMark(w);
    model().setSettings([] { VirtualReader::Settings s; s.options = 0x3F; s.pre = "new"; return s; }());
    setFaults([&](VirtualReader::Faults &f) {
        f.badChecksum = badChecksum;
        f.countAbove31 = !badChecksum;
    });
    DebugCapture debug;
    const auto boxes = read(w);
    QCOMPARE(boxes.size(), 1);
    QCOMPARE(boxes.first().text, Success);  // the read goes on past a dropped answer
    QCOMPARE(model().receivedFrames().size(), 4);
    QCOMPARE(w.ui->PreAmbleEdit->text(), QString("pre before"));
    QCOMPARE(w.ui->PostAmbleEdit->text(), QString("post before"));
    QCOMPARE(w.ui->RemoveDataEdit->text(), QString("remove before"));
    QVERIFY(w.ui->RemoveIDCodeChk->isChecked());  // the status answer still came through
    if (!badChecksum)
        QVERIFY(debug.contains("PreAmble Len=32 6e 65 77 41"));
}

void TestSettingsRead::failedExchangeEndsTheReadWithItsMessage_data()
{
    QTest::addColumn<int>("fault");
    QTest::addColumn<int>("frames");
    QTest::addColumn<QString>("message");
    QTest::newRow("no answer") << 0 << 1 << "Get F/W version fail, please retry.";
    QTest::newRow("reads fail") << 1 << 1 << "Get F/W version fail, please retry.";
    QTest::newRow("answers too late") << 2 << 1 << "Get F/W version fail, please retry.";
    QTest::newRow("pulled out after the status") << 3 << 2 << "Get PreAmble fail, please retry.";
    QTest::newRow("pulled out after the preamble") << 4 << 3 << "Get PostAmble fail, please retry.";
    QTest::newRow("pulled out after the postamble") << 5 << 4 << "Get RemoveData fail, please retry.";
}

void TestSettingsRead::failedExchangeEndsTheReadWithItsMessage()
{
    QFETCH(int, fault);
    QFETCH(int, frames);
    QFETCH(QString, message);
    FastPauses fast;
    MainWindow w;
    connectAndMark(w);
    model().setSettings([] { VirtualReader::Settings s; s.options = 0x3F; s.pre = "new"; s.post = "p2"; return s; }());
    setFaults([&](VirtualReader::Faults &f) {
        f.noAnswer = fault == 0;
        f.failReads = fault == 1;
        f.lateReads = fault == 2 ? 50 : 0;
        if (fault >= 3)
            f.vanishAfterWrites = fault - 1;  // the write goes out, its answer never comes
    });
    DebugCapture debug;
    QElapsedTimer timer;
    timer.start();
    const auto boxes = read(w);
    // About ten reads with a tenth of each pause: far below what a wait for ever would take.
    QVERIFY2(timer.elapsed() < 10000, qPrintable(QString::number(timer.elapsed())));
    QCOMPARE(boxes.size(), 1);
    QCOMPARE(boxes.first().title, QString("Read Status"));
    QCOMPARE(boxes.first().text, message);
    QCOMPARE(model().receivedFrames().size(), frames);
    const int reads = debug.lines().filter(QRegularExpression("^Read = ")).size();
    QVERIFY(reads >= 2 && reads <= (frames - 1) + 12);
    if (fault == 1)
        QVERIFY(debug.contains("Unable to read PreAmble Data \n"));
    // What came before the failure stays, what comes after keeps its old text.
    QCOMPARE(w.ui->FWLbl->text() == "before", fault < 3);
    QCOMPARE(w.ui->PreAmbleEdit->text() == "new", fault >= 4);
    QCOMPARE(w.ui->PostAmbleEdit->text() == "p2", fault >= 5);
    QCOMPARE(w.ui->RemoveDataEdit->text(), QString("remove before"));
}

void TestSettingsRead::staleAnswerIsSkipped()
{
    FastPauses fast;
    MainWindow w;
    connectAndMark(w);
    model().setSettings([] { VirtualReader::Settings s; s.pre = "fresh"; s.outputStart = 7; return s; }());
    setFaults([](VirtualReader::Faults &f) { f.staleFirst = true; });
    fast.clear();
    DebugCapture debug;
    const auto boxes = read(w);
    QCOMPARE(boxes.size(), 1);
    QCOMPARE(boxes.first().text, Success);
    QCOMPARE(w.ui->PreAmbleEdit->text(), QString("fresh"));
    QCOMPARE(w.ui->KLNOutStartEdit->text(), QString("7"));
    // Requests 6 to 9: each first read brings the answer to the one before (complement + 1).
    const QStringList reads = debug.lines().filter(QRegularExpression("^Read = "));
    QCOMPARE(reads.size(), 8);
    QCOMPARE(reads[0], QString("Read = fa 0 0"));
    QCOMPARE(reads[1], QString("Read = f9 0 0"));
    QCOMPARE(fast.requested().size(), 8);
}

void TestSettingsRead::writeIsRetriedThreeTimes()
{
    FastPauses fast;
    MainWindow w;
    connectAndMark(w);
    {
        // One failed write: logged, written again, and the read goes through.
        setFaults([](VirtualReader::Faults &f) { f.failWriteNumber = 1; });
        DebugCapture debug;
        const auto boxes = read(w);
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes.first().text, Success);
        QCOMPARE(debug.count("Unable to write Get Attach PreAmble Data command\n"), 1);
        QVERIFY(debug.contains("Error: write failed: broken pipe\n"));
        QCOMPARE(model().hidWriteAttempts(), 5);
    }
    {
        // Every write fails: three retries are logged, a fourth write is made, nothing is read.
        model().clearReceived();
        fast.clear();
        setFaults([](VirtualReader::Faults &f) { f.failAllWrites = true; });
        DebugCapture debug;
        const auto boxes = read(w);
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes.first().text, QString("Get F/W version fail, please retry."));
        QCOMPARE(model().hidWriteAttempts(), 4);
        QCOMPARE(debug.count("Unable to write Get Attach PreAmble Data command\n"), 3);
        QCOMPARE(debug.lines().filter(QRegularExpression("^Read = ")).size(), 0);
        QVERIFY(fast.requested().isEmpty());
    }
}

void TestSettingsRead::readWithoutLinkReportsSuccessAndChangesNothing()
{
    FastPauses fast;
    MainWindow w;
    w.ui->PreAmbleEdit->setText("untouched");
    ModalCloser closer;
    w.GetKLNValueClick();
    QCOMPARE(closer.count(), 1);
    QCOMPARE(closer.last().text, Success);
    QCOMPARE(w.ui->PreAmbleEdit->text(), QString("untouched"));
    QCOMPARE(w.link.frameSequence, quint8(1));
    QVERIFY(model().receivedFrames().isEmpty());
}

QTEST_MAIN(TestSettingsRead)
#include "tst_settings_read.moc"
