#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSerialPort>
#include <QTimer>
#include <QtTest>

#include "window/app/mainwindow.h"
#include "core/platform/platform.h"
#include "core/protocol/frames.h"
#include "reader_fixture.h"
#include "reader_model.h"
#include "serial_endpoint.h"
#include "test_support.h"
#include "window/ui/ui_mainwindow.h"
#include "window_probe.h"

using ReaderFixture::Reader;
using VirtualReader::Model;

namespace {

const QString Done = QStringLiteral("Successfully set Keylon set value");

// The frames as the reader took them, one line of hex each; with `asReports` the frames are
// USB HID reports: behind the report ID, zeros up to 65 bytes.
QString hexLines(const QList<QByteArray> &frames, bool asReports = false)
{
    QStringList lines;
    for (QByteArray frame : frames) {
        if (asReports)
            frame = QByteArray(1, '\0') + frame + QByteArray(64 - frame.size(), '\0');
        lines << QString::fromLatin1(frame.toHex(' '));
    }
    return lines.join('\n');
}

QList<QByteArray> fromHex(const QStringList &hex)
{
    QList<QByteArray> frames;
    for (const QString &h : hex)
        frames << QByteArray::fromHex(h.toLatin1());
    return frames;
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

    ReaderFixture::Bench bench;

    // Connected over the transport, the page filled, nothing received and no pause asked yet.
    void connectAndFill(Reader &reader, MainWindow &window, bool serial, bool allTicked, const QString &start,
                        int country = 0, const QString &pre = {}, const QString &post = {},
                        const QString &remove = {})
    {
        window.show();
        QVERIFY(reader.connect(window, serial));
        fillPage(uiOf(window), allTicked, start, "8", country, pre, post, remove);
        Model::instance().clearReceived();
        bench.pauses().clear();
    }

private slots:
    void init() { bench.start(); }
    void cleanup() { bench.stop(); }

    void shouldWriteTheWholePage_data()
    {
        QTest::addColumn<bool>("serial");
        QTest::addColumn<bool>("ticked");
        QTest::addColumn<int>("country");
        QTest::addColumn<QString>("pre");
        QTest::addColumn<QString>("post");
        QTest::addColumn<QStringList>("frames");
        const QStringList end = {"1b422900", "1b428055aa55aa0d"};
        QTest::newRow("USB HID, all ticked, German") << false << true << 3 << "" << ""
            << QStringList{"1b4202013f00000d", "1b4210010008000d", "1b4203010300000d", "1b422100", "1b422500"} + end;
        QTest::newRow("serial, the same page without the country") << true << true << 3 << "" << ""
            << QStringList{"1b4202013f00000d", "1b4210010008000d", "1b422100", "1b422500"} + end;
        QTest::newRow("USB HID, control names") << false << false << 0 << "[STX]A" << "[CR]"
            << QStringList{"1b4202010000000d", "1b4210010008000d", "1b4203010000000d", "1b4221020241", "1b4225010d"} + end;
    }
    void shouldWriteTheWholePage()
    {
        QFETCH(bool, serial);
        QFETCH(bool, ticked);
        QFETCH(int, country);
        QFETCH(QString, pre);
        QFETCH(QString, post);
        QFETCH(QStringList, frames);
        Reader reader;
        MainWindow window;
        connectAndFill(reader, window, serial, ticked, "0", country, pre, post);
        DebugCapture debug;
        ModalCloser closer;
        bool hadDefaultButton = true;
        closer.setInspector([&](QMessageBox *box) { hadDefaultButton = box->defaultButton() != nullptr; });
        window.SetKLNValueClick();

        QCOMPARE(closer.count(), 1);
        QVERIFY(!hadDefaultButton);
        QCOMPARE(closer.last().title, QString("Setting Keylon"));
        QCOMPARE(closer.last().text, Done);
        QCOMPARE(closer.last().icon, QMessageBox::Information);
        QCOMPARE(closer.last().buttons, QMessageBox::StandardButtons(QMessageBox::Yes));
        QVERIFY(!closer.last().hadParent);

        const QList<QByteArray> expected = fromHex(frames);
        if (serial) {
            QVERIFY(ReaderFixture::waitForSerialBytes(expected.join().size()));
            QCOMPARE(Model::instance().serialBytesReceived().toHex(' '), expected.join().toHex(' '));
            QVERIFY(debug.contains("RS232 RemoveDataEdit Start"));
            QVERIFY(serialPortOf(window)->isOpen());
        }
        QCOMPARE(hexLines(Model::instance().receivedFrames()), hexLines(expected, !serial));
        QCOMPARE(bench.pauses().requested(), QList<unsigned>{300});
        // Only the literal characters of an affix are logged, never a control name.
        QCOMPARE(debug.count("PreVal=41"), pre.isEmpty() ? 0 : 1);
        QVERIFY(debug.lines().filter("PosVal=").isEmpty());
        QVERIFY(linkOf(window).connected);
        QVERIFY(window.isVisible());
        QVERIFY(uiOf(window)->SetKLNStatusBut->isEnabled());
        const auto saved = Model::instance().savedSettings();
        QCOMPARE(saved.options, quint8(ticked ? 0x3F : 0));
        QCOMPARE(saved.outputLength, quint8(8));
        QCOMPARE(saved.kbCountry, quint8(serial ? 0 : country));
    }

    void shouldSendPageForTheOtherInterfaceThenSwitchAndClose()
    {
        Reader reader;
        MainWindow window;
        connectAndFill(reader, window, true, false, "0", 0, "AB");
        linkOf(window).interfaceSetting = 0;  // as an imported file for the USB keyboard leaves it

        const QByteArray beforeChange = fromHex({"1b4202010000000d", "1b4210010008000d", "1b42300021024142",
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
        QPointer<QTimer> pollTimer = linkOf(window).pollTimer;
        ModalCloser closer;
        bool windowShownUnderBox = true;
        closer.setInspector([&](QMessageBox *) { windowShownUnderBox = window.isVisible(); });
        window.SetKLNValueClick();

        QCOMPARE(pausesAsked, QList<unsigned>{300});
        QCOMPARE(lineAtPause.toHex(' '), beforeChange.toHex(' '));
        QVERIFY(ReaderFixture::waitForSerialBytes(beforeChange.size() + change.size()));
        QCOMPARE(Model::instance().serialBytesReceived().toHex(' '), (beforeChange + change).toHex(' '));
        QVERIFY(pollTimer.isNull());
        QVERIFY(!linkOf(window).pollTimer);
        QVERIFY(!serialPortOf(window)->isOpen());
        QVERIFY(!linkOf(window).connected);
        QVERIFY(!uiOf(window)->SetKLNStatusBut->isEnabled());
        QVERIFY(!window.isVisible());
        QCOMPARE(closer.count(), 1);
        QCOMPARE(closer.last().text, Done);
        QVERIFY(!windowShownUnderBox);  // the window goes first, the box follows

        // The reader took the affixes for the keyboard interface it is switching to.
        QTRY_COMPARE(Model::instance().currentInterface(), VirtualReader::Interface::UsbKeyboard);
        QCOMPARE(Model::instance().interfaceSettings(VirtualReader::Interface::UsbKeyboard).pre, QByteArray("AB"));
    }

    void shouldDropTheUsbLinkWhenThePageNamesSerial()
    {
        Reader reader;
        MainWindow window;
        connectAndFill(reader, window, false, false, "0", 0, "Z");
        linkOf(window).interfaceSetting = 1;
        ModalCloser closer;
        window.SetKLNValueClick();

        const QList<QByteArray> frames = Model::instance().receivedFrames();
        QCOMPARE(frames.size(), 8);
        QCOMPARE(frames[3].left(8).toHex(' '), QByteArray::fromHex("001b42300121015a").toHex(' '));
        QCOMPARE(hexLines(frames.mid(7)), hexLines({Frames::keyedFrame(CmdChangeInterface)}, true));
        QVERIFY(!linkOf(window).hidDevice);
        QVERIFY(!linkOf(window).connected);
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
        connectAndFill(reader, window, false, false, text);
        uiOf(window)->KLNOutLengthEdit->setText("255");
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
        connectAndFill(reader, window, false, true, "1", 1, "P", "Q");
        Model::instance().setFaults([] { VirtualReader::Faults f; f.failWriteNumber = 5; return f; }());  // the postamble
        DebugCapture debug;
        ModalCloser closer;
        window.SetKLNValueClick();
        QTest::qWait(100);

        const QList<QByteArray> frames = Model::instance().receivedFrames();
        QCOMPARE(frames.size(), 4);
        QCOMPARE(frames[0].mid(1, 3), QByteArray::fromHex("1b4202"));
        QCOMPARE(frames[3].mid(1, 5), QByteArray::fromHex("1b42210150"));
        QCOMPARE(closer.count(), 1);
        QCOMPARE(closer.last().text,
                 QString("Writing to the reader failed at the postamble; the reader did not save the page."));
        QVERIFY(bench.pauses().requested().isEmpty());
        QCOMPARE(debug.count("Unable to write()\n"), 1);
        QCOMPARE(debug.lines().filter(QRegularExpression("^Error: .*\n$")).size(), 1);
        QVERIFY(linkOf(window).connected);
        QVERIFY(linkOf(window).hidDevice);
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
        // Control names count as one code each.
        connectAndFill(reader, window, serial, true, "0", 0, QString("[CR]").repeated(preCodes), "",
                       QString("x").repeated(removeCodes));
        QTest::qWait(200);  // nothing of the connect's read still on its way
        Model::instance().clearReceived();
        ModalCloser closer;
        window.SetKLNValueClick();
        QTest::qWait(200);  // time for anything sent to arrive

        QCOMPARE(closer.count(), 1);
        QCOMPARE(closer.last().title, QString("Setting Keylon"));
        QCOMPARE(closer.last().icon, QMessageBox::Warning);
        QVERIFY2(closer.last().text.startsWith(named), qPrintable(closer.last().text));
        QVERIFY(closer.last().text.contains("at most 31"));
        QVERIFY(Model::instance().receivedFrames().isEmpty());
        QVERIFY(Model::instance().serialBytesReceived().isEmpty());
        QVERIFY(bench.pauses().requested().isEmpty());
        QVERIFY(linkOf(window).connected);
    }

    // What was written is what the next connect shows.
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
        const QString pre = "[STX]" + QString("x").repeated(30);  // 31 codes, the most a read takes
        connectAndFill(reader, window, serial, true, "3", 2, pre, "[CR][LF]", "OUT[ETX]");
        Ui::MainWindow *ui = uiOf(window);
        ui->KLNOutLengthEdit->setText("12");
        const QList<QCheckBox *> boxes = {ui->PreAmbleChk, ui->PostAmbleChk, ui->RemoveDataChk,
                                          ui->RemoveIDCodeChk, ui->AutoReportChk, ui->BuzzerEnableChk};
        const QList<bool> ticked = {true, false, true, false, false, true};
        for (int i = 0; i < boxes.size(); ++i)
            boxes[i]->setChecked(ticked[i]);
        {
            ModalCloser closer;
            window.SetKLNValueClick();
            QCOMPARE(closer.count(), 1);
        }

        ui->ConnectBut->click();  // disconnect
        QVERIFY(!linkOf(window).connected);
        fillPage(ui, false, "", "", 0);
        QVERIFY(reader.connect(window, serial));
        QCOMPARE(reader.outcome.lastText(), QString("Successfully obtained Keylon the set value"));
        for (int i = 0; i < boxes.size(); ++i)
            QVERIFY2(boxes[i]->isChecked() == ticked[i], qPrintable(boxes[i]->objectName()));
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
