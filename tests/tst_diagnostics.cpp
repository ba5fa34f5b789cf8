#include <QtTest>

#include <QLabel>
#include <QMutex>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>

#include "app/char_thread.h"
#include "app/mainwindow.h"
#include "platform/platform.h"
#include "reader_model.h"
#include "test_support.h"
#include "ui/ui_mainwindow.h"

using VirtualReader::Model;

Q_DECLARE_METATYPE(QList<Platform::PortRecord>)

namespace {

// Records every text it is given and the thread that gave it. invokeMethod by name finds this
// slot before QLabel's own.
class WatchedLabel : public QLabel
{
    Q_OBJECT
public:
    QStringList texts() const
    {
        QMutexLocker lock(&mutex);
        return shown;
    }
    bool allOnGuiThread() const
    {
        QMutexLocker lock(&mutex);
        return offGuiThread == 0;
    }

public slots:
    void setText(const QString &text)
    {
        {
            QMutexLocker lock(&mutex);
            shown.append(text);
            if (QThread::currentThread() != thread())
                ++offGuiThread;
        }
        QLabel::setText(text);
    }

private:
    mutable QMutex mutex;
    QStringList shown;
    int offGuiThread = 0;
};

const QString ReadLine = QStringLiteral("Data read:\n   ");

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
        w.ui->tabWidget->setCurrentWidget(w.ui->Membrane_tab);
        QCOMPARE(w.link.currentTab, quint8(0));
        w.ui->tabWidget->setCurrentWidget(w.ui->Keylon_tab);
        QCOMPARE(w.link.currentTab, quint8(1));
        QVERIFY(QMetaObject::invokeMethod(&w, "tabChange", Q_ARG(int, 0x102)));
        QCOMPARE(w.link.currentTab, quint8(2));
    }

    void shouldListThePorts_data()
    {
        QTest::addColumn<QList<Platform::PortRecord>>("ports");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("none") << QList<Platform::PortRecord>() << QStringList{"List of ports:\n", "0"};
        QList<Platform::PortRecord> two{
            {"ttyACM0", "Nuvoton Virtual Com Port", "/dev/ttyACM0", "Nuvoton"},
            {"/dev/pts/4", QString::fromUtf8("Späť 100%s"), "", ""},
        };
        QTest::newRow("two") << two
                             << QStringList{"List of ports:\n", "2",
                                            "ttyACM0", "Nuvoton Virtual Com Port", "/dev/ttyACM0", "Nuvoton",
                                            "===================================\n\n",
                                            "/dev/pts/4", QString::fromUtf8("Späť 100%s"), "", "",
                                            "===================================\n\n"};
    }
    void shouldListThePorts()
    {
        QFETCH(QList<Platform::PortRecord>, ports);
        QFETCH(QStringList, expected);
        MainWindow w;
        w.EnableControls(true);
        Platform::setPortEnumerator([ports] { return ports; });
        DebugCapture debug;
        w.ui->TestBut->click();
        QCOMPARE(debug.lines(), expected);
    }

    void shouldOnlyReportWhenNoDiagnosticDeviceIsThere()
    {
        MainWindow w;
        // An open link must survive a dump that finds nothing.
        hid_device *open = hid_open(0x0416, 0xF100, nullptr);
        QVERIFY(open);
        w.link.hidDevice = open;
        DebugCapture debug;
        QVERIFY(QMetaObject::invokeMethod(&w, "threadStart"));
        QCOMPARE(debug.lines(), QStringList{"unable to open device\n"});
        QCOMPARE(w.link.hidDevice, open);
    }

    void shouldDumpTheDiagnosticDevice()
    {
        Model::instance().setHidProductId(0xC141);
        VirtualReader::Settings settings = Model::instance().settings();
        settings.options = 0x2A;
        settings.outputLength = 0x13;
        Model::instance().setSettings(settings);
        MainWindow w;
        FastPauses pauses;
        DebugCapture debug;
        QVERIFY(QMetaObject::invokeMethod(&w, "threadStart"));

        const QStringList lines = debug.lines();
        const QStringList head{"Manufacturer String: Keylon\n", "Product String: Keylon2 Key Reader\n",
                               "Serial Number String: (75) KLN2-000001", "Indexed String 1: Keylon\n"};
        QCOMPARE(lines.mid(0, 4), head);
        const int dataAt = lines.indexOf(ReadLine);
        QVERIFY2(dataAt >= 4, qPrintable(lines.join('|')));
        for (int i = 4; i < dataAt; ++i)
            QCOMPARE(lines[i], QString("waiting...\n"));
        const QStringList bytes = lines.mid(dataAt + 1);
        QCOMPARE(bytes.size(), 64);  // the payload, without a report ID
        const QRegularExpression hexByte("^[0-9a-f]{2} $");
        for (const QString &byte : bytes)
            QVERIFY2(hexByte.match(byte).hasMatch(), qPrintable(byte));
        QCOMPARE(bytes[8], QString("2a "));
        QCOMPARE(bytes[10], QString("13 "));
        QCOMPARE(bytes[48], QString("ff "));  // the complement of sequence number 0

        // The status frame with report ID 0 and sequence byte 0 went out.
        const QList<QByteArray> frames = Model::instance().receivedFrames();
        QVERIFY(!frames.isEmpty());
        QByteArray expected(65, '\0');
        expected[1] = 0x1B;
        expected[2] = 0x42;
        expected[8] = 0x0D;
        QCOMPARE(frames.last().toHex(' '), expected.toHex(' '));

        QVERIFY(w.link.hidDevice);
        QCOMPARE(w.link.connected, quint8(0));
        QCOMPARE(w.link.hidActive, quint8(0));
    }

    // A device that never answers must not hold the window for ever.
    void shouldGiveUpWaitingForAnAnswer_data()
    {
        QTest::addColumn<bool>("noAnswer");
        QTest::addColumn<bool>("failWrites");
        QTest::addColumn<int>("waits");
        QTest::newRow("silent device") << true << false << 10;
        QTest::newRow("failing reads") << false << false << 0;
        QTest::newRow("failing writes") << false << true << 10;
    }
    void shouldGiveUpWaitingForAnAnswer()
    {
        QFETCH(bool, noAnswer);
        QFETCH(bool, failWrites);
        QFETCH(int, waits);
        Model::instance().setHidProductId(0xC141);
        VirtualReader::Faults faults;
        faults.noAnswer = noAnswer;
        faults.failReads = !noAnswer && !failWrites;
        faults.failAllWrites = failWrites;
        Model::instance().setFaults(faults);
        MainWindow w;
        FastPauses pauses;
        DebugCapture debug;
        QVERIFY(QMetaObject::invokeMethod(&w, "threadStart"));

        QStringList tail = debug.lines().mid(4);
        if (failWrites) {
            QCOMPARE(tail.value(0), QString("Unable to write()\n"));
            QVERIFY(tail.value(1).startsWith("Error: "));
            tail = tail.mid(2);
        }
        QStringList expected;
        for (int i = 0; i < waits; ++i)
            expected << "waiting...\n";
        expected << "Unable to read()\n" << ReadLine;
        QCOMPARE(tail, expected);
        QCOMPARE(pauses.requested(), QList<unsigned>() << QVector<unsigned>(waits, 500).toList());
    }

    void shouldFlipThePauseOfTheTicker()
    {
        MainWindow w;
        QVERIFY(QMetaObject::invokeMethod(&w, "threadPause"));  // no ticker: nothing happens
        QLabel label;
        charThread ticker(&label);
        w.tickerThread = &ticker;
        QVERIFY(QMetaObject::invokeMethod(&w, "threadPause"));
        QVERIFY(ticker.isPaused());
        QVERIFY(QMetaObject::invokeMethod(&w, "threadPause"));
        QVERIFY(!ticker.isPaused());
        w.tickerThread = nullptr;
    }

    void shouldTickPauseAndStopOnTheGuiThread()
    {
        WatchedLabel label;
        charThread ticker(&label);
        ticker.start();

        // Texts reach the label only through the GUI thread's event loop.
        QThread::msleep(350);
        QVERIFY(label.texts().isEmpty());
        QTRY_VERIFY(label.texts().size() >= 3);
        QCOMPARE(label.texts().mid(0, 3), (QStringList{"A", "B", "C"}));

        ticker.togglePause();
        QTest::qWait(500);  // let a tick that was under way arrive
        const int paused = label.texts().size();
        QTest::qWait(400);
        QCOMPARE(label.texts().size(), paused);

        ticker.togglePause();
        QTRY_VERIFY(label.texts().size() > paused);

        // A stop ends a pause too.
        ticker.togglePause();
        ticker.stop();
        QVERIFY(ticker.wait(5000));
        QTRY_COMPARE(label.texts().value(label.texts().size() - 1), QString("Thread stop"));

        const QStringList texts = label.texts();
        for (int i = 1; i < texts.size() - 1; ++i)
            QCOMPARE(int(texts[i].at(0).unicode()), int(texts[i - 1].at(0).unicode()) + 1);
        QVERIFY(label.allOnGuiThread());
        QCOMPARE(label.text(), QString("Thread stop"));
    }
};

QTEST_MAIN(DiagnosticsTest)
#include "tst_diagnostics.moc"
