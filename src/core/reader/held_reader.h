#pragma once

#include <QString>
#include <QtGlobal>

#include <functional>
#include <memory>

#include "core/link/access_check.h"
#include "core/link/reader_list.h"
#include "core/link/reader_lock.h"
#include "core/link/transport.h"
#include "core/link/transport_descriptor.h"
#include "core/session/reader_session.h"

// The lock wait: waitMs 0 tries once; otherwise until the lock is had, waitMs have gone by
// or stopped() says so. withoutLock: a reader for which no lock can be had opens anyway
// (lockless() says so afterwards).
struct LockWait
{
    int waitMs = 0;
    std::function<bool()> stopped;
    bool withoutLock = false;
};

// One reader as a program holds it: its lock, the link to it, the sequence number of its USB
// HID requests and the dialect of its interface, which its transport names. Both front ends open
// readers through it, ask it what its link carries, and only word what went wrong; what is said
// to the reader goes through its session.
class HeldReader
{
public:
    // Why a reader did not open: one of a closed set.
    using Failure = OpenFailure;
    using Error = OpenError;
    using Wait = LockWait;

    struct Opening;

    // A listed reader, or a port named by the operator: its lock first, then its link. The link
    // can wait (claim(), then connect()) for a program that locks before it knows whether it
    // will talk to the reader.
    static Opening open(const ReaderList::Reader &listed, const Wait &wait = {});
    static Opening claim(const ReaderList::Reader &listed, const Wait &wait = {});
    // How far a refused serial port is looked into.
    enum class Diagnosis {
        PortOnly,     // the port's own error
        WithUsbHid,   // and, when the port was not refused, whether a reader on USB HID is
                      // listed but refused (the one place an operator at the desk would learn it)
    };
    // A serial port that did not open stays the reader's link, closed: it tells why.
    Error connect(Diagnosis diagnosis = Diagnosis::PortOnly);

    // The reader found by its USB IDs, where its transport finds one so (vendorId 0: each of the
    // reader's product IDs in turn; the IDs and the node written back), then the lock of the node
    // it opened. Opening a node sends nothing.
    static Opening openByIds(ReaderList::Reader &chosen);

    // The reader the operator chose at the desk: by its IDs where no path is named and its
    // transport finds readers so, else at the chosen path, whose refusal is looked into as far
    // as a reader elsewhere that this user may not open. A reader whose link did not open comes
    // back with the error when its closed link tells why; its lock is let go.
    static Opening openChosen(ReaderList::Reader &chosen);
    // A reader of that transport with no link open: every exchange fails.
    static HeldReader unopened(const TransportDescriptor &transport);

    // A link that was opened elsewhere (or not at all: every exchange on it fails), unlocked.
    HeldReader(std::unique_ptr<Transport> transport, const ReaderList::Reader &listed);
    HeldReader(HeldReader &&) noexcept;
    HeldReader &operator=(HeldReader &&) noexcept;
    ~HeldReader();

    const ReaderList::Reader &listed() const { return listed_; }
    const Dialect &dialect() const { return listed_.transport->dialect; }
    // What the reader's link carries: the keyboard country; key reads, as they happen; answers
    // back to back on a line (rather than one report per request, paired by its sequence
    // number).
    bool carriesCountry() const { return dialect().reader.carriesCountry; }
    bool carriesKeyReads() const { return dialect().reader.keyReadsOnLink; }
    bool answersOnLine() const { return !dialect().link.framesInReports; }
    // The reader's interface as a frame, a file's Interface key and the window's link state give
    // it.
    quint8 interfaceValue() const { return dialect().reader.value; }
    // A write that leaves the reader on targetInterface ends with it leaving this link.
    bool leavesLink(quint8 targetInterface) const { return interfaceValue() != targetInterface; }
    // The link; valid from a successful connect (or the constructor) until closeLink().
    Transport &transport() const { return *transport_; }
    // Another link, of that transport, to the same reader takes the place of this one; the lock
    // stays.
    void replaceLink(std::unique_ptr<Transport> transport, const TransportDescriptor &kind);
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
    // The settings read afresh: on a link that carries key reads, what waited on it before the
    // request (a key read, kept in the read's `waiting`) is not part of the answers.
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
