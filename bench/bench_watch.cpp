// The reader watcher: what waiting for readers costs, and how soon a plugged reader is seen.
//
//   bench_watch [RUNS]
//
// Idle: the watcher runs for RUNS spells of 4 s with four virtual USB HID readers attached and
// the system's serial ports listed as they are; the process's CPU time over the wall time is
// the share of one core it takes while waiting. Listing once a second (the fallback), on the
// device directory (inotify, what a machine without udev runs; the plug directory stands for
// /dev), and on udev's monitor where udev runs. Pick-up: 2 * RUNS readers are plugged in one
// after another through the plug directory, each at a random moment, in listing mode and on
// the device directory; the time from the file's creation to appeared() is measured. Virtual
// readers give no udev events.
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

#include "core/link/reader_watcher.h"
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

ReaderWatcher::Options listing()
{
    ReaderWatcher::Options options;
    options.listingOnly = true;
    return options;
}

// The plug directory as the virtual readers' /dev, as keylon2ctl-demo watches it.
ReaderWatcher::Options deviceDirectory(const QTemporaryDir &dir)
{
    ReaderWatcher::Options options;
    options.directories = {{dir.path(), {QStringLiteral("hid-*")}, [](const QString &) { return QString(); }}};
    return options;
}

// The share of a core (in %) the watcher takes while nothing is plugged, per spell; none when
// the watcher does not run in `wanted` mode here.
QList<double> idle(const ReaderWatcher::Options &options, ReaderWatcher::Mode wanted, int runs)
{
    ReaderWatcher watcher(options);
    watcher.start();
    QList<double> shares;
    if (watcher.mode() != wanted)
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

// Plugged to appeared, in ms, for `count` readers from `first` on, each at a random moment.
QList<double> pickups(const ReaderWatcher::Options &options, const QTemporaryDir &dir, int first, int count)
{
    ReaderWatcher watcher(options);
    QElapsedTimer sincePlug;
    double seen = -1;
    QObject::connect(&watcher, &ReaderWatcher::appeared, [&](const ReaderList::Reader &) {
        if (sincePlug.isValid())
            seen = double(sincePlug.nsecsElapsed()) / 1e6;
    });
    watcher.start();
    QList<double> times;
    for (int number = first; number < first + count; ++number) {
        wait(int(QRandomGenerator::global()->bounded(1000)));
        seen = -1;
        sincePlug.start();
        if (!plug(dir, number))
            return {};
        QElapsedTimer limit;
        limit.start();
        while (seen < 0 && limit.elapsed() < 5000)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        if (seen < 0) {
            std::fprintf(stderr, "watch.pickup: reader %d was not seen within 5 s\n", number);
            return {};
        }
        times << seen;
    }
    return times;
}

void worst(const char *key, const QList<double> &times, double limit, const char *what)
{
    const double most = *std::max_element(times.cbegin(), times.cend());
    std::printf("figure %s ms %.3f %g 1 %.3f %.3f %s (worst of %d)\n", key, most, limit, most, most, what,
                int(times.size()));
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

    figure("watch.idle.listing", "%", idle(listing(), ReaderWatcher::Mode::Listing, runs), 1,
           "reader watcher, listing once a second: CPU while waiting (% of one core)");
    figure("watch.idle.directory", "%", idle(deviceDirectory(dir), ReaderWatcher::Mode::DeviceDirectory, runs), 0.2,
           "reader watcher on the device directory (inotify): CPU while waiting (% of one core)");
    const QList<double> udev = idle(ReaderWatcher::Options(), ReaderWatcher::Mode::Udev, runs);
    if (!udev.isEmpty())
        figure("watch.idle.udev", "%", udev, 0.2, "reader watcher on udev's monitor: CPU while waiting (% of one core)");
    else
        std::printf("note watch.idle.udev: not measured, udev does not run here (no /run/udev/control)\n");

    // Virtual readers give no udev events: the pick-up is measured for the two other ways.
    const QList<double> listed = pickups(listing(), dir, 5, 2 * runs);
    const QList<double> watched = pickups(deviceDirectory(dir), dir, 5 + 2 * runs, 2 * runs);
    if (listed.isEmpty() || watched.isEmpty())
        return 1;
    figure("watch.pickup.listing", "ms", listed, 1000, "reader watcher, listing mode: plugged to appeared (median)");
    worst("watch.pickup.listing.worst", listed, 1000, "reader watcher, listing mode: plugged to appeared");
    figure("watch.pickup.directory", "ms", watched, 500,
           "reader watcher on the device directory: plugged to appeared (median)");
    worst("watch.pickup.directory.worst", watched, 1000, "reader watcher on the device directory: plugged to appeared");
    return 0;
}
