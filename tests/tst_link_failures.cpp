#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSerialPort>
#include <QtTest>

#include <sys/resource.h>

#include "window/app/mainwindow.h"
#include "reader_fixture.h"
#include "reader_model.h"
#include "serial_endpoint.h"
#include "test_support.h"
#include "window/ui/ui_mainwindow.h"
#include "window_probe.h"

using ReaderFixture::Reader;
using VirtualReader::Faults;
using VirtualReader::Model;

namespace {

Model &model() { return Model::instance(); }

const QString GoneText = QStringLiteral("The serial port %1 is gone; the reader was disconnected.");
const QString WriteFailedText = QStringLiteral("Writing to the reader failed at the %1; the reader did not save the page.");

qint64 cpuMs()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return qint64(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1000
        + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1000;
}

QStringList titles(const QList<ModalCloser::Box> &boxes)
{
    QStringList list;
    for (const auto &box : boxes)
        list << box.title + ": " + box.text;
    return list;
}

}  // namespace

class LinkFailuresTest : public QObject
{
    Q_OBJECT

    ReaderFixture::Bench bench;

private slots:
    void init() { bench.start(); }
    void cleanup() { bench.stop(); }

    // The reader pulled out of the serial line while nothing is sent: the link goes down as a
    // disconnect takes it down, the operator is told once, and the window goes idle.
    void shouldTakeTheLinkDownWhenTheSerialPortGoes()
    {
        Reader reader;
        MainWindow window;
        window.show();
        QVERIFY(reader.connectQuietly(window, true));
        const QString port = reader.endpoint.portPath();

        DebugCapture debug;
        auto closer = std::make_unique<ModalCloser>(QMessageBox::Ok);
        reader.endpoint.stop();
        QVERIFY(ReaderFixture::waitUntil([&] { return closer->count() > 0; }, 5000));
        QTest::qWait(300);  // a second box would have come by now

        QCOMPARE(titles(closer->boxes()), QStringList{"Connect Device: " + GoneText.arg(port)});
        QCOMPARE(closer->last().icon, QMessageBox::Warning);
        closer.reset();
        QCOMPARE(debug.count("KLN2_Device disconnect"), 1);
        QVERIFY(!linkOf(window).connected);
        QVERIFY(!linkOf(window).pollTimer);
        QVERIFY(!serialPortOf(window)->isOpen());
        QVERIFY(!uiOf(window)->SetKLNStatusBut->isEnabled());
        const QImage notConnected = QIcon(QStringLiteral(":/image/connect_creating.png")).pixmap(32, 32).toImage();
        QCOMPARE(uiOf(window)->ConnectBut->icon().pixmap(32, 32).toImage(), notConnected);

        // Nothing spins: a second of the event loop takes a small part of a second of CPU.
        const qint64 before = cpuMs();
        QTest::qWait(1000);
        QVERIFY2(cpuMs() - before < 200, qPrintable(QString::number(cpuMs() - before)));

        // The reader back on a port: a connect works.
        QVERIFY(reader.connect(window, true));
        QCOMPARE(reader.outcome.lastText(), QString("Successfully obtained Keylon the set value"));
    }

    // A frame that does not reach the reader is never reported as written, and the utility
    // stays open and connected (over the serial line until the port's loss is seen).
    void shouldTellWhichFrameDidNotReachTheReader_data()
    {
        QTest::addColumn<bool>("serial");
        QTest::addColumn<int>("frame");       // USB HID: the write that fails; 0 the serial port gone
        QTest::addColumn<bool>("otherInterface");
        QTest::addColumn<QString>("text");
        QTest::newRow("USB HID options") << false << 1 << false << WriteFailedText.arg("options");
        QTest::newRow("USB HID keyboard country") << false << 3 << false << WriteFailedText.arg("keyboard country");
        QTest::newRow("USB HID save") << false << 7 << false << WriteFailedText.arg("save command");
        QTest::newRow("USB HID interface change") << false << 8 << true
            << "Writing to the reader failed at the interface change; the page was saved, the interface was not changed.";
        QTest::newRow("serial port gone") << true << 0 << true << WriteFailedText.arg("options");
    }
    void shouldTellWhichFrameDidNotReachTheReader()
    {
        QFETCH(bool, serial);
        QFETCH(int, frame);
        QFETCH(bool, otherInterface);
        QFETCH(QString, text);
        Reader reader;
        MainWindow window;
        window.show();
        QVERIFY(reader.connectQuietly(window, serial));
        if (otherInterface)
            linkOf(window).interfaceSetting = serial ? 0 : 1;
        Faults faults;
        faults.failAllWrites = !serial;
        faults.faultsFromFrame = frame;
        model().setFaults(faults);
        if (serial)
            reader.endpoint.stop();

        ModalCloser closer(QMessageBox::Ok);
        window.SetKLNValueClick();
        QTest::qWait(200);
        // Over the serial line the port's loss is told as well, in its own box.
        const QStringList shown = titles(closer.boxes());
        QVERIFY2(shown.contains("Setting Keylon: " + text), qPrintable(shown.join('\n')));
        QCOMPARE(shown.size(), serial ? 2 : 1);
        QVERIFY(!shown.filter("Successfully").size());
        QVERIFY(window.isVisible());
        QCOMPARE(bool(linkOf(window).connected), !serial);
    }

    void shouldKeepTheUtilityOpenWhenTheInterfaceChangeFails_data()
    {
        QTest::addColumn<bool>("serial");
        QTest::newRow("USB HID write fails") << false;
        QTest::newRow("serial port gone") << true;
    }
    void shouldKeepTheUtilityOpenWhenTheInterfaceChangeFails()
    {
        QFETCH(bool, serial);
        Reader reader;
        MainWindow window;
        window.show();
        QVERIFY(reader.connectQuietly(window, serial));
        if (serial) {
            reader.endpoint.stop();
        } else {
            Faults faults;
            faults.failAllWrites = true;
            model().setFaults(faults);
        }
        ModalCloser closer(QMessageBox::Yes);
        window.ChangeModeClick();
        QTest::qWait(200);
        const QStringList shown = titles(closer.boxes());
        QVERIFY2(shown.contains("Change Mode: The reader did not get the interface change; the utility stays open."),
                 qPrintable(shown.join('\n')));
        QCOMPARE(shown.size(), serial ? 3 : 2);
        QVERIFY(window.isVisible());
        QCOMPARE(bool(linkOf(window).connected), !serial);
    }

    // A country that KB_cmb does not list goes back to the reader as it came, not as 0xFF.
    void shouldKeepACountryTheListDoesNotHold_data()
    {
        QTest::addColumn<bool>("readFails");
        QTest::addColumn<int>("sent");
        QTest::newRow("the reader said 7") << false << 7;
        QTest::newRow("no country read") << true << 0;
    }
    void shouldKeepACountryTheListDoesNotHold()
    {
        QFETCH(bool, readFails);
        QFETCH(int, sent);
        VirtualReader::Settings settings = model().settings();
        settings.kbCountry = 7;
        model().setSettings(settings);
        if (readFails) {
            Faults faults;
            faults.noAnswer = true;
            model().setFaults(faults);
        }
        Reader reader;
        MainWindow window;
        window.show();
        reader.connectQuietly(window, false);
        QVERIFY(linkOf(window).connected);
        model().setFaults(Faults());
        uiOf(window)->KB_cmb->setCurrentIndex(-1);  // as a file naming country 7 leaves it
        ModalCloser closer;
        window.SetKLNValueClick();
        QCOMPARE(closer.last().text, QString("Successfully set Keylon set value"));
        QCOMPARE(int(model().settings().kbCountry), sent);
    }
};

QTEST_MAIN(LinkFailuresTest)
#include "tst_link_failures.moc"
