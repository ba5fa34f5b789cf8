#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QSerialPort>
#include <QTabWidget>
#include <QTextEdit>
#include <QTimer>
#include <QScopeGuard>
#include <QtTest>

#include "window/app/mainwindow.h"
#include "core/link/reader_lock.h"
#include "core/platform/platform.h"
#include "reader_fixture.h"
#include "reader_model.h"
#include "serial_endpoint.h"
#include "test_support.h"
#include "window/ui/ui_mainwindow.h"
#include "window_probe.h"

namespace {

VirtualReader::Model &model() { return VirtualReader::Model::instance(); }

const QStringList ReaderControls = {
    "PreAmbleChk",     "PreAmbleEdit",    "PostAmbleChk",     "PostAmbleEdit",
    "RemoveDataChk",   "RemoveDataEdit",  "RemoveIDCodeChk",  "AutoReportChk",
    "BuzzerEnableChk", "KLNOutStartEdit", "KLNOutLengthEdit", "GetKLNStatusBut",
    "SetKLNStatusBut", "tabWidget",       "ScannerEdit",      "TrigBut",
    "ChangeModeBut",
};

// The connect button shows the icon and is called by what a press does, and the 17 controls
// are all enabled or all disabled.
bool shows(MainWindow &w, const char *icon, bool controlsEnabled)
{
    const QSize size(32, 32);
    const QImage expected = QIcon(QStringLiteral(":/image/") + icon).pixmap(size).toImage();
    if (expected.isNull() || uiOf(w)->ConnectBut->icon().pixmap(size).toImage() != expected)
        return false;
    const bool connected = qstrcmp(icon, "connect_established.png") == 0;
    if (uiOf(w)->ConnectBut->accessibleName() != QLatin1String(connected ? "Disconnect" : "Connect"))
        return false;
    for (const QString &name : ReaderControls) {
        auto *widget = w.findChild<QWidget *>(name);
        if (!widget || widget->isEnabled() != controlsEnabled)
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

    ReaderFixture::Bench bench;

private slots:
    void init() { bench.start(); }
    void cleanup() { bench.stop(); }

    void enableControlsSwitchesTheSeventeenOnly()
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
        for (const QString &name : ReaderControls)
            QVERIFY2(w.findChild<QWidget *>(name)->isEnabled(), qPrintable(name));
    }

    void hidConnectAndDisconnect()
    {
        MainWindow w;
        QVERIFY(shows(w, "connect_creating.png", false));
        const auto outcome = ReaderFixture::connectOverHid(w);
        QVERIFY(outcome.connected);
        QCOMPARE(outcome.boxes.size(), 1);
        QVERIFY(linkOf(w).hidDevice);
        QVERIFY(linkOf(w).hidActive);
        QVERIFY(shows(w, "connect_established.png", true));
        QCOMPARE(uiOf(w)->ChangeModeBut->text(), QString("to Serial"));
        QCOMPARE(uiOf(w)->CodeType_lbl->text(), QString("ASCII Code"));
        QCOMPARE(model().receivedFrames().size(), 4);  // the settings were read at once

        DebugCapture debug;
        ModalCloser closer;
        uiOf(w)->ConnectBut->click();
        QCOMPARE(closer.count(), 0);
        QVERIFY(!linkOf(w).connected);
        QVERIFY(!linkOf(w).hidDevice);
        QVERIFY(debug.contains("Z400_Device disconnect"));
        QVERIFY(shows(w, "connect_creating.png", false));
        // The texts the connect gave stay; the flag says which link the window last had.
        QCOMPARE(uiOf(w)->ChangeModeBut->text(), QString("to Serial"));
        QCOMPARE(uiOf(w)->CodeType_lbl->text(), QString("ASCII Code"));
        QVERIFY(linkOf(w).hidActive);

        QVERIFY(ReaderFixture::connectOverHid(w).connected);  // and again on the next click
        QVERIFY(shows(w, "connect_established.png", true));
    }

    void serialConnectDisconnectConnect()
    {
        ReaderFixture::Reader reader;
        MainWindow w;
        QVERIFY(reader.connect(w, true));
        QPointer<QSerialPort> firstPort = serialPortOf(w);
        QPointer<QTimer> firstTimer = linkOf(w).pollTimer;
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
        QVERIFY(linkOf(w).serialActive);
        QCOMPARE(linkOf(w).interfaceSetting, quint8(1));
        QVERIFY(shows(w, "connect_established.png", true));
        QCOMPARE(uiOf(w)->ChangeModeBut->text(), QString("to USB KB"));

        DebugCapture debug;
        uiOf(w)->ConnectBut->click();
        QVERIFY(debug.contains("KLN2_Device disconnect"));
        QVERIFY(!firstTimer);  // deleted
        QVERIFY(!linkOf(w).pollTimer);
        QVERIFY(pollTimers(w).isEmpty());
        QVERIFY(firstPort && !firstPort->isOpen());  // closed, the object stays
        QVERIFY(shows(w, "connect_creating.png", false));
        QCOMPARE(uiOf(w)->ChangeModeBut->text(), QString("to USB KB"));

        QVERIFY(reader.connect(w, true));
        QVERIFY(!firstPort);  // replaced, and the old one gone
        QVERIFY(serialPortOf(w) && serialPortOf(w)->isOpen());
        QCOMPARE(pollTimers(w).size(), 1);
        QVERIFY(linkOf(w).pollTimer && linkOf(w).pollTimer->isActive());
        QCOMPARE(model().receivedFrames().size(), 12);  // the settings read again over the new port
    }

    // A port left open keeps its lock file, and the next open of the device fails.
    void closingTheWindowLetsGoOfTheSerialPort()
    {
        ReaderFixture::Reader reader;
        auto *w = new MainWindow;
        QVERIFY(reader.connect(*w, true));
        QPointer<QSerialPort> port = serialPortOf(*w);
        QVERIFY(port && port->isOpen());
        delete w;
        QVERIFY(!port);
        QSerialPort again(reader.endpoint.portPath());
        QVERIFY2(again.open(QIODevice::ReadWrite), qPrintable(again.errorString()));
    }

    void failedConnectLeavesNoLinkAndCanBeTriedAgain_data()
    {
        QTest::addColumn<bool>("serial");
        QTest::newRow("USB HID, no reader") << false;
        QTest::newRow("serial, no such port") << true;
    }
    void failedConnectLeavesNoLinkAndCanBeTriedAgain()
    {
        QFETCH(bool, serial);
        model().setHidProductId(0);
        ReaderFixture::Reader reader;
        MainWindow w;
        for (int attempt = 0; attempt < 2; ++attempt) {
            DebugCapture debug;
            ModalCloser closer;
            if (serial) {
                uiOf(w)->Searal_radcmd->setChecked(true);
                uiOf(w)->SerialNameEdit->setText("/dev/keylon2-no-such-port");
                uiOf(w)->ConnectBut->click();
            } else {
                QVERIFY(ReaderFixture::connectOverHid(w).boxes.isEmpty());
            }
            QCOMPARE(closer.count(), 0);
            QVERIFY(debug.contains(serial ? "unable to open com device\n" : "unable to open USB HID device\n"));
            QVERIFY(!linkOf(w).connected);
            QVERIFY(!linkOf(w).hidDevice);
            QVERIFY(!linkOf(w).hidActive);
            QVERIFY(!linkOf(w).serialActive);
            QVERIFY(!linkOf(w).pollTimer);
            QVERIFY(pollTimers(w).isEmpty());
            if (serial)
                QVERIFY(serialPortOf(w) && !serialPortOf(w)->isOpen());  // kept until the next attempt
            QVERIFY(shows(w, "connect_no.png", false));
        }
        model().setHidProductId(0xF100);
        QVERIFY(reader.connect(w, serial));
        QVERIFY(shows(w, "connect_established.png", true));
    }

    // Another process holds the reader: the window names it in a box, stays disconnected and
    // sends nothing; once that process is gone the reader connects, and the window holds it.
    void readerHeldByAnotherProcessIsNotConnected_data()
    {
        QTest::addColumn<bool>("serial");
        QTest::newRow("USB HID") << false;
        QTest::newRow("serial") << true;
    }
    void readerHeldByAnotherProcessIsNotConnected()
    {
        QFETCH(bool, serial);
        ReaderFixture::Reader reader;
        if (serial)
            QVERIFY(ReaderFixture::startSerialReader(reader.endpoint));
        const QString node = serial ? reader.endpoint.portPath() : QString::fromLatin1(model().hidPath());
        QProcess other;  // keeps the lock until it is killed
        other.start("/usr/bin/python3", {"-c",
                                         "import fcntl, os, sys\n"
                                         "fd = os.open(sys.argv[1], os.O_RDONLY | os.O_CREAT, 0o644)\n"
                                         "fcntl.flock(fd, fcntl.LOCK_EX)\n"
                                         "sys.stdin.read()\n",
                                         ReaderLock::lockFile(node)});
        QVERIFY(other.waitForStarted());
        QTRY_VERIFY(ReaderLock::holderOf(node).has_value());
        MainWindow w;
        const QString pre = uiOf(w)->PreAmbleEdit->text();
        model().clearReceived();

        const auto outcome = serial ? ReaderFixture::connectOverSerial(w, reader.endpoint)
                                    : ReaderFixture::connectOverHid(w);
        QVERIFY(!outcome.connected);
        QCOMPARE(outcome.boxes.size(), 1);
        QCOMPARE(outcome.boxes.first().title, QString("Connect Device"));
        QCOMPARE(outcome.boxes.first().icon, QMessageBox::Warning);
        QCOMPARE(outcome.boxes.first().text,
                 QString("The reader %1 is in use by python3 (process %2). Connect again when it is free.")
                     .arg(node)
                     .arg(other.processId()));
        QVERIFY(!linkOf(w).hidDevice);
        QVERIFY(!serialPortOf(w) || !serialPortOf(w)->isOpen());
        QVERIFY(shows(w, "connect_no.png", false));
        QVERIFY(model().receivedFrames().isEmpty());
        QCOMPARE(uiOf(w)->PreAmbleEdit->text(), pre);

        other.kill();
        QVERIFY(other.waitForFinished());
        QVERIFY((serial ? ReaderFixture::connectOverSerial(w, reader.endpoint) : ReaderFixture::connectOverHid(w)).connected);
        QCOMPARE(ReaderLock::holderOf(node).value_or(ReaderLock::Holder()).pid, QCoreApplication::applicationPid());
        uiOf(w)->ConnectBut->click();  // a disconnect lets go
        QVERIFY(!ReaderLock::holderOf(node));
    }

    // No lock file can be had (no lock directory): a serial port is locked by its node and
    // connects; a reader whose node cannot be opened either has no lock at all, and the window
    // says so in a box, stays disconnected and sends nothing.
    void aReaderWithoutALockFile_data()
    {
        QTest::addColumn<bool>("serial");
        QTest::newRow("USB HID, no node to lock") << false;
        QTest::newRow("serial, its node locked") << true;
    }
    void aReaderWithoutALockFile()
    {
        QFETCH(bool, serial);
        ReaderFixture::Reader reader;
        if (serial)
            QVERIFY(ReaderFixture::startSerialReader(reader.endpoint));
        const QString node = serial ? reader.endpoint.portPath() : QString::fromLatin1(model().hidPath());
        const QByteArray locks = qgetenv("KEYLON2_LOCK_DIR");
        qputenv("KEYLON2_LOCK_DIR", locks + "/not-there");
        const auto restore = qScopeGuard([&] { qputenv("KEYLON2_LOCK_DIR", locks); });
        MainWindow w;
        model().clearReceived();
        const auto outcome = serial ? ReaderFixture::connectOverSerial(w, reader.endpoint)
                                    : ReaderFixture::connectOverHid(w);
        if (serial) {
            QVERIFY(outcome.connected);
            QCOMPARE(ReaderLock::holderOf(node).value_or(ReaderLock::Holder()).pid, QCoreApplication::applicationPid());
            uiOf(w)->ConnectBut->click();
            QVERIFY(!ReaderLock::holderOf(node));
            return;
        }
        QVERIFY(!outcome.connected);
        QCOMPARE(outcome.boxes.size(), 1);
        QCOMPARE(outcome.boxes.first().title, QString("Connect Device"));
        QCOMPARE(outcome.boxes.first().icon, QMessageBox::Warning);
        QCOMPARE(outcome.boxes.first().buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QVERIFY2(outcome.boxes.first().text.startsWith(QString("No lock can be had for the reader %1 (").arg(node)),
                 qPrintable(outcome.boxes.first().text));
        QVERIFY(!linkOf(w).hidDevice);
        QVERIFY(shows(w, "connect_no.png", false));
        QVERIFY(model().receivedFrames().isEmpty());
    }

    // After a serial session a USB HID connect reads over USB HID, and the other way round.
    void eachConnectDescribesItsOwnLink()
    {
        ReaderFixture::Reader reader;
        MainWindow w;
        QVERIFY(reader.connect(w, true));
        uiOf(w)->ConnectBut->click();

        model().setInterface(VirtualReader::Interface::UsbKeyboard);
        model().clearReceived();
        QVERIFY(reader.connect(w, false));
        QCOMPARE(reader.outcome.lastText(), QString("Successfully obtained Keylon the set value"));
        QVERIFY(linkOf(w).hidActive);
        QVERIFY(!linkOf(w).serialActive);
        QCOMPARE(linkOf(w).interfaceSetting, quint8(0));
        QCOMPARE(model().receivedFrames().size(), 4);
        QVERIFY(model().serialBytesReceived().isEmpty());
        uiOf(w)->ConnectBut->click();
        QVERIFY(!linkOf(w).hidDevice);

        model().clearReceived();
        QVERIFY(reader.connect(w, true));
        QVERIFY(linkOf(w).serialActive);
        QVERIFY(!linkOf(w).hidActive);
        QCOMPARE(linkOf(w).interfaceSetting, quint8(1));
        QCOMPARE(model().hidWriteAttempts(), 0);
        QCOMPARE(model().receivedFrames().size(), 6);
    }

    // A reader missing at start-up is looked for again; one found then is opened by its IDs.
    void usbConnectProbesOnlyWhenStartUpFoundNoReader_data()
    {
        QTest::addColumn<int>("atStartUp");
        QTest::addColumn<bool>("connects");
        QTest::addColumn<int>("productId");
        QTest::newRow("plugged in after start-up") << 0 << true << 0xF108;
        QTest::newRow("found at start-up, back under the other ID") << 0xF100 << false << 0xF100;
    }
    void usbConnectProbesOnlyWhenStartUpFoundNoReader()
    {
        QFETCH(int, atStartUp);
        QFETCH(bool, connects);
        QFETCH(int, productId);
        model().setHidProductId(quint16(atStartUp));
        MainWindow w;
        QCOMPARE(linkOf(w).hidVendorId, quint16(atStartUp ? 0x0416 : 0));
        QCOMPARE(linkOf(w).hidProductId, quint16(atStartUp));
        model().setHidProductId(0xF108);
        uiOf(w)->USBKB_radcmd->setChecked(true);
        ModalCloser closer;
        uiOf(w)->ConnectBut->click();
        QCOMPARE(bool(linkOf(w).connected), connects);
        QCOMPARE(closer.count(), connects ? 1 : 0);
        if (connects) {
            QCOMPARE(closer.last().text, QString("Successfully obtained Keylon the set value"));
            QCOMPARE(linkOf(w).hidVendorId, quint16(0x0416));
        }
        QCOMPARE(linkOf(w).hidProductId, quint16(productId));
        QVERIFY(shows(w, connects ? "connect_established.png" : "connect_no.png", connects));
    }

    // The field still holds the default name when no reader port was there at start-up.
    void serialConnectFindsAReaderPluggedInAfterStartUp()
    {
        ReaderFixture::Reader reader;
        QVERIFY(ReaderFixture::startSerialReader(reader.endpoint));
        bool plugged = false;
        int enumerations = 0;
        Platform::setPortEnumerator([&] {
            ++enumerations;
            Platform::PortRecord port{reader.endpoint.portPath(), "Keylon2 Key Reader", reader.endpoint.portPath(),
                                      "Keylon", 0x0416};
            return plugged ? QList<Platform::PortRecord>{port} : QList<Platform::PortRecord>();
        });
        MainWindow w;
        w.show();
        QTRY_COMPARE(enumerations, 1);  // the start-up list, taken once the window has painted
        QCOMPARE(uiOf(w)->SerialNameEdit->text(), Platform::defaultPortName());
        plugged = true;
        uiOf(w)->Searal_radcmd->setChecked(true);
        ModalCloser closer;
        uiOf(w)->ConnectBut->click();
        QVERIFY(linkOf(w).connected);
        QCOMPARE(enumerations, 2);
        QCOMPARE(uiOf(w)->SerialNameEdit->text(), reader.endpoint.portPath());
        QCOMPARE(closer.last().text, QString("Successfully obtained Keylon the set value"));
    }
};

QTEST_MAIN(TestConnection)
#include "tst_connection.moc"
