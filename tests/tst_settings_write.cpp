#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSerialPort>
#include <QTimer>
#include <QtTest>

#include "app/mainwindow.h"
#include "platform/platform.h"
#include "protocol/frames.h"
#include "reader_fixture.h"
#include "reader_model.h"
#include "serial_endpoint.h"
#include "test_support.h"
#include "ui/ui_mainwindow.h"

using ReaderFixture::Reader;
using VirtualReader::Model;

namespace {

QList<QByteArray> hexList(const QStringList &hex)
{
    QList<QByteArray> frames;
    for (const QString &h : hex)
        frames << QByteArray::fromHex(h.toLatin1());
    return frames;
}

// The frames as USB HID reports: the frame behind the report ID, zeros up to 65 bytes.
QList<QByteArray> asReports(const QList<QByteArray> &frames)
{
    QList<QByteArray> reports;
    for (const QByteArray &frame : frames) {
        QByteArray report(65, '\0');
        report.replace(1, frame.size(), frame);
        reports << report;
    }
    return reports;
}

QString hexLines(const QList<QByteArray> &frames)
{
    QStringList lines;
    for (const QByteArray &frame : frames)
        lines << QString::fromLatin1(frame.toHex(' '));
    return lines.join('\n');
}

void fillPage(Ui::MainWindow *ui, bool allTicked, const QString &start, const QString &length, int country,
              const QString &pre = {}, const QString &post = {}, const QString &remove = {})
{
    for (QCheckBox *box : {ui->RemoveDataChk, ui->PostAmbleChk, ui->PreAmbleChk, ui->AutoReportChk,
                           ui->BuzzerEnableChk, ui->RemoveIDCodeChk})
        box->setChecked(allTicked);
    ui->KLNOutStartEdit->setText(start);
    ui->KLNOutLengthEdit->setText(length);
    ui->KB_cmb->setCurrentIndex(country);
    ui->PreAmbleEdit->setText(pre);
    ui->PostAmbleEdit->setText(post);
    ui->RemoveDataEdit->setText(remove);
}

}  // namespace

class SettingsWriteTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<FastPauses> pauses;  // every test: the connects pause too

private slots:
    void init()
    {
        Model::instance().reset();
        Platform::resetSeams();
        pauses.reset(new FastPauses);
    }
    void cleanup() { pauses.reset(); }

    // ---- what the reader receives ----

    void shouldWriteTheWholePageOverUsbHid()
    {
        Reader reader;
        MainWindow window;
        window.show();
        QVERIFY(reader.connect(window, false));
        fillPage(window.ui, true, "0", "8", 3);
        Model::instance().clearReceived();
        pauses->clear();
        ModalCloser closer;
        bool hadDefaultButton = true;
        closer.setInspector([&](QMessageBox *box) { hadDefaultButton = box->defaultButton() != nullptr; });
        window.SetKLNValueClick();

        QCOMPARE(closer.count(), 1);
        QVERIFY(!hadDefaultButton);
        QCOMPARE(closer.last().title, QString("Setting Keylon"));
        QCOMPARE(closer.last().text, QString("Successfully set Keylon set value"));
        QCOMPARE(closer.last().icon, QMessageBox::Information);
        QCOMPARE(closer.last().buttons, QMessageBox::StandardButtons(QMessageBox::Yes));
        QVERIFY(!closer.last().hadParent);

        const QList<QByteArray> expected = asReports(hexList({"1b4202013f00000d", "1b4210010008000d",
                                                              "1b4203010300000d", "1b422100", "1b422500",
                                                              "1b422900", "1b428055aa55aa0d"}));
        QCOMPARE(hexLines(Model::instance().receivedFrames()), hexLines(expected));
        QCOMPARE(pauses->requested(), QList<unsigned>{300});
        QVERIFY(window.link.connected);
        QVERIFY(window.isVisible());
        QVERIFY(window.ui->SetKLNStatusBut->isEnabled());

        const auto saved = Model::instance().savedSettings();
        QCOMPARE(saved.options, quint8(0x3F));
        QCOMPARE(saved.outputLength, quint8(8));
        QCOMPARE(saved.kbCountry, quint8(3));
    }

    void shouldWriteTheSamePageOverSerialWithoutCountry()
    {
        Reader reader;
        MainWindow window;
        window.show();
        QVERIFY(reader.connect(window, true));
        fillPage(window.ui, true, "0", "8", 3);
        Model::instance().clearReceived();
        pauses->clear();
        DebugCapture debug;
        ModalCloser closer;
        window.SetKLNValueClick();

        QCOMPARE(closer.count(), 1);
        QCOMPARE(closer.last().text, QString("Successfully set Keylon set value"));
        const QList<QByteArray> expected = hexList({"1b4202013f00000d", "1b4210010008000d", "1b422100",
                                                    "1b422500", "1b422900", "1b428055aa55aa0d"});
        QVERIFY(ReaderFixture::waitForSerialBytes(36));
        QCOMPARE(Model::instance().serialBytesReceived().toHex(' '), expected.join().toHex(' '));
        QCOMPARE(hexLines(Model::instance().receivedFrames()), hexLines(expected));
        QCOMPARE(pauses->requested(), QList<unsigned>{300});
        QVERIFY(debug.contains("RS232 RemoveDataEdit Start"));
        QVERIFY(window.link.connected);
        QVERIFY(window.serialPort->isOpen());
        QVERIFY(window.isVisible());
    }

    void shouldSendControlNamesAsTheirCodes()
    {
        Reader reader;
        MainWindow window;
        QVERIFY(reader.connect(window, false));
        fillPage(window.ui, false, "0", "8", 0, "[STX]A", "[CR]");
        Model::instance().clearReceived();
        DebugCapture debug;
        ModalCloser closer;
        window.SetKLNValueClick();

        const QList<QByteArray> frames = Model::instance().receivedFrames();
        QCOMPARE(frames.size(), 7);
        QCOMPARE(frames[3].toHex(' '), asReports({QByteArray::fromHex("1b4221020241")})[0].toHex(' '));
        QCOMPARE(frames[4].toHex(' '), asReports({QByteArray::fromHex("1b4225010d")})[0].toHex(' '));
        // Only the literal character is logged, never the token.
        QCOMPARE(debug.count("PreVal=41"), 1);
        QVERIFY(!debug.lines().filter("PosVal=").size());
    }

    void shouldSendPageForTheOtherInterfaceThenSwitchAndClose()
    {
        Reader reader;
        MainWindow window;
        window.show();
        QVERIFY(reader.connect(window, true));
        fillPage(window.ui, false, "0", "8", 0, "AB");
        window.link.interfaceSetting = 0;  // as an imported file for the USB keyboard leaves it
        Model::instance().clearReceived();

        const QByteArray beforeChange = hexList({"1b4202010000000d", "1b4210010008000d", "1b42300021024142",
                                                 "1b4230002500", "1b4230002900", "1b428055aa55aa0d"})
                                            .join();
        const QByteArray change = QByteArray::fromHex("1b42fd55aa55aa0d");
        // At the pause the save has reached the reader and the change has not been sent yet.
        QList<unsigned> pausesAsked;
        QByteArray lineAtPause;
        Platform::setSleepFunction([&](unsigned ms) {
            pausesAsked << ms;
            QDeadlineTimer deadline(5000);
            while (Model::instance().serialBytesReceived().size() < beforeChange.size() && !deadline.hasExpired())
                QThread::msleep(5);
            QThread::msleep(50);
            lineAtPause = Model::instance().serialBytesReceived();
        });
        QPointer<QTimer> pollTimer = window.link.pollTimer;
        ModalCloser closer;
        bool windowShownUnderBox = true;
        closer.setInspector([&](QMessageBox *) { windowShownUnderBox = window.isVisible(); });
        window.SetKLNValueClick();

        QCOMPARE(pausesAsked, QList<unsigned>{300});
        QCOMPARE(lineAtPause.toHex(' '), beforeChange.toHex(' '));
        QVERIFY(ReaderFixture::waitForSerialBytes(beforeChange.size() + change.size()));
        QCOMPARE(Model::instance().serialBytesReceived().toHex(' '), (beforeChange + change).toHex(' '));

        QVERIFY(pollTimer.isNull());
        QVERIFY(!window.link.pollTimer);
        QVERIFY(!window.serialPort->isOpen());
        QVERIFY(!window.link.connected);
        QVERIFY(!window.ui->SetKLNStatusBut->isEnabled());
        QVERIFY(!window.isVisible());
        QCOMPARE(closer.count(), 1);
        QCOMPARE(closer.last().text, QString("Successfully set Keylon set value"));
        QVERIFY(!windowShownUnderBox);  // the window goes first, the box follows

        // The reader took the affixes for the keyboard interface it is switching to.
        QTRY_COMPARE(Model::instance().currentInterface(), VirtualReader::Interface::UsbKeyboard);
        QCOMPARE(Model::instance().interfaceSettings(VirtualReader::Interface::UsbKeyboard).pre, QByteArray("AB"));
    }

    void shouldDropTheUsbLinkWhenThePageNamesSerial()
    {
        Reader reader;
        MainWindow window;
        window.show();
        QVERIFY(reader.connect(window, false));
        fillPage(window.ui, false, "0", "8", 0, "Z");
        window.link.interfaceSetting = 1;
        Model::instance().clearReceived();
        ModalCloser closer;
        window.SetKLNValueClick();

        const QList<QByteArray> frames = Model::instance().receivedFrames();
        QCOMPARE(frames.size(), 8);
        QCOMPARE(frames[3].left(8).toHex(' '), QByteArray::fromHex("001b42300121015a").toHex(' '));
        QCOMPARE(frames[7].toHex(' '), asReports({Frames::keyedFrame(CmdChangeInterface)})[0].toHex(' '));
        QVERIFY(!window.link.hidDevice);
        QVERIFY(!window.link.connected);
        QVERIFY(!window.isVisible());
        QCOMPARE(closer.count(), 1);
    }

    void shouldCutNumbersToOneByte_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("logged");
        QTest::addColumn<int>("sent");
        QTest::newRow("300") << "300" << 300 << 0x2C;
        QTest::newRow("-1") << "-1" << -1 << 0xFF;
        QTest::newRow("not a number") << "abc" << 0 << 0x00;
        QTest::newRow("hexadecimal is not decimal") << "0x10" << 0 << 0x00;
    }
    void shouldCutNumbersToOneByte()
    {
        QFETCH(QString, text);
        QFETCH(int, logged);
        QFETCH(int, sent);
        Reader reader;
        MainWindow window;
        QVERIFY(reader.connect(window, false));
        fillPage(window.ui, false, text, "255", 0);
        Model::instance().clearReceived();
        DebugCapture debug;
        ModalCloser closer;
        window.SetKLNValueClick();

        QVERIFY(debug.contains(QString("t1num: %1").arg(logged)));
        QVERIFY(debug.contains("t2num: 255"));
        const QByteArray output = Model::instance().receivedFrames().value(1);
        QCOMPARE(output.mid(1, 8).toHex(' '),
                 QByteArray::fromHex("1b421001").append(char(sent)).append("\xff\x00\x0d", 3).toHex(' '));
    }

    void shouldStopAtAFailingUsbWriteWithoutSaving()
    {
        Reader reader;
        MainWindow window;
        window.show();
        QVERIFY(reader.connect(window, false));
        fillPage(window.ui, true, "1", "8", 1, "P", "Q", "");
        Model::instance().clearReceived();
        VirtualReader::Faults faults;
        faults.failWriteNumber = 5;  // the postamble
        Model::instance().setFaults(faults);
        pauses->clear();
        DebugCapture debug;
        ModalCloser closer;
        window.SetKLNValueClick();
        QTest::qWait(100);

        const QList<QByteArray> frames = Model::instance().receivedFrames();
        QCOMPARE(frames.size(), 4);
        QCOMPARE(frames[0].mid(1, 3), QByteArray::fromHex("1b4202"));
        QCOMPARE(frames[3].mid(1, 5), QByteArray::fromHex("1b42210150"));
        QCOMPARE(closer.count(), 0);
        QVERIFY(pauses->requested().isEmpty());
        QCOMPARE(debug.count("Unable to write()\n"), 1);
        QCOMPARE(debug.lines().filter(QRegularExpression("^Error: .*\n$")).size(), 1);
        QVERIFY(window.link.connected);
        QVERIFY(window.link.hidDevice);
        QVERIFY(window.isVisible());
        QCOMPARE(Model::instance().savedSettings().pre, QByteArray());
    }

    void shouldRefuseAnAffixTheReaderCannotGiveBack_data()
    {
        QTest::addColumn<bool>("serial");
        QTest::addColumn<int>("preCodes");
        QTest::addColumn<int>("removeCodes");
        QTest::addColumn<QString>("named");
        QTest::newRow("32 codes, USB HID") << false << 32 << 0 << "The PreAmble has 32 codes";
        QTest::newRow("70 codes, USB HID") << false << 0 << 70 << "The Remove Data has 70 codes";
        QTest::newRow("both too long, serial") << true << 32 << 70
                                               << "The PreAmble has 32 codes; the Remove Data has 70 codes; the reader keeps at most 31. Nothing was sent.";
    }
    void shouldRefuseAnAffixTheReaderCannotGiveBack()
    {
        QFETCH(bool, serial);
        QFETCH(int, preCodes);
        QFETCH(int, removeCodes);
        QFETCH(QString, named);
        Reader reader;
        MainWindow window;
        QVERIFY(reader.connect(window, serial));
        // Control names count as one code each.
        fillPage(window.ui, true, "0", "8", 0, QString("[CR]").repeated(preCodes), "",
                 QString("x").repeated(removeCodes));
        QTest::qWait(200);
        Model::instance().clearReceived();
        pauses->clear();
        ModalCloser closer;
        window.SetKLNValueClick();
        QTest::qWait(200);

        QCOMPARE(closer.count(), 1);
        QCOMPARE(closer.last().title, QString("Setting Keylon"));
        QCOMPARE(closer.last().icon, QMessageBox::Warning);
        QVERIFY2(closer.last().text.startsWith(named), qPrintable(closer.last().text));
        QVERIFY(closer.last().text.contains("at most 31"));
        QVERIFY(Model::instance().receivedFrames().isEmpty());
        QVERIFY(Model::instance().serialBytesReceived().isEmpty());
        QVERIFY(pauses->requested().isEmpty());
        QVERIFY(window.link.connected);
    }

    // ---- round trip: what was written is what the next connect shows ----

    void shouldReadBackWhatWasWritten_data()
    {
        QTest::addColumn<bool>("serial");
        QTest::newRow("USB HID") << false;
        QTest::newRow("serial") << true;
    }
    void shouldReadBackWhatWasWritten()
    {
        QFETCH(bool, serial);
        Reader reader;
        MainWindow window;
        window.show();
        const auto connect = [&] { return reader.connect(window, serial); };
        QVERIFY(connect());

        Ui::MainWindow *ui = window.ui;
        ui->PreAmbleChk->setChecked(true);
        ui->PostAmbleChk->setChecked(false);
        ui->RemoveDataChk->setChecked(true);
        ui->RemoveIDCodeChk->setChecked(false);
        ui->AutoReportChk->setChecked(false);
        ui->BuzzerEnableChk->setChecked(true);
        ui->KLNOutStartEdit->setText("3");
        ui->KLNOutLengthEdit->setText("12");
        ui->KB_cmb->setCurrentIndex(2);
        const QString pre = "[STX]" + QString("x").repeated(30);  // 31 codes, the most a read takes
        ui->PreAmbleEdit->setText(pre);
        ui->PostAmbleEdit->setText("[CR][LF]");
        ui->RemoveDataEdit->setText("OUT[ETX]");
        {
            ModalCloser closer;
            window.SetKLNValueClick();
            QCOMPARE(closer.count(), 1);
        }

        ui->ConnectBut->click();  // disconnect
        QVERIFY(!window.link.connected);
        fillPage(ui, false, "", "", 0);
        QVERIFY(connect());
        QCOMPARE(reader.outcome.lastText(), QString("Successfully obtained Keylon the set value"));

        QVERIFY(ui->PreAmbleChk->isChecked());
        QVERIFY(!ui->PostAmbleChk->isChecked());
        QVERIFY(ui->RemoveDataChk->isChecked());
        QVERIFY(!ui->RemoveIDCodeChk->isChecked());
        QVERIFY(!ui->AutoReportChk->isChecked());
        QVERIFY(ui->BuzzerEnableChk->isChecked());
        QCOMPARE(ui->KLNOutStartEdit->text(), QString("3"));
        QCOMPARE(ui->KLNOutLengthEdit->text(), QString("12"));
        if (!serial)  // the serial reader has no way to tell its keyboard country
            QCOMPARE(ui->KB_cmb->currentIndex(), 2);
        QCOMPARE(ui->PreAmbleEdit->text(), pre);
        QCOMPARE(ui->PostAmbleEdit->text(), QString("[CR][LF]"));
        QCOMPARE(ui->RemoveDataEdit->text(), QString("OUT[ETX]"));
        QCOMPARE(Model::instance().savedSettings().kbCountry, quint8(serial ? 0 : 2));
    }
};

QTEST_MAIN(SettingsWriteTest)
#include "tst_settings_write.moc"
