#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "window/app/mainwindow.h"
#include "core/link/access_check.h"
#include "reader_fixture.h"
#include "reader_model.h"
#include "test_support.h"
#include "window/ui/ui_mainwindow.h"
#include "window_probe.h"

using AccessCheck::Finding;
using VirtualReader::Model;

class AccessCheckTest : public QObject
{
    Q_OBJECT

    ReaderFixture::Bench bench;

private slots:
    void init() { bench.start(); }
    void cleanup() { bench.stop(); }

    // Only a refused open is the user's rights; a port that is not there, or held by another
    // program, is no case for the udev rules.
    void serialOpenErrorsGiveTheirFinding_data()
    {
        QTest::addColumn<int>("error");
        QTest::addColumn<bool>("denied");
        QTest::newRow("permission") << int(QSerialPort::PermissionError) << true;
        QTest::newRow("no such port") << int(QSerialPort::DeviceNotFoundError) << false;
        QTest::newRow("open elsewhere") << int(QSerialPort::OpenError) << false;
        QTest::newRow("unknown") << int(QSerialPort::UnknownError) << false;
    }
    void serialOpenErrorsGiveTheirFinding()
    {
        QFETCH(int, error);
        QFETCH(bool, denied);
        const auto diagnosis =
            AccessCheck::afterSerialOpenFailed(QSerialPort::SerialPortError(error), "/dev/ttyACM0");
        QCOMPARE(diagnosis.finding == Finding::Denied, denied);
        QCOMPARE(diagnosis.node, denied ? QString("/dev/ttyACM0") : QString());
    }

    // The failed connect keeps its debug line and icon; the box comes only when the reader is
    // listed but cannot be opened.
    void usbConnectWarnsOnlyWhenTheReaderIsRefused_data()
    {
        QTest::addColumn<bool>("refused");
        QTest::addColumn<int>("productId");   // what the reader answers to; 0 no reader
        QTest::newRow("listed, open refused") << true << 0xF100;
        QTest::newRow("listed as the other ID, refused") << true << 0xF108;
        QTest::newRow("no reader") << false << 0;
        QTest::newRow("another product of the vendor") << false << 0xF101;
    }
    void usbConnectWarnsOnlyWhenTheReaderIsRefused()
    {
        QFETCH(bool, refused);
        QFETCH(int, productId);
        Model::instance().setHidProductId(quint16(productId));
        MainWindow w;
        VirtualReader::Faults faults;
        faults.openRefused = refused;
        Model::instance().setFaults(faults);
        uiOf(w)->USBKB_radcmd->setChecked(true);

        DebugCapture debug;
        ModalCloser closer(QMessageBox::Ok);
        uiOf(w)->ConnectBut->click();
        QVERIFY(!linkOf(w).connected);
        QVERIFY(debug.contains("unable to open USB HID device\n"));
        QCOMPARE(closer.count(), refused ? 1 : 0);
        if (refused) {
            QCOMPARE(closer.last().title, QString("Connect Device"));
            QCOMPARE(closer.last().icon, QMessageBox::Warning);
            QCOMPARE(closer.last().text,
                     QString("The reader is attached, but this user may not open /dev/virtual-hidraw1. "
                             "Install the udev rules (60-keylon2.rules, see the README), then unplug "
                             "and plug the reader in again."));
        }
    }

    // A reader refused on USB HID fails the start-up probe, which then chooses the serial port:
    // the failed serial connect is where the operator must learn of it.
    void serialConnectWarnsOfAReaderRefusedOnUsbHid_data()
    {
        QTest::addColumn<bool>("refused");
        QTest::addColumn<int>("productId");
        QTest::newRow("refused on USB HID") << true << 0xF108;
        QTest::newRow("opens on USB HID") << false << 0xF100;
        QTest::newRow("no reader") << false << 0;
    }
    void serialConnectWarnsOfAReaderRefusedOnUsbHid()
    {
        QFETCH(bool, refused);
        QFETCH(int, productId);
        Model::instance().setHidProductId(quint16(productId));
        VirtualReader::Faults faults;
        faults.openRefused = refused;
        Model::instance().setFaults(faults);
        MainWindow w;
        uiOf(w)->Searal_radcmd->setChecked(true);
        uiOf(w)->SerialNameEdit->setText("/dev/ttyACM97");
        ModalCloser closer(QMessageBox::Ok);
        uiOf(w)->ConnectBut->click();
        QVERIFY(!linkOf(w).connected);
        QCOMPARE(closer.count(), refused ? 1 : 0);
        if (refused)
            QVERIFY(closer.last().text.contains("may not open /dev/virtual-hidraw1."));
    }
};

QTEST_MAIN(AccessCheckTest)
#include "tst_access_check.moc"
