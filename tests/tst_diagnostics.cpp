#include <QtTest>

#include <QMutex>
#include <QtWidgets>
#include <hidapi.h>

#include "window/status_page/char_thread.h"
#include "window/app/mainwindow.h"
#include "core/platform/platform.h"
#include "reader_model.h"
#include "test_support.h"
#include "window/ui/ui_mainwindow.h"
#include "window_probe.h"

using VirtualReader::Model;
using Ports = QList<Platform::PortRecord>;
Q_DECLARE_METATYPE(Ports)

namespace {

// Records each text it gets and whether it came on the label's own (GUI) thread. A call of
// "setText" by name finds this slot before QLabel's.
class WatchedLabel : public QLabel
{
    Q_OBJECT
public:
    QStringList texts() const { QMutexLocker lock(&mutex); return shown; }
    int offThread() const { QMutexLocker lock(&mutex); return wrongThread; }
public slots:
    void setText(const QString &text)
    {
        {
            QMutexLocker lock(&mutex);
            shown << text;
            wrongThread += QThread::currentThread() != thread();
        }
        QLabel::setText(text);
    }
private:
    mutable QMutex mutex;
    QStringList shown;
    int wrongThread = 0;
};

const QString ReadLine = QStringLiteral("Data read:\n   ");
const QStringList Strings{"Manufacturer String: Keylon\n", "Product String: Keylon2 Key Reader\n",
                          "Serial Number String: (75) KLN2-000001", "Indexed String 1: Keylon\n"};

}  // namespace

class DiagnosticsTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        Model::instance().reset();
        Platform::resetSeams();
    }
    void cleanupTestCase() { Platform::resetSeams(); }

    void shouldFollowThePages()
    {
        MainWindow w;
        w.EnableControls(true);
        uiOf(w)->tabWidget->setCurrentWidget(uiOf(w)->Membrane_tab);
        QCOMPARE(linkOf(w).currentTab, quint8(0));
        uiOf(w)->tabWidget->setCurrentWidget(uiOf(w)->Keylon_tab);
        QCOMPARE(linkOf(w).currentTab, quint8(1));
    }

    void shouldListThePorts_data()
    {
        QTest::addColumn<Ports>("ports");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("none") << Ports() << QStringList{"List of ports:\n", "0"};
        const QString odd = QString::fromUtf8("Späť 100%s");  // no format is applied to names
        QTest::newRow("two") << Ports{{"ttyACM0", "Nuvoton Virtual Com Port", "/dev/ttyACM0", "Nuvoton"},
                                      {"/dev/pts/4", odd, "", ""}}
                             << QStringList{"List of ports:\n", "2",
                                            "ttyACM0", "Nuvoton Virtual Com Port", "/dev/ttyACM0", "Nuvoton",
                                            "===================================\n\n",
                                            "/dev/pts/4", odd, "", "", "===================================\n\n"};
    }
    void shouldListThePorts()
    {
        QFETCH(Ports, ports);
        QFETCH(QStringList, expected);
        MainWindow w;
        w.EnableControls(true);
        Platform::setPortEnumerator([ports] { return ports; });
        DebugCapture debug;
        uiOf(w)->TestBut->click();
        QCOMPARE(debug.lines(), expected);
    }

    void shouldDumpTheDiagnosticDevice()
    {
        Model::instance().setHidProductId(0xC141);
        VirtualReader::Settings settings = Model::instance().settings();
        settings.options = 0x2A;
        Model::instance().setSettings(settings);
        MainWindow w;
        FastPauses pauses;
        DebugCapture debug;
        QVERIFY(QMetaObject::invokeMethod(&w, "threadStart"));

        QStringList lines = debug.lines();
        QCOMPARE(lines.mid(0, 4), Strings);
        lines.removeAll("waiting...\n");
        QCOMPARE(lines.value(4), ReadLine);
        const QStringList bytes = lines.mid(5);
        QCOMPARE(bytes.size(), 64);  // the payload, without a report ID
        QCOMPARE(bytes[8], QString("2a "));   // the option byte
        QCOMPARE(bytes[48], QString("ff "));  // the complement of sequence number 0

        const QByteArray status = QByteArray::fromHex("001b420000000000" "0d") + QByteArray(56, '\0');
        QCOMPARE(Model::instance().receivedFrames().value(0).toHex(' '), status.toHex(' '));
        QVERIFY(linkOf(w).hidDevice);
        QVERIFY(!linkOf(w).connected && !linkOf(w).hidActive);
    }

    // Without an answer the dump ends at once or after bounded waits of 500 ms; with no device
    // it logs one line and the open link survives.
    void shouldEndTheDumpWithoutAnAnswer_data()
    {
        QTest::addColumn<int>("productId");
        QTest::addColumn<bool>("silent");   // no answer and failing writes; else failing reads
        QTest::addColumn<QStringList>("expected");
        const QStringList end{"Unable to read()\n", ReadLine};
        QTest::newRow("no device") << 0xF100 << false << QStringList{"unable to open device\n"};
        QTest::newRow("silent device, failing write")
            << 0xC141 << true
            << Strings + QStringList{"Unable to write()\n", "Error: "}
                   + QVector<QString>(10, "waiting...\n").toList() + end;
        QTest::newRow("failing read") << 0xC141 << false << Strings + end;
    }
    void shouldEndTheDumpWithoutAnAnswer()
    {
        QFETCH(int, productId);
        QFETCH(bool, silent);
        QFETCH(QStringList, expected);
        Model::instance().setHidProductId(ushort(productId));
        VirtualReader::Faults faults;
        faults.noAnswer = faults.failAllWrites = silent;
        faults.failReads = !silent;
        Model::instance().setFaults(faults);
        MainWindow w;
        hid_device *open = hid_open(0x0416, 0xF100, nullptr);
        linkOf(w).hidDevice = open;
        FastPauses pauses;
        DebugCapture debug;
        QVERIFY(QMetaObject::invokeMethod(&w, "threadStart"));

        QStringList lines = debug.lines();
        for (QString &line : lines) {
            if (line.startsWith("Error: "))
                line = "Error: ";   // the transport's own words follow
        }
        QCOMPARE(lines, expected);
        QCOMPARE(pauses.requested(), QVector<unsigned>(expected.count("waiting...\n"), 500).toList());
        if (open)
            QCOMPARE(linkOf(w).hidDevice, open);
    }

    void shouldTickPauseAndStopOnTheGuiThread()
    {
        MainWindow w;
        QVERIFY(QMetaObject::invokeMethod(&w, "threadPause"));  // no ticker: nothing happens
        WatchedLabel label;
        charThread ticker(&label);
        WindowProbe::tickerThread(w) = &ticker;
        ticker.start();

        // Texts reach the label only while the GUI thread's event loop runs.
        QThread::msleep(350);
        QVERIFY(label.texts().isEmpty());
        QTRY_VERIFY(label.texts().size() >= 3);
        QCOMPARE(label.texts().mid(0, 3), (QStringList{"A", "B", "C"}));

        QVERIFY(QMetaObject::invokeMethod(&w, "threadPause"));
        QVERIFY(ticker.isPaused());
        QTest::qWait(500);  // a tick under way may still arrive
        const int paused = label.texts().size();
        QTest::qWait(400);
        QCOMPARE(label.texts().size(), paused);
        QVERIFY(QMetaObject::invokeMethod(&w, "threadPause"));
        QTRY_VERIFY(label.texts().size() > paused);

        ticker.togglePause();
        ticker.stop();  // a stop ends a pause too
        QVERIFY(ticker.wait(5000));
        QTRY_COMPARE(label.text(), QString("Thread stop"));
        const QStringList texts = label.texts();
        for (int i = 1; i < texts.size() - 1; ++i)
            QCOMPARE(texts[i].at(0).unicode(), ushort(texts[i - 1].at(0).unicode() + 1));
        QCOMPARE(label.offThread(), 0);
        WindowProbe::tickerThread(w) = nullptr;
    }
};

QTEST_MAIN(DiagnosticsTest)
#include "tst_diagnostics.moc"
