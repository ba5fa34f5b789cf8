#include "link/reader_watcher.h"

#include <QFileInfo>
#include <QSocketNotifier>

#ifdef KEYLON2_HAVE_UDEV
#include <libudev.h>
#endif

namespace {

// udev's daemon makes this socket; without it the monitor would be silent.
const QString UdevControl = QStringLiteral("/run/udev/control");
// Events that keep coming (a hub full of devices) still get a listing this soon.
constexpr int MaxSettleMs = 500;

QString identity(const ReaderList::Reader &reader)
{
    return reader.device() + QLatin1Char('\n') + reader.serialNumber;
}

int indexOf(const QList<ReaderList::Reader> &readers, const QString &key)
{
    for (int i = 0; i < readers.size(); ++i) {
        if (identity(readers[i]) == key)
            return i;
    }
    return -1;
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
}

void ReaderWatcher::start()
{
    if (running_)
        return;
    running_ = true;
    mode_ = startUdev() ? Mode::Udev : Mode::Listing;
    if (mode_ == Mode::Listing)
        listTimer_.start(options_.listIntervalMs);
    listNow();
}

void ReaderWatcher::stop()
{
    running_ = false;
    listTimer_.stop();
    settleTimer_.stop();
    stopUdev();
    removedNodes_.clear();
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
    const QSet<QString> removed = removedNodes_;
    removedNodes_.clear();

    // What went first, so that a reader pulled out and plugged in again reads in that order.
    // One whose node udev removed went, even when it is listed again by now.
    QList<ReaderList::Reader> gone;
    QList<ReaderList::Reader> kept;
    for (const ReaderList::Reader &reader : qAsConst(known_)) {
        if (indexOf(now, identity(reader)) < 0 || removed.contains(reader.path))
            gone.append(reader);
        else
            kept.append(reader);
    }
    QList<ReaderList::Reader> came;
    for (const ReaderList::Reader &reader : now) {
        const QString key = identity(reader);
        if (indexOf(kept, key) < 0 && indexOf(came, key) < 0)
            came.append(reader);
    }
    known_ = kept + came;
    for (const ReaderList::Reader &reader : qAsConst(gone))
        emit vanished(reader);
    for (const ReaderList::Reader &reader : qAsConst(came))
        emit appeared(reader);
}

#ifdef KEYLON2_HAVE_UDEV

bool ReaderWatcher::startUdev()
{
    if (options_.listingOnly || !QFileInfo::exists(UdevControl))
        return false;
    udev_ = udev_new();
    if (udev_)
        monitor_ = udev_monitor_new_from_netlink(udev_, "udev");
    // The monitor's socket is non-blocking: readUdev takes what is there and returns.
    if (!monitor_ || udev_monitor_filter_add_match_subsystem_devtype(monitor_, "hidraw", nullptr) < 0
        || udev_monitor_filter_add_match_subsystem_devtype(monitor_, "tty", nullptr) < 0
        || udev_monitor_enable_receiving(monitor_) < 0 || udev_monitor_get_fd(monitor_) < 0) {
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

bool ReaderWatcher::startUdev()
{
    return false;
}

void ReaderWatcher::stopUdev()
{
}

void ReaderWatcher::readUdev()
{
}

#endif
