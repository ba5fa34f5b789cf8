// The reader watcher: what waiting for readers costs, and how soon a plugged reader is seen.
//
//   bench_watch [RUNS]
//
// Idle: the watcher runs for RUNS spells of 4 s with four virtual USB HID readers attached and
// the system's serial ports listed as they are; the process's CPU time over the wall time is
// the share of one core it takes while waiting. In listing mode (what a machine without udev
// runs) always, and in udev mode too where udev runs. Pick-up: 2 * RUNS readers are plugged in
// one after another through the plug directory, each at a random moment of the listing's
// cycle; the time from the file's creation to appeared() is measured. Virtual readers give no
// udev events, so the pick-up is the listing mode's, the slower of the two.
//
// Prints "figure KEY UNIT MEDIAN LIMIT RUNS MIN MAX WHAT" lines, as scripts/bench.sh reads them;
// the limit is the goal itself.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <hidapi.h>
#include <sys/resource.h>

#include "link/reader_watcher.h"
#include "plug_dir.h"
#include "quiet_debug.h"

namespace {

double cpuSeconds()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
        + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

void wait(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

bool plug(const QTemporaryDir &dir, int number)
{
    QFile file(dir.filePath(QStringLiteral("hid-%1").arg(number)));
    return file.open(QIODevice::WriteOnly);
}

void figure(const char *key, const char *unit, QList<double> values, double limit, const char *what)
{
    std::sort(values.begin(), values.end());
    const double median = values[(values.size() - 1) / 2];
    std::printf("figure %s %s %.3f %g %d %.3f %.3f %s\n", key, unit, median, limit, int(values.size()),
                values.first(), values.last(), what);
    std::fflush(stdout);
}

// The share of a core (in %) the watcher takes while nothing is plugged, per spell.
QList<double> idle(bool listingOnly, int runs, ReaderWatcher::Mode *mode)
{
    ReaderWatcher::Options options;
    options.listingOnly = listingOnly;
    ReaderWatcher watcher(options);
    watcher.start();
    *mode = watcher.mode();
    QList<double> shares;
    if (!listingOnly && *mode != ReaderWatcher::Mode::Udev)
        return shares;
    wait(1000);  // past the first listing and any lazy set-up
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer wall;
        wall.start();
        const double before = cpuSeconds();
        wait(4000);
        shares << (cpuSeconds() - before) / (double(wall.nsecsElapsed()) / 1e9) * 100.0;
    }
    return shares;
}

}  // namespace

int main(int argc, char **argv)
{
    quietDebugLines();
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? qMax(1, QByteArray(argv[1]).toInt()) : 5;
    QTemporaryDir dir;
    if (!dir.isValid())
        return 1;
    hid_init();
    VirtualReader::PlugDir::followUsbHid(dir.path());
    for (int number = 1; number <= 4; ++number)
        plug(dir, number);

    ReaderWatcher::Mode mode;
    figure("watch.idle.listing", "%", idle(true, runs, &mode), 1,
           "reader watcher, listing once a second: CPU while waiting (% of one core)");
    const QList<double> udev = idle(false, runs, &mode);
    if (mode == ReaderWatcher::Mode::Udev)
        figure("watch.idle.udev", "%", udev, 1, "reader watcher on udev's monitor: CPU while waiting (% of one core)");
    else
        std::printf("note watch.idle.udev: not measured, udev does not run here (no /run/udev/control)\n");

    ReaderWatcher::Options options;
    options.listingOnly = true;
    ReaderWatcher watcher(options);
    QElapsedTimer sincePlug;
    double seen = -1;
    QObject::connect(&watcher, &ReaderWatcher::appeared, [&](const ReaderList::Reader &) {
        if (sincePlug.isValid())
            seen = double(sincePlug.nsecsElapsed()) / 1e6;
    });
    watcher.start();
    QList<double> pickups;
    for (int number = 5; number < 5 + 2 * runs; ++number) {
        wait(int(QRandomGenerator::global()->bounded(1000)));
        seen = -1;
        sincePlug.start();
        if (!plug(dir, number))
            return 1;
        QElapsedTimer limit;
        limit.start();
        while (seen < 0 && limit.elapsed() < 5000)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        if (seen < 0) {
            std::fprintf(stderr, "watch.pickup: reader %d was not seen within 5 s\n", number);
            return 1;
        }
        pickups << seen;
    }
    figure("watch.pickup.listing", "ms", pickups, 1000, "reader watcher, listing mode: plugged to appeared (median)");
    const double worst = *std::max_element(pickups.cbegin(), pickups.cend());
    std::printf("figure watch.pickup.listing.worst ms %.3f 1000 1 %.3f %.3f reader watcher, listing mode: plugged "
                "to appeared (worst of %d)\n",
                worst, worst, worst, int(pickups.size()));
    return 0;
}
