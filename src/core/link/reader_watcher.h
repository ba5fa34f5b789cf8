#pragma once

#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <functional>

#include "core/link/reader_list.h"

class QSocketNotifier;
struct udev;
struct udev_monitor;

// Tells when readers are plugged in and pulled out, on USB HID and the serial line alike.
//
// It learns of devices from udev's monitor (each transport's subsystem), idle between
// events: a plug gives several events, so it lists the readers once the events have settled
// and reports what changed. Where udev is absent (no /run/udev/control, as in a container, or
// the monitor cannot be had) it watches the device directory instead (inotify on /dev: a
// reader's node made or removed) and lists only then, so waiting costs nothing either way.
// Only where neither can be had does it list the readers once a second.
//
// A reader is known by its device and serial number. One pulled out and plugged in again is
// reported as vanished and then as appeared again, also when its node went and came back
// between two listings; a listing alone cannot see a replug faster than its interval.
//
// Udev makes a node first and gives it its group and mode a moment later. Its monitor announces
// a device only once the rights are set, but the device directory shows the node as soon as it
// is made: a reader listed then may still refuse this user. In that mode a reader already known
// whose node's attributes changed since the last listing is reported as rightsChanged.
class ReaderWatcher : public QObject
{
    Q_OBJECT

public:
    enum class Mode { Udev, DeviceDirectory, Listing };

    // A directory where the readers' nodes come and go.
    struct DeviceDirectory
    {
        QString path;
        QStringList nameFilters;  // wildcards, such as "hidraw*"
        // The node a name there stands for, as the listing gives it; a removal marks that node
        // as gone. Unset: path/name. Returning an empty text: a removal only asks for a listing.
        std::function<QString(const QString &name)> node;
    };

    struct Options
    {
        std::function<QList<ReaderList::Reader>()> list;  // empty: ReaderList::attached()
        int listIntervalMs = 1000;     // listing mode: time between two listings
        int settleMs = 150;            // quiet time after the last event before listing
        bool listingOnly = false;      // never use udev or a device directory
        // Watched without udev; empty: deviceDirectories().
        QList<DeviceDirectory> directories;
    };

    explicit ReaderWatcher(QObject *parent = nullptr);
    explicit ReaderWatcher(Options options, QObject *parent = nullptr);
    ~ReaderWatcher() override;

    // /dev with the names of the readers' nodes, as each transport names them.
    static DeviceDirectory systemDevices();
    // The directories a watcher watches where its options name none: systemDevices() unless
    // the program set others. Udev's monitor is used only while they are the system's: the
    // virtual readers of the demo builds come and go in a directory of their own, which udev
    // never hears of.
    static QList<DeviceDirectory> deviceDirectories();
    static void setDeviceDirectories(const QList<DeviceDirectory> &directories);

    // Lists the readers attached now and reports each of them as appeared (connect first),
    // then watches until stop(). Starting a running watcher does nothing.
    void start();
    void stop();
    bool isRunning() const { return running_; }
    Mode mode() const { return mode_; }
    // The directories watched in DeviceDirectory mode.
    QStringList watchedPaths() const;
    QList<ReaderList::Reader> readers() const { return known_; }  // as last listed

    // A device event as udev's monitor or the device directory reports it ("add", "remove",
    // "change", ...; node such as /dev/hidraw3). Tests play a plug's events through it.
    void deviceEvent(const QString &action, const QString &node);

signals:
    void appeared(const ReaderList::Reader &reader);
    void vanished(const ReaderList::Reader &reader);
    // DeviceDirectory mode: a known reader, still there, whose node's rights (owner, group,
    // mode) changed; once per listing that follows such a change.
    void rightsChanged(const ReaderList::Reader &reader);

private:
    void listNow();
    bool startUdev();
    void stopUdev();
    void readUdev();
    bool startDirectories();
    void stopDirectories();
    void readDirectories();
    void fallBackToListing();

    Options options_;
    Mode mode_ = Mode::Listing;
    bool running_ = false;
    QList<ReaderList::Reader> known_;
    QSet<QString> removedNodes_;  // nodes removed since the last listing
    QSet<QString> changedNodes_;  // nodes whose attributes changed since the last listing
    QTimer listTimer_;
    QTimer settleTimer_;
    QElapsedTimer firstEvent_;    // the first event not yet listed after
    QSocketNotifier *notifier_ = nullptr;
    udev *udev_ = nullptr;
    udev_monitor *monitor_ = nullptr;
    int inotify_ = -1;
    QList<int> watches_;          // the inotify watch of each of options_.directories
};
