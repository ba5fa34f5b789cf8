#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSerialPort>
#include <QTabWidget>
#include <QTextEdit>
#include <QTimer>
#include <QtTest>

#include "app/mainwindow.h"
#include "reader_fixture.h"
#include "reader_model.h"
#include "serial_endpoint.h"
#include "test_support.h"
#include "ui/ui_mainwindow.h"

namespace {

VirtualReader::Model &model() { return VirtualReader::Model::instance(); }

const QStringList ReaderControls = {
    "PreAmbleChk",     "PreAmbleEdit",    "PostAmbleChk",     "PostAmbleEdit",
    "RemoveDataChk",   "RemoveDataEdit",  "RemoveIDCodeChk",  "AutoReportChk",
    "BuzzerEnableChk", "KLNOutStartEdit", "KLNOutLengthEdit", "GetKLNStatusBut",
    "SetKLNStatusBut", "tabWidget",       "ScannerEdit",      "TrigBut",
    "ChangeModeBut",
};

bool showsIcon(MainWindow &w, const char *name)
{
    const QSize size(32, 32);
    const QImage expected = QIcon(QStringLiteral(":/image/") + name).pixmap(size).toImage();
    return !expected.isNull() && w.ui->ConnectBut->icon().pixmap(size).toImage() == expected;
}

// The 17 controls all enabled or all disabled.
bool controlsEnabled(MainWindow &w, bool on)
{
    for (const QString &name : ReaderControls) {
        auto *widget = w.findChild<QWidget *>(name);
        if (!widget || widget->isEnabled() != on)
            return false;
    }
    return true;
}

QList<QTimer *> pollTimers(MainWindow &w)
{
    return w.findChildren<QTimer *>(QString(), Qt::FindDirectChildrenOnly);
}

}  // namespace

class TestConnection : public QObject
{
    Q_OBJECT

private slots:
    void init() { ReaderFixture::resetReader(); }

    void enableControlsSwitchesTheSeventeenOnly();
    void hidConnectAndDisconnect();
    void hidConnectWithoutReaderFailsAndCanBeTriedAgain();
    void serialConnectDisconnectConnect();
    void serialConnectToMissingPortFails();
    void eachConnectDescribesItsOwnLink();
    void readerPluggedInAfterStartUpIsFound();
    void readerFoundAtStartUpIsOpenedByItsIds();
};

void TestConnection::enableControlsSwitchesTheSeventeenOnly()
{
    MainWindow w;
    const QList<QWidget *> all = w.findChildren<QWidget *>();
    for (QWidget *widget : all)
        widget->setEnabled(true);
    w.EnableControls(false);
    QStringList disabled;
    for (QWidget *widget : all)
        if (widget->testAttribute(Qt::WA_ForceDisabled))
            disabled << widget->objectName();
    disabled.sort();
    QStringList expected = ReaderControls;
    expected.sort();
    QCOMPARE(disabled, expected);
    w.EnableControls(true);
    QVERIFY(controlsEnabled(w, true));
}

void TestConnection::hidConnectAndDisconnect()
{
    FastPauses fast;
    MainWindow w;
    QVERIFY(showsIcon(w, "connect_creating.png"));
    QVERIFY(controlsEnabled(w, false));
    w.ui->KB_cmb->setEnabled(false);

    const auto outcome = ReaderFixture::connectOverHid(w);
    QVERIFY(outcome.connected);
    QCOMPARE(outcome.boxes.size(), 1);
    QVERIFY(w.link.hidDevice);
    QVERIFY(w.link.hidActive);
    QVERIFY(showsIcon(w, "connect_established.png"));
    QVERIFY(controlsEnabled(w, true));
    QCOMPARE(w.ui->ChangeModeBut->text(), QString("to Serial"));
    QCOMPARE(w.ui->CodeType_lbl->text(), QString("ASCII Code"));
    QCOMPARE(model().receivedFrames().size(), 4);  // the settings were read at once

    DebugCapture debug;
    ModalCloser closer;
    w.ui->ConnectBut->click();
    QCOMPARE(closer.count(), 0);
    QVERIFY(!w.link.connected);
    QVERIFY(!w.link.hidDevice);
    QVERIFY(debug.contains("Z400_Device disconnect"));
    QVERIFY(showsIcon(w, "connect_creating.png"));
    QVERIFY(controlsEnabled(w, false));
    // The texts the connect gave stay; the flag says which link the window last had.
    QCOMPARE(w.ui->ChangeModeBut->text(), QString("to Serial"));
    QCOMPARE(w.ui->CodeType_lbl->text(), QString("ASCII Code"));
    QVERIFY(w.link.hidActive);

    // And connects again on the next click.
    QVERIFY(ReaderFixture::connectOverHid(w).connected);
    QVERIFY(showsIcon(w, "connect_established.png"));
}

void TestConnection::hidConnectWithoutReaderFailsAndCanBeTriedAgain()
{
    model().setHidProductId(0);
    FastPauses fast;
    MainWindow w;
    for (int attempt = 0; attempt < 2; ++attempt) {
        DebugCapture debug;
        const auto outcome = ReaderFixture::connectOverHid(w);
        QVERIFY(!outcome.connected);
        QVERIFY(outcome.boxes.isEmpty());
        QVERIFY(debug.contains("unable to open USB HID device\n"));
        QVERIFY(showsIcon(w, "connect_no.png"));
        QVERIFY(controlsEnabled(w, false));
        QVERIFY(!w.link.hidDevice);
        QVERIFY(!w.link.hidActive);
    }
    model().setHidProductId(0xF100);
    const auto outcome = ReaderFixture::connectOverHid(w);
    QVERIFY(outcome.connected);
    QVERIFY(showsIcon(w, "connect_established.png"));
    QVERIFY(controlsEnabled(w, true));
}

void TestConnection::serialConnectDisconnectConnect()
{
    VirtualReader::SerialEndpoint endpoint(model());
    QVERIFY(ReaderFixture::startSerialReader(endpoint));
    FastPauses fast;
    MainWindow w;

    QVERIFY(ReaderFixture::connectOverSerial(w, endpoint).connected);
    QPointer<QSerialPort> firstPort = w.serialPort;
    QPointer<QTimer> firstTimer = w.link.pollTimer;
    QVERIFY(firstPort && firstPort->isOpen());
    QCOMPARE(firstPort->baudRate(), 9600);
    QCOMPARE(firstPort->dataBits(), QSerialPort::Data8);
    QCOMPARE(firstPort->parity(), QSerialPort::NoParity);
    QCOMPARE(firstPort->stopBits(), QSerialPort::OneStop);
    QCOMPARE(firstPort->flowControl(), QSerialPort::NoFlowControl);
    QVERIFY(!firstPort->parent());
    QVERIFY(firstTimer && firstTimer->isActive());
    QCOMPARE(firstTimer->interval(), 100);
    QCOMPARE(pollTimers(w), QList<QTimer *>({firstTimer.data()}));
    QVERIFY(w.link.serialActive);
    QCOMPARE(w.link.interfaceSetting, quint8(1));
    QVERIFY(showsIcon(w, "connect_established.png"));
    QVERIFY(controlsEnabled(w, true));
    QCOMPARE(w.ui->ChangeModeBut->text(), QString("to USB KB"));

    DebugCapture debug;
    w.ui->ConnectBut->click();
    QVERIFY(debug.contains("KLN2_Device disconnect"));
    QVERIFY(!firstTimer);  // deleted
    QVERIFY(!w.link.pollTimer);
    QVERIFY(pollTimers(w).isEmpty());
    QVERIFY(firstPort && !firstPort->isOpen());  // closed, the object stays
    QVERIFY(showsIcon(w, "connect_creating.png"));
    QVERIFY(controlsEnabled(w, false));
    QCOMPARE(w.ui->ChangeModeBut->text(), QString("to USB KB"));

    QVERIFY(ReaderFixture::connectOverSerial(w, endpoint).connected);
    QVERIFY(!firstPort);  // replaced, and the old one gone
    QVERIFY(w.serialPort && w.serialPort->isOpen());
    QCOMPARE(pollTimers(w).size(), 1);
    QVERIFY(w.link.pollTimer && w.link.pollTimer->isActive());
    // The second connect read the settings again over the new port.
    QCOMPARE(model().receivedFrames().size(), 12);
}

void TestConnection::serialConnectToMissingPortFails()
{
    FastPauses fast;
    MainWindow w;
    w.ui->Searal_radcmd->setChecked(true);
    w.ui->SerialNameEdit->setText("/dev/keylon2-no-such-port");
    for (int attempt = 0; attempt < 2; ++attempt) {
        DebugCapture debug;
        ModalCloser closer;
        w.ui->ConnectBut->click();
        QCOMPARE(closer.count(), 0);
        QVERIFY(debug.contains("unable to open com device\n"));
        QVERIFY(!w.link.connected);
        QVERIFY(!w.link.pollTimer);
        QVERIFY(pollTimers(w).isEmpty());
        QVERIFY(!w.link.serialActive);
        QVERIFY(w.serialPort && !w.serialPort->isOpen());  // kept until the next attempt
        QVERIFY(showsIcon(w, "connect_no.png"));
        QVERIFY(controlsEnabled(w, false));
    }
}

void TestConnection::eachConnectDescribesItsOwnLink()
{
    VirtualReader::SerialEndpoint endpoint(model());
    QVERIFY(endpoint.start());
    FastPauses fast;
    MainWindow w;

    model().setInterface(VirtualReader::Interface::Serial);
    QVERIFY(ReaderFixture::connectOverSerial(w, endpoint).connected);
    w.ui->ConnectBut->click();

    // The reader back on USB HID: the read must go over USB HID, not the closed port.
    model().setInterface(VirtualReader::Interface::UsbKeyboard);
    model().clearReceived();
    const auto hid = ReaderFixture::connectOverHid(w);
    QVERIFY(hid.connected);
    QCOMPARE(hid.lastText(), QString("Successfully obtained Keylon the set value"));
    QVERIFY(w.link.hidActive);
    QVERIFY(!w.link.serialActive);
    QCOMPARE(w.link.interfaceSetting, quint8(0));
    QCOMPARE(model().receivedFrames().size(), 4);
    QVERIFY(model().serialBytesReceived().isEmpty());
    w.ui->ConnectBut->click();
    QVERIFY(!w.link.hidDevice);

    model().setInterface(VirtualReader::Interface::Serial);
    model().clearReceived();
    QVERIFY(ReaderFixture::connectOverSerial(w, endpoint).connected);
    QVERIFY(w.link.serialActive);
    QVERIFY(!w.link.hidActive);
    QCOMPARE(w.link.interfaceSetting, quint8(1));
    QCOMPARE(model().hidWriteAttempts(), 0);
    QCOMPARE(model().receivedFrames().size(), 6);
}

void TestConnection::readerPluggedInAfterStartUpIsFound()
{
    model().setHidProductId(0);
    FastPauses fast;
    MainWindow w;
    QCOMPARE(w.link.hidVendorId, quint16(0));
    model().setHidProductId(0xF108);
    w.ui->USBKB_radcmd->setChecked(true);
    ModalCloser closer;
    w.ui->ConnectBut->click();
    QVERIFY(w.link.connected);
    QCOMPARE(closer.count(), 1);
    QCOMPARE(closer.last().text, QString("Successfully obtained Keylon the set value"));
    QCOMPARE(w.link.hidVendorId, quint16(0x0416));
    QCOMPARE(w.link.hidProductId, quint16(0xF108));
    QVERIFY(showsIcon(w, "connect_established.png"));
}

void TestConnection::readerFoundAtStartUpIsOpenedByItsIds()
{
    FastPauses fast;
    MainWindow w;
    QCOMPARE(w.link.hidProductId, quint16(0xF100));
    // The reader comes back under the other ID: the IDs found at start-up are used as they
    // are, with no new probe.
    model().setHidProductId(0xF108);
    w.ui->USBKB_radcmd->setChecked(true);
    ModalCloser closer;
    w.ui->ConnectBut->click();
    QVERIFY(!w.link.connected);
    QCOMPARE(w.link.hidProductId, quint16(0xF100));
    QVERIFY(showsIcon(w, "connect_no.png"));
}

QTEST_MAIN(TestConnection)
#include "tst_connection.moc"
