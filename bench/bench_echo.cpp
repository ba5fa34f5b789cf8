// Measures what echoing one chunk on the Status page costs once the page holds 1,000 or
// 100,000 chunks, against re-setting the whole text. Prints figures; asserts nothing.

#include <QApplication>
#include <QElapsedTimer>
#include <QTextEdit>

#include <cstdio>

#include "window/app/mainwindow.h"
#include "window/status_page/status_log.h"
#include "quiet_debug.h"
#include "window/ui/ui_mainwindow.h"
#include "window_probe.h"

namespace {

// Echoes `total` chunks; returns the mean time per chunk, in microseconds, of the last
// `window` of them. Each chunk is followed by an event-loop turn, as between two polls.
double echoCost(int total, int window, bool wholeText)
{
    MainWindow w;
    w.EnableControls(true);
    w.show();
    QTextEdit *edit = uiOf(w)->ScannerEdit;
    const QByteArray chunk("0012345678\r");
    qint64 lastNs = 0;
    QElapsedTimer clock;
    for (int i = 0; i < total; ++i) {
        const bool measured = i >= total - window;
        if (measured)
            clock.start();
        if (wholeText) {
            edit->setText(edit->toPlainText() + QString::fromUtf8(chunk));
        } else {
            StatusLog &log = StatusLog::of(edit);
            log.echo(chunk);
            log.flush();  // shown now rather than with the next frame
        }
        QCoreApplication::processEvents();
        if (measured)
            lastNs += clock.nsecsElapsed();
    }
    return lastNs / 1e3 / window;
}

}  // namespace

int main(int argc, char **argv)
{
    quietDebugLines();
    QApplication app(argc, argv);
    std::printf("Status page echo of an 11-byte chunk, mean of the last 100 chunks:\n");
    for (int total : {1000, 100000}) {
        QElapsedTimer clock;
        clock.start();
        const double perChunk = echoCost(total, 100, false);
        std::printf("  insert at the end: after %6d chunks %8.1f us per chunk (whole run %.1f s)\n",
                    total, perChunk, clock.elapsed() / 1e3);
    }
    for (int total : {1000, 5000}) {
        const double perChunk = echoCost(total, 100, true);
        std::printf("  re-set whole text: after %6d chunks %8.1f us per chunk (for comparison)\n",
                    total, perChunk);
    }
    return 0;
}
