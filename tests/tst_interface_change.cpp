#include <QPushButton>
#include <QSerialPort>
#include <QTimer>
#include <QtTest>

#include "app/mainwindow.h"
#include "platform/platform.h"
#include "reader_fixture.h"
#include "reader_model.h"
#include "serial_endpoint.h"
#include "test_support.h"
#include "ui/ui_mainwindow.h"

using ReaderFixture::Reader;
using VirtualReader::Model;

namespace {

const QByteArray ChangeFrame = QByteArray::fromHex("1b42fd55aa55aa0d");

}  // namespace

class InterfaceChangeTest : public QObject
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

    void shouldDoNothingWhenNotConnected()
    {
        MainWindow window;
        window.show();
        Model::instance().clearReceived();
        ModalCloser closer;
        window.ChangeModeClick();
        QTest::qWait(100);
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
        QVERIFY(reader.connect(window, serial));
        QTest::qWait(200);
        Model::instance().clearReceived();
        const qint64 icon = window.ui->ConnectBut->icon().cacheKey();
        QTimer *pollTimer = window.link.pollTimer;

        ModalCloser closer(QMessageBox::No);
        window.ChangeModeClick();
        QTest::qWait(200);

        QCOMPARE(closer.count(), 1);
        QCOMPARE(closer.last().title, QString("Change Mode"));
        QCOMPARE(closer.last().text, question);
        QCOMPARE(closer.last().icon, QMessageBox::Warning);
        QCOMPARE(closer.last().buttons, QMessageBox::Yes | QMessageBox::No);
        QVERIFY(!closer.last().hadParent);

        QVERIFY(Model::instance().receivedFrames().isEmpty());
        QVERIFY(Model::instance().serialBytesReceived().isEmpty());
        QVERIFY(window.link.connected);
        QCOMPARE(window.ui->ConnectBut->icon().cacheKey(), icon);
        QVERIFY(window.ui->ChangeModeBut->isEnabled());
        QVERIFY(window.ui->SetKLNStatusBut->isEnabled());
        QVERIFY(window.isVisible());
        if (serial) {
            QCOMPARE(window.link.pollTimer, pollTimer);
            QVERIFY(window.serialPort->isOpen());
        } else {
            QVERIFY(window.link.hidDevice);
        }
    }

    void shouldSwitchOverUsbHidAndClose()
    {
        Reader reader;
        MainWindow window;
        window.show();
        QVERIFY(reader.connect(window, false));
        Model::instance().clearReceived();
        ModalCloser closer(QMessageBox::Yes);
        window.ChangeModeClick();

        QCOMPARE(closer.count(), 1);
        QByteArray report(65, '\0');
        report.replace(1, 8, ChangeFrame);
        QCOMPARE(Model::instance().receivedFrames(), QList<QByteArray>{report});
        QVERIFY(!window.link.connected);
        QVERIFY(!window.link.hidDevice);
        QVERIFY(!window.ui->ChangeModeBut->isEnabled());
        QVERIFY(!window.isVisible());
        QCOMPARE(Model::instance().currentInterface(), VirtualReader::Interface::Serial);
    }

    void shouldSwitchOverSerialAndClose()
    {
        Reader reader;
        MainWindow window;
        window.show();
        QVERIFY(reader.connect(window, true));
        QTest::qWait(200);
        Model::instance().clearReceived();
        QPointer<QTimer> pollTimer = window.link.pollTimer;
        ModalCloser closer(QMessageBox::Yes);
        window.ChangeModeClick();

        QCOMPARE(closer.count(), 1);
        QVERIFY(pollTimer.isNull());
        QVERIFY(!window.link.pollTimer);
        QVERIFY(!window.serialPort->isOpen());
        QVERIFY(!window.link.connected);
        QVERIFY(!window.ui->ChangeModeBut->isEnabled());
        QVERIFY(!window.isVisible());
        // Exactly the frame, nothing before or after it.
        QTRY_COMPARE(Model::instance().serialBytesReceived().toHex(' '), ChangeFrame.toHex(' '));
        QTest::qWait(100);
        QCOMPARE(Model::instance().serialBytesReceived().toHex(' '), ChangeFrame.toHex(' '));
        QTRY_COMPARE(Model::instance().currentInterface(), VirtualReader::Interface::UsbKeyboard);
    }

    void shouldStayWhenTheUsbWriteFails()
    {
        Reader reader;
        MainWindow window;
        window.show();
        QVERIFY(reader.connect(window, false));
        VirtualReader::Faults faults;
        faults.failAllWrites = true;
        Model::instance().setFaults(faults);
        Model::instance().clearReceived();
        DebugCapture debug;
        ModalCloser closer(QMessageBox::Yes);
        window.ChangeModeClick();
        QTest::qWait(100);

        QCOMPARE(closer.count(), 1);  // the question only
        QCOMPARE(Model::instance().hidWriteAttempts(), 1);
        QCOMPARE(debug.count("Unable to write()\n"), 1);
        QCOMPARE(debug.lines().filter(QRegularExpression("^Error: .*\n$")).size(), 1);
        QVERIFY(window.link.connected);
        QVERIFY(window.link.hidDevice);
        QVERIFY(window.ui->ChangeModeBut->isEnabled());
        QVERIFY(window.isVisible());
    }
};

QTEST_MAIN(InterfaceChangeTest)
#include "tst_interface_change.moc"
