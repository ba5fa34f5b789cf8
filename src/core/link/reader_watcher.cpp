#include "core/link/reader_watcher.h"

#include <QDir>
#include <QHash>
#include <QFileInfo>
#include <QMutex>
#include <QSocketNotifier>

#include <algorithm>
#include <utility>

#ifdef KEYLON2_HAVE_UDEV
#include <libudev.h>
#endif

#ifdef Q_OS_LINUX
#include <cerrno>
#include <sys/inotify.h>
#include <unistd.h>
#endif

#include "core/link/transport_descriptor.h"

namespace {

// udev's daemon makes this socket; without it the monitor would be silent.
const QString UdevControl = QStringLiteral("/run/udev/control");
// Events that keep coming (a hub full of devices) still get a listing this soon.
constexpr int MaxSettleMs = 500;

QString identity(const ReaderList::Reader &reader)
{
    return reader.device() + QLatin1Char('\n') + reader.serialNumber;
}

// The directories set for the process; the demo builds set theirs before main runs.
struct DirectoriesSet
{
    QMutex mutex;
    bool set = false;
    QList<ReaderWatcher::DeviceDirectory> directories;
};

DirectoriesSet &directoriesSet()
{
    static DirectoriesSet instance;
    return instance;
}

bool knows(const QList<ReaderList::Reader> &readers, const QString &key)
{
    return std::any_of(readers.begin(), readers.end(),
                       [&](const ReaderList::Reader &reader) { return identity(reader) == key; });
}

}  // namespace

ReaderWatcher::ReaderWatcher(QObject *parent)
    : ReaderWatcher(Options(), parent)
{
}

ReaderWatcher::ReaderWatcher(Options options, QObject *parent)
    : QObject(parent), options_(std::move(options))
{
    qRegisterMetaType<ReaderList::Reader>();
    if (!options_.list)
        options_.list = [] { return ReaderList::attached(); };
    listTimer_.setTimerType(Qt::PreciseTimer);
    settleTimer_.setSingleShot(true);
    connect(&listTimer_, &QTimer::timeout, this, &ReaderWatcher::listNow);
    connect(&settleTimer_, &QTimer::timeout, this, &ReaderWatcher::listNow);
}

ReaderWatcher::~ReaderWatcher()
{
    stopUdev();
    stopDirectories();
}

ReaderWatcher::DeviceDirectory ReaderWatcher::systemDevices()
{
    DeviceDirectory devices{QStringLiteral("/dev"), {}, {}};
    for (const TransportDescriptor *transport : Transports::all())
        devices.nameFilters << transport->nodeNames;
    return devices;
}

QList<ReaderWatcher::DeviceDirectory> ReaderWatcher::deviceDirectories()
{
    DirectoriesSet &process = directoriesSet();
    QMutexLocker lock(&process.mutex);
    return process.set ? process.directories : QList<DeviceDirectory> {systemDevices()};
}

void ReaderWatcher::setDeviceDirectories(const QList<DeviceDirectory> &directories)
{
    DirectoriesSet &process = directoriesSet();
    QMutexLocker lock(&process.mutex);
    process.set = true;
    process.directories = directories;
}

void ReaderWatcher::start()
{
    if (running_)
        return;
    running_ = true;
    if (options_.directories.isEmpty())
        options_.directories = deviceDirectories();
    if (startUdev())
        mode_ = Mode::Udev;
    else if (startDirectories())
        mode_ = Mode::DeviceDirectory;
    else
        fallBackToListing();
    listNow();
}

void ReaderWatcher::stop()
{
    running_ = false;
    listTimer_.stop();
    settleTimer_.stop();
    stopUdev();
    stopDirectories();
    removedNodes_.clear();
    changedNodes_.clear();
}

QStringList ReaderWatcher::watchedPaths() const
{
    QStringList paths;
    if (mode_ == Mode::DeviceDirectory) {
        for (const DeviceDirectory &directory : options_.directories)
            paths << directory.path;
    }
    return paths;
}

void ReaderWatcher::fallBackToListing()
{
    mode_ = Mode::Listing;
    listTimer_.start(options_.listIntervalMs);
}

void ReaderWatcher::deviceEvent(const QString &action, const QString &node)
{
    if (!running_)
        return;
    if (action == QLatin1String("remove") && !node.isEmpty())
        removedNodes_.insert(node);
    if (!settleTimer_.isActive())
        firstEvent_.start();
    // Each event puts the listing off until the events settle, but not for ever.
    const int waited = int(firstEvent_.elapsed());
    settleTimer_.start(qMax(0, qMin(options_.settleMs, MaxSettleMs - waited)));
}

void ReaderWatcher::listNow()
{
    if (!running_)
        return;
    settleTimer_.stop();
    const QList<ReaderList::Reader> now = options_.list();
    const QSet<QString> removed = std::exchange(removedNodes_, {});
    const QSet<QString> newRights = std::exchange(changedNodes_, {});

    // What went first, so that a reader pulled out and plugged in again reads in that order.
    // One whose node udev removed went, even when it is listed again by now.
    QList<ReaderList::Reader> gone;
    QList<ReaderList::Reader> kept;
    for (const ReaderList::Reader &reader : qAsConst(known_)) {
        if (!knows(now, identity(reader)) || removed.contains(reader.path))
            gone.append(reader);
        else
            kept.append(reader);
    }
    QList<ReaderList::Reader> came;
    for (const ReaderList::Reader &reader : now) {
        const QString key = identity(reader);
        if (!knows(kept, key) && !knows(came, key))
            came.append(reader);
    }
    known_ = kept + came;
    for (const ReaderList::Reader &reader : qAsConst(gone))
        emit vanished(reader);
    for (const ReaderList::Reader &reader : qAsConst(came))
        emit appeared(reader);
    // A reader that just came is taken up with its rights as they are now.
    for (const ReaderList::Reader &reader : qAsConst(kept)) {
        if (newRights.contains(reader.path))
            emit rightsChanged(reader);
    }
}

#ifdef KEYLON2_HAVE_UDEV

bool ReaderWatcher::startUdev()
{
    const QList<DeviceDirectory> &directories = options_.directories;
    const bool systemOnly = directories.size() == 1 && directories.first().path == systemDevices().path;
    if (options_.listingOnly || !systemOnly || !QFileInfo::exists(UdevControl))
        return false;
    udev_ = udev_new();
    if (udev_)
        monitor_ = udev_monitor_new_from_netlink(udev_, "udev");
    bool filtered = monitor_;
    for (const TransportDescriptor *transport : Transports::all()) {
        if (filtered && !transport->nodeClass.isEmpty())
            filtered = udev_monitor_filter_add_match_subsystem_devtype(
                           monitor_, transport->nodeClass.toLatin1().constData(), nullptr)
                >= 0;
    }
    // The monitor's socket is non-blocking: readUdev takes what is there and returns.
    if (!filtered || udev_monitor_enable_receiving(monitor_) < 0 || udev_monitor_get_fd(monitor_) < 0) {
        stopUdev();
        return false;
    }
    notifier_ = new QSocketNotifier(udev_monitor_get_fd(monitor_), QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &ReaderWatcher::readUdev);
    return true;
}

void ReaderWatcher::stopUdev()
{
    delete notifier_;
    notifier_ = nullptr;
    if (monitor_)
        udev_monitor_unref(monitor_);
    monitor_ = nullptr;
    if (udev_)
        udev_unref(udev_);
    udev_ = nullptr;
}

void ReaderWatcher::readUdev()
{
    while (monitor_) {
        udev_device *device = udev_monitor_receive_device(monitor_);
        if (!device)
            return;
        const char *action = udev_device_get_action(device);
        const char *node = udev_device_get_devnode(device);
        const QString actionText = QString::fromLatin1(action ? action : "");
        const QString nodeText = node ? QString::fromLocal8Bit(node) : QString();
        udev_device_unref(device);
        deviceEvent(actionText, nodeText);
    }
}

#else

// Without udev nothing starts the monitor, and nothing connects readUdev.
bool ReaderWatcher::startUdev()
{
    return false;
}

void ReaderWatcher::stopUdev()
{
}

#endif

#ifdef Q_OS_LINUX

bool ReaderWatcher::startDirectories()
{
    if (options_.listingOnly || options_.directories.isEmpty())
        return false;
    inotify_ = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (inotify_ < 0)
        return false;
    // A node is made and removed; the demo's files are also moved in and away. Attribute
    // changes count too: a node that this user may open only once its rights are set.
    const uint32_t mask = IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO | IN_ATTRIB | IN_DELETE_SELF
        | IN_MOVE_SELF | IN_ONLYDIR;
    for (const DeviceDirectory &directory : qAsConst(options_.directories)) {
        const int watch = inotify_add_watch(inotify_, QFile::encodeName(directory.path).constData(), mask);
        if (watch < 0) {
            stopDirectories();
            return false;
        }
        watches_.append(watch);
    }
    notifier_ = new QSocketNotifier(inotify_, QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &ReaderWatcher::readDirectories);
    return true;
}

void ReaderWatcher::stopDirectories()
{
    if (inotify_ < 0)
        return;
    delete notifier_;
    notifier_ = nullptr;
    ::close(inotify_);  // drops its watches
    inotify_ = -1;
    watches_.clear();
}

void ReaderWatcher::readDirectories()
{
    alignas(inotify_event) char buffer[8192];
    bool directoryGone = false;
    struct Event
    {
        int index;
        QString name;
        uint32_t mask;
        uint32_t cookie;
    };
    QList<Event> events;
    while (inotify_ >= 0) {
        const ssize_t length = ::read(inotify_, buffer, sizeof buffer);
        if (length < 0 && errno == EINTR)
            continue;
        if (length <= 0)
            break;
        for (ssize_t at = 0; at < length;) {
            const auto *event = reinterpret_cast<const inotify_event *>(buffer + at);
            at += ssize_t(sizeof(inotify_event) + event->len);
            if (event->mask & IN_Q_OVERFLOW) {
                deviceEvent(QStringLiteral("change"), QString());  // events were lost: list
                continue;
            }
            if (event->mask & (IN_DELETE_SELF | IN_MOVE_SELF | IN_IGNORED)) {
                directoryGone = true;
                continue;
            }
            const int index = watches_.indexOf(event->wd);
            if (index < 0 || event->len == 0)
                continue;
            events.append({index, QFile::decodeName(event->name), event->mask, event->cookie});
        }
    }
    // A file exchanged with another in one step (renameat2's RENAME_EXCHANGE, how a file is
    // rewritten whole) is moved away and in under two cookies whose other name is the same:
    // the file was replaced, not removed.
    QHash<uint32_t, QString> movedFrom, movedTo;  // cookie -> name
    for (const Event &event : qAsConst(events)) {
        if (event.mask & IN_MOVED_FROM)
            movedFrom.insert(event.cookie, event.name);
        if (event.mask & IN_MOVED_TO)
            movedTo.insert(event.cookie, event.name);
    }
    const auto exchanged = [&](const Event &event) {
        if (!(event.mask & (IN_MOVED_FROM | IN_MOVED_TO)))
            return false;
        const bool away = event.mask & IN_MOVED_FROM;
        const QHash<uint32_t, QString> &same = away ? movedFrom : movedTo;
        const QHash<uint32_t, QString> &opposite = away ? movedTo : movedFrom;
        const QString partner = opposite.value(event.cookie);
        if (partner.isEmpty())
            return false;
        for (auto other = same.cbegin(); other != same.cend(); ++other) {
            if (other.key() != event.cookie && other.value() == partner && opposite.value(other.key()) == event.name)
                return true;
        }
        return false;
    };
    for (const Event &event : qAsConst(events)) {
        const DeviceDirectory &directory = options_.directories.at(event.index);
        if (!QDir::match(directory.nameFilters, event.name))
            continue;
        if (exchanged(event)) {
            deviceEvent(QStringLiteral("change"), QString());
            continue;
        }
        const bool gone = event.mask & (IN_DELETE | IN_MOVED_FROM);
        const QString node =
            directory.node ? directory.node(event.name) : directory.path + QLatin1Char('/') + event.name;
        // Unlinking a node changes its link count, which also reads as IN_ATTRIB: only the
        // attributes of a node that stays count as its rights changing.
        if (gone)
            changedNodes_.remove(node);
        else if ((event.mask & IN_ATTRIB) && !node.isEmpty())
            changedNodes_.insert(node);
        deviceEvent(gone ? QStringLiteral("remove") : QStringLiteral("add"), node);
    }
    if (directoryGone && running_) {
        // Nothing more will come from there: what is left is listing.
        stopDirectories();
        fallBackToListing();
        deviceEvent(QStringLiteral("change"), QString());
    }
}

#else

// Without inotify nothing watches a directory, and nothing connects readDirectories.
bool ReaderWatcher::startDirectories()
{
    return false;
}

void ReaderWatcher::stopDirectories()
{
}

#endif
