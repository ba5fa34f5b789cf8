#include <QPushButton>
#include <QSerialPort>
#include <QTimer>
#include <QtTest>

#include "window/app/mainwindow.h"
#include "reader_fixture.h"
#include "reader_model.h"
#include "serial_endpoint.h"
#include "test_support.h"
#include "window/ui/ui_mainwindow.h"
#include "window_probe.h"

using ReaderFixture::Reader;
using VirtualReader::Model;

namespace {

const QByteArray ChangeFrame = QByteArray::fromHex("1b42fd55aa55aa0d");

}  // namespace

class InterfaceChangeTest : public QObject
{
    Q_OBJECT

    ReaderFixture::Bench bench;

private slots:
    void init() { bench.start(); }
    void cleanup() { bench.stop(); }

    void shouldDoNothingWhenNotConnected()
    {
        MainWindow window;
        window.show();
        ModalCloser closer;
        window.ChangeModeClick();
        QTest::qWait(100);  // time for a box to show
        QCOMPARE(closer.count(), 0);
        QVERIFY(window.isVisible());
        QVERIFY(Model::instance().receivedFrames().isEmpty());
    }

    void shouldKeepEverythingWhenTheOperatorSaysNo_data()
    {
        QTest::addColumn<bool>("serial");
        QTest::addColumn<QString>("question");
        QTest::newRow("USB HID") << false << "Do you want to change Keylon interface to <b>serial</b> and utility will close?";
        QTest::newRow("serial") << true << "Do you want to change Keylon interface to <b>USB Keyboard</b> and utility will close?";
    }
    void shouldKeepEverythingWhenTheOperatorSaysNo()
    {
        QFETCH(bool, serial);
        QFETCH(QString, question);
        Reader reader;
        MainWindow window;
        window.show();
        QVERIFY(reader.connectQuietly(window, serial));
        const qint64 icon = uiOf(window)->ConnectBut->icon().cacheKey();
        QTimer *pollTimer = linkOf(window).pollTimer;

        ModalCloser closer(QMessageBox::No);
        window.ChangeModeClick();
        QTest::qWait(200);  // time for anything sent to arrive

        QCOMPARE(closer.count(), 1);
        QCOMPARE(closer.last().title, QString("Change Mode"));
        QCOMPARE(closer.last().text, question);
        QCOMPARE(closer.last().icon, QMessageBox::Warning);
        QCOMPARE(closer.last().buttons, QMessageBox::Yes | QMessageBox::No);
        QVERIFY(!closer.last().hadParent);
        QVERIFY(Model::instance().receivedFrames().isEmpty());
        QVERIFY(Model::instance().serialBytesReceived().isEmpty());
        QVERIFY(linkOf(window).connected);
        QCOMPARE(uiOf(window)->ConnectBut->icon().cacheKey(), icon);
        QVERIFY(uiOf(window)->ChangeModeBut->isEnabled());
        QVERIFY(uiOf(window)->SetKLNStatusBut->isEnabled());
        QVERIFY(window.isVisible());
        QCOMPARE(linkOf(window).pollTimer, pollTimer);
        QVERIFY(serial ? serialPortOf(window)->isOpen() : linkOf(window).hidDevice != nullptr);
    }

    void shouldSwitchAndClose_data()
    {
        QTest::addColumn<bool>("serial");
        QTest::newRow("USB HID") << false;
        QTest::newRow("serial") << true;
    }
    void shouldSwitchAndClose()
    {
        QFETCH(bool, serial);
        Reader reader;
        MainWindow window;
        window.show();
        QVERIFY(reader.connectQuietly(window, serial));
        QPointer<QTimer> pollTimer = linkOf(window).pollTimer;
        ModalCloser closer(QMessageBox::Yes);
        window.ChangeModeClick();

        QCOMPARE(closer.count(), 1);
        QVERIFY(pollTimer.isNull());
        QVERIFY(!linkOf(window).pollTimer);
        QVERIFY(!linkOf(window).connected);
        QVERIFY(!linkOf(window).hidDevice);
        QVERIFY(!uiOf(window)->ChangeModeBut->isEnabled());
        QVERIFY(!window.isVisible());
        if (serial) {
            QVERIFY(!serialPortOf(window)->isOpen());
            // Exactly the frame, nothing before or after it.
            QTRY_COMPARE(Model::instance().serialBytesReceived().toHex(' '), ChangeFrame.toHex(' '));
            QTest::qWait(100);
            QCOMPARE(Model::instance().serialBytesReceived().toHex(' '), ChangeFrame.toHex(' '));
        } else {
            QByteArray report(65, '\0');
            report.replace(1, 8, ChangeFrame);
            QCOMPARE(Model::instance().receivedFrames(), QList<QByteArray>{report});
        }
        QTRY_COMPARE(Model::instance().currentInterface(),
                     serial ? VirtualReader::Interface::UsbKeyboard : VirtualReader::Interface::Serial);
    }

    void shouldStayWhenTheUsbWriteFails()
    {
        Reader reader;
        MainWindow window;
        window.show();
        QVERIFY(reader.connect(window, false));
        Model::instance().setFaults([] { VirtualReader::Faults f; f.failAllWrites = true; return f; }());
        Model::instance().clearReceived();
        DebugCapture debug;
        ModalCloser closer(QMessageBox::Yes);
        window.ChangeModeClick();
        QTest::qWait(100);  // time for a late close to show

        QCOMPARE(closer.count(), 2);  // the question, then the failure
        QCOMPARE(closer.last().text, QString("The reader did not get the interface change; the utility stays open."));
        QCOMPARE(Model::instance().hidWriteAttempts(), 1);
        QCOMPARE(debug.count("Unable to write()\n"), 1);
        QCOMPARE(debug.lines().filter(QRegularExpression("^Error: .*\n$")).size(), 1);
        QVERIFY(linkOf(window).connected);
        QVERIFY(linkOf(window).hidDevice);
        QVERIFY(uiOf(window)->ChangeModeBut->isEnabled());
        QVERIFY(window.isVisible());
    }
};

QTEST_MAIN(InterfaceChangeTest)
#include "tst_interface_change.moc"
