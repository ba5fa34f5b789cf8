// A reader that sends key ID codes without a pause, on the Status page: chunks of 96 bytes as
// the 100 ms poll takes them at 9600 baud, each through the window's receive path, each
// followed by an event-loop turn (the page is shown, so it is laid out and painted). Prints
// the longest time one chunk held the event loop, and how much the process grew per byte
// shown. Asserts nothing.
//
//   bench_flood [bytes ...]    default: 57600 (a minute at 9600 baud) and 1048576

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTextEdit>

#include <cstdio>
#include <malloc.h>
#include <unistd.h>

#include "app/mainwindow.h"
#include "quiet_debug.h"
#include "ui/ui_mainwindow.h"
#include "window_probe.h"

namespace {

constexpr int ChunkBytes = 96;   // 9600 baud is 960 bytes a second, the poll runs every 100 ms

long residentBytes()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toLong() * sysconf(_SC_PAGESIZE) : 0;
}

// Key ID codes as the reader sends them: ten digits, then the postamble when there is one.
QByteArray keyCodes(int bytes, bool lineBreaks)
{
    QByteArray codes;
    codes.reserve(bytes + 16);
    for (int key = 0; codes.size() < bytes; ++key) {
        codes += QByteArray::number(1000000000 + key % 1000000000);
        if (lineBreaks)
            codes += '\r';
    }
    codes.truncate(bytes);
    return codes;
}

void flood(int bytes, bool lineBreaks)
{
    MainWindow w;
    w.EnableControls(true);
    w.show();
    QCoreApplication::processEvents();
    const QByteArray codes = keyCodes(bytes, lineBreaks);

    const long before = residentBytes();
    const size_t heapBefore = mallinfo2().uordblks;
    qint64 longestNs = 0;
    int longestAt = 0;
    QElapsedTimer whole;
    whole.start();
    QElapsedTimer clock;
    for (int at = 0; at < codes.size(); at += ChunkBytes) {
        clock.start();
        WindowProbe::receiveChunk(w, codes.mid(at, ChunkBytes));
        QCoreApplication::processEvents();
        const qint64 ns = clock.nsecsElapsed();
        if (ns > longestNs) {
            longestNs = ns;
            longestAt = at;
        }
    }
    const double seconds = whole.elapsed() / 1e3;
    const long grown = residentBytes() - before;
    const double heapPerByte = double(mallinfo2().uordblks - heapBefore) / bytes;
    const QString shown = uiOf(w)->ScannerEdit->toPlainText();

    std::printf("%8d bytes %s: longest stall %7.1f ms (at byte %d), %6.1f bytes of memory (%.1f of heap) per byte"
                " shown, %d characters on the page, whole run %.1f s\n",
                bytes, lineBreaks ? "with line breaks   " : "without line breaks", longestNs / 1e6,
                longestAt, double(grown) / bytes, heapPerByte, int(shown.size()), seconds);
    std::fflush(stdout);
}

}  // namespace

int main(int argc, char **argv)
{
    quietDebugLines();
    QApplication app(argc, argv);
    QList<int> sizes;
    for (int i = 1; i < argc; ++i)
        sizes << QByteArray(argv[i]).toInt();
    if (sizes.isEmpty())
        sizes = {57600, 1048576};
    for (int bytes : sizes) {
        flood(bytes, true);
        flood(bytes, false);
    }
    return 0;
}
