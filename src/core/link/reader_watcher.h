#pragma once

#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QSet>
#include <QString>
#include <QTimer>

#include <functional>

#include "link/reader_list.h"

class QSocketNotifier;
struct udev;
struct udev_monitor;

// Tells when readers are plugged in and pulled out, on USB HID and the serial line alike.
//
// It learns of devices from udev's monitor (the hidraw and tty subsystems), idle between
// events: a plug gives several events, so it lists the readers once the events have settled
// and reports what changed. Where udev is absent (no /run/udev/control, as in a container, or
// the monitor cannot be had) it lists the readers once a second instead.
//
// A reader is known by its device and serial number. One pulled out and plugged in again is
// reported as vanished and then as appeared again, also when udev says it went and came back
// between two listings; a listing alone cannot see a replug faster than its interval.
class ReaderWatcher : public QObject
{
    Q_OBJECT

public:
    enum class Mode { Udev, Listing };

    struct Options
    {
        std::function<QList<ReaderList::Reader>()> list;  // empty: ReaderList::attached()
        int listIntervalMs = 1000;     // listing mode: time between two listings
        int settleMs = 150;            // udev: quiet time after the last event before listing
        bool listingOnly = false;      // never use udev
    };

    explicit ReaderWatcher(QObject *parent = nullptr);
    explicit ReaderWatcher(Options options, QObject *parent = nullptr);
    ~ReaderWatcher() override;

    // Lists the readers attached now and reports each of them as appeared (connect first),
    // then watches until stop(). Starting a running watcher does nothing.
    void start();
    void stop();
    bool isRunning() const { return running_; }
    Mode mode() const { return mode_; }
    QList<ReaderList::Reader> readers() const { return known_; }  // as last listed

    // A device event as udev's monitor reports it ("add", "remove", "change", ...; node such
    // as /dev/hidraw3). Called for every event the monitor gives; tests play a plug's events
    // through it.
    void deviceEvent(const QString &action, const QString &node);

signals:
    void appeared(const ReaderList::Reader &reader);
    void vanished(const ReaderList::Reader &reader);

private:
    void listNow();
    bool startUdev();
    void stopUdev();
    void readUdev();

    Options options_;
    Mode mode_ = Mode::Listing;
    bool running_ = false;
    QList<ReaderList::Reader> known_;
    QSet<QString> removedNodes_;  // nodes udev removed since the last listing
    QTimer listTimer_;
    QTimer settleTimer_;
    QElapsedTimer firstEvent_;    // the first event not yet listed after
    QSocketNotifier *notifier_ = nullptr;
    udev *udev_ = nullptr;
    udev_monitor *monitor_ = nullptr;
};
