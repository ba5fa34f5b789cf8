// A reader that floods the Status page, through the window's own receive path: the virtual
// reader behind a pseudo-terminal, the window connected to it over the serial line with its
// Status page shown, and the window's 100 ms poll reading whatever has arrived. Prints figures;
// asserts nothing.
//
//   bench_flood                        the longest event-loop stall: for each line length, 1 MiB
//                                      of lines at full line speed, then the last line going
//                                      on at 9600 baud for 3 s
//   bench_flood --minute S breaks|nobreaks
//                                      resident bytes per byte shown: key codes (ten digits,
//                                      with or without a CR) at 9600 baud for S seconds
//   bench_flood --fill MIB breaks|nobreaks
//                                      resident memory as MIB MiB of key codes arrive at full
//                                      line speed, past what the page keeps
//
// Output: "limit <key> <unit> <value> <goal> <what>" for a figure with a goal (at most), and
// lines for the reader; "stopped" when a phase did not end within its time.

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTextDocument>
#include <QTextEdit>
#include <QTimer>

#include <chrono>
#include <cstdio>
#include <functional>
#include <malloc.h>
#include <thread>
#include <unistd.h>

#include "window/app/mainwindow.h"
#include "box_answerer.h"
#include "quiet_debug.h"
#include "reader_model.h"
#include "serial_endpoint.h"
#include "window/ui/ui_mainwindow.h"
#include "window_probe.h"

namespace {

constexpr int MiB = 1 << 20;
constexpr int LineSpeed = 960;  // bytes a second at 9600 baud, 8N1
constexpr double StallGoalMs = 50;
constexpr double MemoryGoal = 20;
constexpr int PhaseTimeoutMs = 180000;

long residentBytes()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toLong() * sysconf(_SC_PAGESIZE) : 0;
}

// The gap between two turns of the event loop: a 1 ms timer notes the longest time between
// two of its ticks.
class StallProbe : public QObject
{
public:
    StallProbe()
    {
        timer_.setTimerType(Qt::PreciseTimer);
        connect(&timer_, &QTimer::timeout, this, [this] {
            longest_ = qMax(longest_, since_.nsecsElapsed());
            since_.start();
        });
    }
    void start()
    {
        longest_ = 0;
        since_.start();
        timer_.start(1);
    }
    double stop()
    {
        timer_.stop();
        return longest_ / 1e6;
    }

private:
    QTimer timer_;
    QElapsedTimer since_;
    qint64 longest_ = 0;
};

// Digits as key codes bring them, `count` of them, from key `key` on.
QByteArray digits(int count, int &key)
{
    QByteArray bytes;
    bytes.reserve(count + 10);
    while (bytes.size() < count)
        bytes += QByteArray::number(1000000000 + key++ % 1000000000);
    bytes.truncate(count);
    return bytes;
}

bool isLineEnd(QChar c)
{
    return c == QChar(QChar::ParagraphSeparator) || c == QChar(QChar::LineSeparator) || c == QLatin1Char('\n');
}

// The page ends with the marker (line ends after it left aside): everything sent before it
// has been shown.
bool pageEndsWith(const QTextDocument *doc, const QByteArray &marker)
{
    int at = doc->characterCount() - 2;
    while (at >= 0 && isLineEnd(doc->characterAt(at)))
        --at;
    for (int i = marker.size() - 1; i >= 0; --i, --at) {
        if (at < 0 || doc->characterAt(at) != QLatin1Char(marker[i]))
            return false;
    }
    return true;
}

bool runUntil(const std::function<bool()> &done, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > timeoutMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 10);
    }
    return true;
}

void settle(int ms)
{
    runUntil([] { return false; }, ms);
}

// Sends the bytes at 9600 baud from a thread of its own, so that a stalled window does not
// slow the line down.
std::thread sendAtLineSpeed(VirtualReader::SerialEndpoint &endpoint, const QByteArray &bytes)
{
    return std::thread([&endpoint, bytes] {
        constexpr int Piece = 12;  // every 12.5 ms
        auto next = std::chrono::steady_clock::now();
        for (int at = 0; at < bytes.size(); at += Piece) {
            endpoint.sendRaw(bytes.mid(at, Piece));
            next += std::chrono::microseconds(1000000 * Piece / LineSpeed);
            std::this_thread::sleep_until(next);
        }
    });
}

struct Session
{
    VirtualReader::SerialEndpoint endpoint {VirtualReader::Model::instance()};
    MainWindow *window = nullptr;

    bool open()
    {
        auto &model = VirtualReader::Model::instance();
        model.reset();
        model.setInterface(VirtualReader::Interface::Serial);
        if (!endpoint.start()) {
            std::fprintf(stderr, "no pseudo-terminal\n");
            return false;
        }
        window = new MainWindow;
        window->show();
        uiOf(*window)->Searal_radcmd->setChecked(true);
        uiOf(*window)->SerialNameEdit->setEnabled(true);
        uiOf(*window)->SerialNameEdit->setText(endpoint.portPath());
        QElapsedTimer clock;
        clock.start();
        {
            BoxAnswerer answerer(clock);
            uiOf(*window)->ConnectBut->click();
        }
        if (!linkOf(*window).serialActive) {
            std::fprintf(stderr, "the window did not connect to %s\n", qPrintable(endpoint.portPath()));
            return false;
        }
        uiOf(*window)->tabWidget->setCurrentIndex(0);
        settle(300);
        clear();
        return true;
    }
    void clear()
    {
        uiOf(*window)->ClearBut->click();
        settle(200);
    }
    const QTextDocument *page() const { return uiOf(*window)->ScannerEdit->document(); }
    ~Session()
    {
        delete window;  // before the endpoint, whose port it holds
    }
};

void limit(const char *key, const char *unit, double value, double goal, const QString &what)
{
    std::printf("limit %s %s %.1f %.0f %s\n", key, unit, value, goal, qPrintable(what));
    std::fflush(stdout);
}

QString lengthName(int length)
{
    if (length >= MiB)
        return QStringLiteral("%1 MiB").arg(length / MiB);
    if (length >= 1024)
        return QStringLiteral("%1 KiB").arg(length / 1024);
    return QStringLiteral("%1-byte").arg(length);
}

int stalls()
{
    Session session;
    if (!session.open())
        return 1;
    StallProbe probe;
    int key = 0;
    int phase = 0;
    for (int length : {11, 1024, 64 * 1024, MiB}) {
        // Lines of `length` bytes, the last one left open, the marker at its end.
        QByteArray bytes;
        while (bytes.size() < MiB - length)
            bytes += digits(length - 1, key) + '\r';
        const QByteArray marker = "#" + QByteArray::number(++phase) + "#";
        bytes += digits(length - 1 - marker.size(), key) + marker;

        QElapsedTimer clock;
        clock.start();
        probe.start();
        session.endpoint.sendRaw(bytes);
        const bool shown = runUntil([&] { return pageEndsWith(session.page(), marker); }, PhaseTimeoutMs);
        const double showMs = clock.elapsed();
        settle(300);
        const double full = probe.stop();
        const QString what = QStringLiteral("longest event-loop stall, 1 MiB in %1 lines at full line speed")
                                 .arg(lengthName(length));
        if (!shown) {
            std::printf("stopped: %s: not shown after %d s\n", qPrintable(what), PhaseTimeoutMs / 1000);
            return 1;
        }
        const QByteArray key2 = "status.stall.full." + QByteArray::number(length);
        limit(key2.constData(), "ms", full, StallGoalMs, what);
        std::printf("  1 MiB in %s lines at full line speed shown after %.1f s\n", qPrintable(lengthName(length)),
                    showMs / 1e3);

        // The same line goes on at 9600 baud.
        const QByteArray slow = "#" + QByteArray::number(++phase) + "#";
        probe.start();
        std::thread sender = sendAtLineSpeed(session.endpoint, digits(3 * LineSpeed - slow.size(), key) + slow);
        const bool slowShown = runUntil([&] { return pageEndsWith(session.page(), slow); }, PhaseTimeoutMs);
        sender.join();
        settle(300);
        const double atLineSpeed = probe.stop();
        const QString slowWhat = QStringLiteral("longest event-loop stall, a %1 line going on at 9600 baud for 3 s")
                                     .arg(lengthName(length));
        if (!slowShown) {
            std::printf("stopped: %s: not shown after %d s\n", qPrintable(slowWhat), PhaseTimeoutMs / 1000);
            return 1;
        }
        const QByteArray key3 = "status.stall.9600." + QByteArray::number(length);
        limit(key3.constData(), "ms", atLineSpeed, StallGoalMs, slowWhat);
        session.clear();
    }
    return 0;
}

QByteArray keyCodes(int count, bool lineBreaks, int &key)
{
    QByteArray bytes;
    bytes.reserve(count + 16);
    while (bytes.size() < count) {
        bytes += QByteArray::number(1000000000 + key++ % 1000000000);
        if (lineBreaks)
            bytes += '\r';
    }
    bytes.truncate(count);
    return bytes;
}

int minute(int seconds, bool lineBreaks)
{
    Session session;
    if (!session.open())
        return 1;
    settle(1000);
    int key = 0;
    const QByteArray marker = "#end#";
    const QByteArray bytes = keyCodes(seconds * LineSpeed - marker.size(), lineBreaks, key) + marker;
    const long before = residentBytes();
    const size_t heapBefore = mallinfo2().uordblks;
    std::thread sender = sendAtLineSpeed(session.endpoint, bytes);
    const bool shown = runUntil([&] { return pageEndsWith(session.page(), marker); }, seconds * 1000 + PhaseTimeoutMs);
    sender.join();
    settle(1000);
    const double perByte = double(residentBytes() - before) / bytes.size();
    const double heapPerByte = double(mallinfo2().uordblks - heapBefore) / bytes.size();
    const char *variant = lineBreaks ? "with line breaks" : "without line breaks";
    if (!shown) {
        std::printf("stopped: key codes %s at 9600 baud not shown in time\n", variant);
        return 1;
    }
    const QByteArray key2 = QByteArray("status.memory.9600.") + (lineBreaks ? "breaks" : "nobreaks");
    limit(key2.constData(), "B/B", perByte, MemoryGoal,
          QStringLiteral("resident bytes per byte shown, %1 s of key codes %2 at 9600 baud").arg(seconds).arg(variant));
    std::printf("  %d s of key codes %s at 9600 baud: %.1f resident and %.1f heap bytes per byte shown\n", seconds,
                variant, perByte, heapPerByte);
    return 0;
}

int fill(int mebibytes, bool lineBreaks)
{
    Session session;
    if (!session.open())
        return 1;
    settle(1000);
    const long before = residentBytes();
    const char *variant = lineBreaks ? "with line breaks" : "without line breaks";
    std::printf("  key codes %s at full line speed, resident growth in MiB after each 2 MiB:", variant);
    int key = 0;
    QElapsedTimer clock;
    clock.start();
    for (int batch = 1; batch <= mebibytes; ++batch) {
        const QByteArray marker = "#" + QByteArray::number(batch) + "#";
        session.endpoint.sendRaw(keyCodes(MiB - marker.size(), lineBreaks, key) + marker);
        if (!runUntil([&] { return pageEndsWith(session.page(), marker); }, PhaseTimeoutMs)) {
            std::printf(" ... stopped: MiB %d not shown after %d s\n", batch, PhaseTimeoutMs / 1000);
            return 1;
        }
        if (batch % 2 == 0) {
            std::printf(" %.1f", (residentBytes() - before) / double(MiB));
            std::fflush(stdout);
        }
    }
    std::printf(" (%.0f s; the page holds %d characters in %d paragraphs)\n", clock.elapsed() / 1e3,
                session.page()->characterCount(), session.page()->blockCount());
    return 0;
}

}  // namespace

int main(int argc, char **argv)
{
    quietDebugLines();
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 4 && (args[1] == "--minute" || args[1] == "--fill")) {
        const bool lineBreaks = args[3] == "breaks";
        const int amount = args[2].toInt();
        return args[1] == "--minute" ? minute(amount, lineBreaks) : fill(amount, lineBreaks);
    }
    return stalls();
}
