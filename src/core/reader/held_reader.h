#pragma once

#include <QString>
#include <QtGlobal>

#include <functional>
#include <memory>

#include "core/link/access_check.h"
#include "core/link/reader_list.h"
#include "core/link/reader_lock.h"
#include "core/link/transport.h"
#include "core/session/dialect.h"
#include "core/session/reader_session.h"

// One reader as a program holds it: its lock, the link to it, the sequence number of its USB
// HID requests and the dialect of its interface. Both front ends open readers through it and
// only word what went wrong; what is said to the reader goes through its session.
class HeldReader
{
public:
    // Why a reader did not open: one of these, and nothing else.
    enum class Failure {
        None,
        NotFound,  // no reader there (the port is not there, no reader answers to the IDs)
        Denied,    // this user may not open it (access says which node)
        Busy,      // another process holds its lock (holder says who)
        NoLock,    // no lock of any kind can be had for it (reason says why)
        Failed,    // it is there but did not open (reason says why)
    };
    struct Error
    {
        Failure failure = Failure::None;
        QString node;                   // the reader's node, when known
        AccessCheck::Diagnosis access;  // with Denied, and wherever a refused reader was found
        ReaderLock::Holder holder;      // with Busy
        QString reason;                 // with NoLock (the lock's) and Failed (the link's)
    };

    // The lock wait: waitMs 0 tries once; otherwise until the lock is had, waitMs have gone by
    // or stopped() says so. withoutLock: a reader for which no lock can be had opens anyway
    // (lockless() says so afterwards).
    struct Wait
    {
        int waitMs = 0;
        std::function<bool()> stopped;
        bool withoutLock = false;
    };

    struct Opening;

    // A listed reader, or a port named by the operator: its lock first, then its link. The link
    // can wait (claim(), then connect()) for a program that locks before it knows whether it
    // will talk to the reader.
    static Opening open(const ReaderList::Reader &listed, const Wait &wait);
    static Opening claim(const ReaderList::Reader &listed, const Wait &wait);
    static Opening open(const ReaderList::Reader &listed);
    static Opening claim(const ReaderList::Reader &listed);
    // How far a refused serial port is looked into.
    enum class Diagnosis {
        PortOnly,     // the port's own error
        WithUsbHid,   // and, when the port was not refused, whether a reader on USB HID is
                      // listed but refused (the one place an operator at the desk would learn it)
    };
    // A serial port that did not open stays the reader's link, closed: it tells why.
    Error connect(Diagnosis diagnosis = Diagnosis::PortOnly);

    // The reader on USB HID by its IDs (vendorId 0: each of the reader's product IDs in turn,
    // written back), then the lock of the node it opened. Opening a node sends nothing.
    static Opening openByIds(quint16 &vendorId, quint16 &productId);

    // The reader the operator chose at the desk: over USB HID by its IDs (each of the reader's
    // product IDs in turn when vendorId is 0, the IDs that opened written back), else at the
    // chosen port, whose refusal is looked into as far as a reader on USB HID this user may not
    // open. A reader whose link did not open comes back with the error when its closed link
    // tells why; its lock is let go.
    static Opening openChosen(ReaderList::Reader &chosen);
    // A reader of that kind with no link open: every exchange fails.
    static HeldReader unopened(Transport::Kind kind);

    // A link that was opened elsewhere (or not at all: every exchange on it fails), unlocked.
    explicit HeldReader(std::unique_ptr<Transport> transport, const ReaderList::Reader &listed = {});
    HeldReader(HeldReader &&) noexcept;
    HeldReader &operator=(HeldReader &&) noexcept;
    ~HeldReader();

    const ReaderList::Reader &listed() const { return listed_; }
    const Dialect &dialect() const { return *dialect_; }
    // The link; valid from a successful connect (or the constructor) until closeLink().
    Transport &transport() const { return *transport_; }
    // Another link to the same reader takes the place of this one; the lock stays.
    void replaceLink(std::unique_ptr<Transport> transport);
    const ReaderLock &lock() const { return lock_; }
    void releaseLock() { lock_.release(); }
    // Opened without a lock (Wait::withoutLock); lockError() says why none could be had.
    bool lockless() const { return lockless_; }
    const QString &lockError() const { return lockError_; }

    // The sequence number lives in the reader unless the holder keeps it (the window's link
    // state) for as long as the reader is used.
    void shareSequence(quint8 &sequence) { sharedSequence_ = &sequence; }
    ReaderSession session();

    // What waits on the link right now (a key read), taken off it without waiting.
    QByteArray takeWaiting();
    // The settings read afresh: what waited on the link before the request (a key read, kept in
    // the read's `waiting`) is not part of the answers.
    ReaderSession::SettingsRead readSettings();
    SessionResult writeSettings(const SettingsRecord &record, quint8 targetInterface);
    SessionResult changeInterface();
    // Which ISP frames send the reader on its way to its loader.
    enum class IspCheck {
        Sent,         // only one that got there
        NotRefused,   // any but one the link refused (a serial write goes unchecked)
    };
    // The reader leaves for its loader: the ISP frame; then, when it is on its way, letGo()
    // (the front end's teardown; by default the link is closed and the lock kept, so that the
    // firmware writer finds the reader free and nobody else talks to it meanwhile), and the
    // reader gets its time to come up before the writer looks for it.
    SessionResult enterIspMode(IspCheck check = IspCheck::Sent, const std::function<void()> &letGo = {});
    // The reader's time to come up in its loader. A front end that lets go of the link on a
    // thread of its own (the window) sends the ISP frame through the session, lets go, then waits
    // this.
    static void awaitLoader();

    // The link closed (its object gone), the lock kept.
    void closeLink();
    // The link closed and the lock let go.
    void release();

private:
    HeldReader() = default;

    ReaderList::Reader listed_;
    const Dialect *dialect_ = &Dialects::of(Transport::Kind::UsbHid);
    std::unique_ptr<Transport> transport_;  // before the lock: a move closes the old link first
    ReaderLock lock_;
    bool lockless_ = false;
    QString lockError_;
    quint8 sequence_ = 1;
    quint8 *sharedSequence_ = nullptr;
};

struct HeldReader::Opening
{
    std::unique_ptr<HeldReader> reader;  // null when it did not open (but see openChosen())
    Error error;

    bool ok() const { return reader != nullptr && error.failure == Failure::None; }
};

inline HeldReader::Opening HeldReader::open(const ReaderList::Reader &listed)
{
    return open(listed, Wait());
}

inline HeldReader::Opening HeldReader::claim(const ReaderList::Reader &listed)
{
    return claim(listed, Wait());
}
