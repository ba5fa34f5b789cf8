// The window while it talks to the reader: the exchange runs on a worker thread, and the window
// answers meanwhile, holds off what must wait, and puts a close off until the reader has had
// the whole exchange.
#include <QCursor>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "core/platform/platform.h"
#include "reader_fixture.h"
#include "reader_model.h"
#include "test_support.h"
#include "window/app/mainwindow.h"
#include "window/connection/exchange_runner.h"
#include "window/ui/ui_mainwindow.h"
#include "window_probe.h"

namespace {

VirtualReader::Model &model() { return VirtualReader::Model::instance(); }

// Each named widget of the window and whether it is enabled of its own.
QMap<QString, bool> enabledFlags(MainWindow &window)
{
    QMap<QString, bool> flags;
    for (QWidget *widget : window.findChildren<QWidget *>()) {
        if (!widget->objectName().isEmpty())
            flags.insert(widget->objectName(), !widget->testAttribute(Qt::WA_ForceDisabled));
    }
    return flags;
}

Qt::CursorShape busyCursor()
{
    return QApplication::overrideCursor() ? QApplication::overrideCursor()->shape() : Qt::ArrowCursor;
}

}  // namespace

class WindowThreadsTest : public QObject
{
    Q_OBJECT

    ReaderFixture::Bench bench;

private slots:
    void init() { bench.start(); }
    void cleanup() { bench.stop(); }

    void shouldAnswerAndHoldOffWhileReading_data()
    {
        QTest::addColumn<bool>("serial");
        QTest::newRow("USB HID") << false;
        QTest::newRow("serial") << true;
    }
    // With the reader's real pauses a read takes a second or more; the window's timers keep
    // coming meanwhile, the controls that must wait are disabled under a busy cursor, and
    // neither a write nor a disconnect gets in.
    void shouldAnswerAndHoldOffWhileReading()
    {
        QFETCH(bool, serial);
        ReaderFixture::Reader reader;
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(reader.connectQuietly(window, serial));
        Ui::MainWindow &ui = *uiOf(window);
        ui.GetKLNStatusBut->setFocus();
        const QMap<QString, bool> before = enabledFlags(window);
        Platform::setSleepFunction(nullptr);

        QElapsedTimer clock;
        QList<qint64> ticks;
        bool sampled = false, buttonsDisabled = false;
        Qt::CursorShape cursor = Qt::ArrowCursor;
        QTimer ticker;
        ticker.setInterval(10);
        qint64 boxAt = -1;
        connect(&ticker, &QTimer::timeout, this, [&] {
            if (boxAt < 0)
                ticks << clock.elapsed();
            if (sampled || !WindowProbe::exchanging(window))
                return;
            sampled = true;
            cursor = busyCursor();
            buttonsDisabled = !ui.ConnectBut->isEnabled() && !ui.SetKLNStatusBut->isEnabled()
                && !ui.GetKLNStatusBut->isEnabled() && !ui.Searal_radcmd->isEnabled();
            window.SetKLNValueClick();
            window.ConnectClick();
        });
        ModalCloser closer;
        closer.setInspector([&](QMessageBox *) {
            if (boxAt < 0)
                boxAt = clock.elapsed();
        });
        clock.start();
        ticker.start();
        window.GetKLNValueClick();
        ticker.stop();

        QCOMPARE(closer.count(), 1);
        QCOMPARE(closer.last().text, QStringLiteral("Successfully obtained Keylon the set value"));
        QVERIFY2(boxAt >= 500, qPrintable(QStringLiteral("the read took %1 ms").arg(boxAt)));
        ticks.prepend(0);
        ticks.append(boxAt);
        qint64 longest = 0;
        for (int i = 1; i < ticks.size(); ++i)
            longest = qMax(longest, ticks[i] - ticks[i - 1]);
        // Generous for a loaded machine: a window that waited on the reader would show one gap
        // as long as the read.
        QVERIFY2(ticks.size() >= 6 && longest < boxAt / 3,
                 qPrintable(QStringLiteral("%1 ticks, longest gap %2 ms of %3 ms").arg(ticks.size()).arg(longest).arg(boxAt)));
        QVERIFY(sampled);
        QCOMPARE(cursor, Qt::WaitCursor);
        QVERIFY(buttonsDisabled);

        // Only the read went out: the write and the disconnect asked for meanwhile did nothing.
        QVERIFY(linkOf(window).connected);
        QCOMPARE(model().receivedFrames().size(), serial ? 6 : 4);
        QCOMPARE(busyCursor(), Qt::ArrowCursor);
        QCOMPARE(enabledFlags(window), before);
        QCOMPARE(window.focusWidget(), static_cast<QWidget *>(ui.GetKLNStatusBut));
    }

    void shouldCloseOnlyOnceTheWriteIsWhole_data()
    {
        QTest::addColumn<bool>("serial");
        QTest::newRow("USB HID") << false;
        QTest::newRow("serial") << true;
    }
    // A close asked for while a write runs waits: the reader gets every frame of it, the
    // operator its box, and then the window closes.
    void shouldCloseOnlyOnceTheWriteIsWhole()
    {
        QFETCH(bool, serial);
        ReaderFixture::Reader reader;
        auto window = std::make_unique<MainWindow>();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QVERIFY(reader.connectQuietly(*window, serial));
        // The same write once without a close, for the frames it sends.
        QCOMPARE(ReaderFixture::clickAnswering(*window, "SetKLNStatusBut").size(), 1);
        QVERIFY(ReaderFixture::waitUntil([] { return !model().receivedFrames().isEmpty(); }));
        QTest::qWait(serial ? 300 : 50);
        const QList<QByteArray> whole = model().receivedFrames();
        model().clearReceived();

        bool closedAtOnce = true;
        QTimer::singleShot(0, this, [&] {
            if (WindowProbe::exchanging(*window))
                closedAtOnce = window->close();
        });
        ModalCloser closer;
        bool shownUnderBox = false;
        closer.setInspector([&](QMessageBox *) { shownUnderBox = window->isVisible(); });
        window->SetKLNValueClick();

        QVERIFY(!closedAtOnce);
        QCOMPARE(closer.count(), 1);
        QCOMPARE(closer.last().text, QStringLiteral("Successfully set Keylon set value"));
        QVERIFY(shownUnderBox);
        QVERIFY(ReaderFixture::waitUntil([&] { return !window->isVisible(); }, 3000));
        QVERIFY(ReaderFixture::waitForFrames(whole.size()));
        QCOMPARE(model().receivedFrames(), whole);
        QCOMPARE(busyCursor(), Qt::ArrowCursor);
        // The worker ends with the window; one still running would abort the program here.
        window.reset();
    }

    // A slot that runs inside the wait and starts an exchange of its own is refused by the
    // runner itself, whatever the build: the reader never gets it, and the one under way ends
    // as it would have.
    void shouldRefuseAnExchangeInsideAnother()
    {
        ExchangeRunner runner;
        bool innerRan = false;
        std::optional<int> inner = 0;
        bool innerVoid = true;
        QTimer::singleShot(0, this, [&] {
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("already running"));
            inner = runner.run(nullptr, [&] { innerRan = true; return 2; });
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("already running"));
            innerVoid = runner.run(nullptr, [&] { innerRan = true; });
        });
        const std::optional<int> outer = runner.run(nullptr, [] { QThread::msleep(200); return 1; });
        QCOMPARE(outer, std::optional<int>(1));
        QVERIFY(!inner);
        QVERIFY(!innerVoid);
        QVERIFY(!innerRan);
        QVERIFY(!runner.busy());
        QVERIFY(runner.run(nullptr, [] {}));
    }
};

QTEST_MAIN(WindowThreadsTest)
#include "tst_window_threads.moc"
