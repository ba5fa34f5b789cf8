#pragma once

#include <QString>
#include <QtGlobal>

#include <functional>
#include <optional>

#include "core/text/message.h"

// One reader, one writer. Every program that talks to a reader (the window while connected,
// keylon2ctl, a station) holds that reader's lock, so that a second program refuses or waits
// instead of sending frames between the first one's. The lock is two advisory flocks, taken
// together: one on a file in the lock directory named after the reader's node (it works for a
// node this user cannot open, and for users who cannot open each other's files: the file is
// readable by all, and a flock needs no more than that), and one on an open of the node itself
// (it works for every user who may open the reader, whatever the lock directory is: missing,
// closed to this user, or holding another user's file this user cannot read). Either one held
// by another process makes the reader busy. The kernel drops a flock with its last open
// descriptor, so a lock never outlives its process; the file stays and means nothing by itself.
class ReaderLock
{
public:
    // Who holds a reader's lock: what the kernel's list of locks says, never a stored note.
    struct Holder
    {
        qint64 pid = 0;   // 0: not known (a process out of this one's sight)
        QString command;  // its name as the system keeps it; empty when not known
    };

    enum class State {
        Free,         // not taken, or released
        Held,         // this object holds the lock
        Busy,         // another open of the file holds it (holder())
        Unavailable,  // neither the file nor the node could be locked (error())
    };

    ReaderLock() = default;
    ReaderLock(ReaderLock &&other) noexcept;
    ReaderLock &operator=(ReaderLock &&other) noexcept;
    ReaderLock(const ReaderLock &) = delete;
    ReaderLock &operator=(const ReaderLock &) = delete;
    ~ReaderLock();

    // Takes the lock of the reader at node. waitMs 0 tries once; otherwise it tries again
    // until it has the lock, waitMs have gone by, or stopped() says so (looked at between
    // tries). The lock file that cannot be had (the directory missing or closed to this user,
    // another user's file) leaves the node's lock alone; Unavailable when that cannot be had
    // either (a node this user may not open, or no node at all). A serial port that another
    // process has open for itself (TIOCEXCL) is busy.
    static ReaderLock take(const QString &node, int waitMs = 0, const std::function<bool()> &stopped = {});

    State state() const { return state_; }
    bool held() const { return state_ == State::Held; }
    bool busy() const { return state_ == State::Busy; }
    const Holder &holder() const { return holder_; }
    const QString &error() const { return error_; }
    // The file, as lockFile() names it.
    const QString &path() const { return path_; }
    void release();

    // KEYLON2_LOCK_DIR when set, else /run/lock.
    static QString directory();
    // Why this process cannot make lock files in directory() (it is not there, or closed to
    // this user): readers whose file is not there yet then go without a lock. Empty when it can.
    static QString directoryProblem();
    // "keylon2-hidraw3.lock" for /dev/hidraw3, "keylon2-pts-4.lock" for /dev/pts/4: the node's
    // path below /dev with '/' turned into '-'. A node named by a link (/dev/serial/by-id/...)
    // or without its folder (ttyUSB0) is the node it stands for.
    static QString fileName(const QString &node);
    // The node itself: what a link names, /dev/NAME for a bare port name.
    static QString nodeOf(const QString &name);
    static QString lockFile(const QString &node);

    // Unavailable because this user may not open the node: nor may it open the reader, and the
    // open that follows says so (permission denied), sending nothing.
    bool nodeDenied() const { return nodeDenied_; }

    // Who holds the lock of the reader at node now (its file's or the node's); nothing when
    // nobody does.
    static std::optional<Holder> holderOf(const QString &node);
    // "keylon2ctl (process 4242)"; "another process" when not known.
    static Message holderText(const Holder &holder);

private:
    int fd_ = -1;      // the lock file
    int nodeFd_ = -1;  // the node
    bool nodeDenied_ = false;
    QString fileError_;
    State state_ = State::Free;
    Holder holder_;
    QString error_;
    QString path_;
};
