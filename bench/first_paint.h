#pragma once

// The common end of the two start-up programs: shows the window and, when its first frame has
// been painted, prints how long this process has been running and leaves at once.
//
// "Running since" is taken from KEYLON2_BENCH_T0_NS, the CLOCK_MONOTONIC time at which the
// launcher (bench_startup) was about to start the process; without it the figure counts from
// main(). The first frame is the window's first paint event and the rest of that event-loop
// turn (the turn that also hands the frame to the display): a timer of 0 ms set from the paint
// event fires once that turn is done.

#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <unistd.h>

namespace FirstPaint {

inline long long monotonicNs()
{
    timespec now {};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1000000000LL + now.tv_nsec;
}

inline long long startNs()
{
    static const long long start = [] {
        const char *t0 = std::getenv("KEYLON2_BENCH_T0_NS");
        return t0 ? std::atoll(t0) : monotonicNs();
    }();
    return start;
}

class Watcher : public QObject
{
public:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            QTimer::singleShot(0, [] {
                std::printf("first-paint-ms %.2f\n", (monotonicNs() - startNs()) / 1e6);
                std::fflush(stdout);
                _exit(0);  // the figure is taken; tearing the window down is not part of it
            });
        }
        return false;
    }

private:
    bool seen_ = false;
};

// Call first thing in main(), then show the window through show(). Each mark prints how long
// the process has been running when it is reached, for the launcher's break-down.
inline void mark(const char *phase)
{
    std::printf("%s-ms %.2f\n", phase, (monotonicNs() - startNs()) / 1e6);
}

inline void markStart()
{
    mark("main");
}

inline int show(QWidget &window)
{
    static Watcher watcher;
    mark("constructed");
    window.installEventFilter(&watcher);
    window.show();
    // A window that never paints (no display) must not hang the benchmark.
    QTimer::singleShot(20000, [] {
        std::fprintf(stderr, "no paint within 20 s\n");
        _exit(3);
    });
    return 0;
}

}  // namespace FirstPaint
