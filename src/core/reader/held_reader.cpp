#include "core/reader/held_reader.h"

#include "core/link/hid_transport.h"
#include "core/link/serial_transport.h"
#include "core/platform/platform.h"

namespace {

HeldReader::Error error(HeldReader::Failure failure, const QString &node, const QString &reason = QString())
{
    HeldReader::Error e;
    e.failure = failure;
    e.node = node;
    e.reason = reason;
    return e;
}

HeldReader::Error denied(const AccessCheck::Diagnosis &access, const QString &node)
{
    HeldReader::Error e = error(HeldReader::Failure::Denied, node);
    e.access = access;
    return e;
}

// The lock that was not had: busy with its holder, or none to be had. A node this user may not
// open leaves no error: the open that follows finds the reader refused and says so.
HeldReader::Error lockFailure(const ReaderLock &lock, const QString &node)
{
    if (lock.busy()) {
        HeldReader::Error e = error(HeldReader::Failure::Busy, node);
        e.holder = lock.holder();
        return e;
    }
    return error(HeldReader::Failure::NoLock, node, lock.error());
}

}  // namespace

HeldReader::HeldReader(std::unique_ptr<Transport> transport, const ReaderList::Reader &listed)
    : listed_(listed)
    , transport_(std::move(transport))
{
    if (transport_)
        dialect_ = &Dialects::of(transport_->kind());
}

HeldReader::HeldReader(HeldReader &&) noexcept = default;
HeldReader &HeldReader::operator=(HeldReader &&) noexcept = default;
HeldReader::~HeldReader()
{
    // The link goes before the lock: nobody may take the reader while this one still has it open.
    transport_.reset();
}

HeldReader::Opening HeldReader::claim(const ReaderList::Reader &listed, const Wait &wait)
{
    Opening opening;
    std::unique_ptr<HeldReader> reader(new HeldReader);
    reader->listed_ = listed;
    reader->dialect_ = &Dialects::of(listed.kind);
    reader->lock_ = ReaderLock::take(listed.path, wait.waitMs, wait.stopped);
    const ReaderLock &lock = reader->lock_;
    if (lock.state() == ReaderLock::State::Unavailable && !lock.nodeDenied() && wait.withoutLock) {
        // Without a lock a second program could send its frames between this one's.
        reader->lockless_ = true;
        reader->lockError_ = lock.error();
    } else if (lock.busy() || (lock.state() == ReaderLock::State::Unavailable && !lock.nodeDenied())) {
        opening.error = lockFailure(lock, ReaderLock::nodeOf(listed.path));
        return opening;
    }
    opening.reader = std::move(reader);
    return opening;
}

HeldReader::Error HeldReader::connect(Diagnosis diagnosis)
{
    const QString &path = listed_.path;
    if (listed_.kind == Transport::Kind::Serial) {
        SerialTransport::Opened port = SerialTransport::open(path);
        const bool ok = port.ok;
        transport_ = std::move(port.transport);
        if (ok)
            return Error();
        if (diagnosis == Diagnosis::WithUsbHid) {
            Error e = error(Failure::Failed, ReaderLock::nodeOf(path), port.error);
            e.access = static_cast<SerialTransport &>(*transport_).connectRefused();
            if (e.access.finding == AccessCheck::Finding::Denied)
                e.failure = Failure::Denied;
            else if (port.notFound)
                e.failure = Failure::NotFound;
            return e;
        }
        if (port.permissionDenied)
            return denied(AccessCheck::Diagnosis{AccessCheck::Finding::Denied, path}, path);
        // A port that is there but does not open (not a terminal, an I/O error) is a reader that
        // failed; only a port that is not there is no reader.
        return error(port.notFound ? Failure::NotFound : Failure::Failed, path, port.error);
    }

    HidTransport::Opened hid = HidTransport::openPath(path);
    if (hid.transport) {
        transport_ = std::move(hid.transport);
        return Error();
    }
    if (hid.access.finding == AccessCheck::Finding::Denied)
        return denied(hid.access, path);
    return error(Failure::Failed, path, hid.error);
}

HeldReader::Opening HeldReader::open(const ReaderList::Reader &listed, const Wait &wait)
{
    Opening opening = claim(listed, wait);
    if (!opening.ok())
        return opening;
    opening.error = opening.reader->connect();
    if (opening.error.failure != Failure::None)
        opening.reader.reset();
    return opening;
}

HeldReader::Opening HeldReader::openByIds(quint16 &vendorId, quint16 &productId)
{
    Opening opening;
    std::unique_ptr<HidTransport> hid = HidTransport::openByIds(vendorId, productId);
    if (!hid) {
        const AccessCheck::Diagnosis access = AccessCheck::afterHidOpenFailed(productId);
        const bool refused = access.finding == AccessCheck::Finding::Denied;
        opening.error = error(refused ? Failure::Denied : Failure::NotFound, access.node);
        opening.error.access = access;
        return opening;
    }
    std::unique_ptr<HeldReader> reader(new HeldReader(std::move(hid)));
    const QString node = HidTransport::nodeOf(vendorId, productId);
    reader->listed_.path = node;
    reader->listed_.vendorId = vendorId;
    reader->listed_.productId = productId;
    if (!node.isEmpty()) {
        reader->lock_ = ReaderLock::take(node);
        if (!reader->lock_.held()) {
            opening.error = lockFailure(reader->lock_, node);
            // As a disconnect lets go of it: the handle, then hidapi.
            static_cast<HidTransport &>(*reader->transport_).close();
            reader->release();
            return opening;
        }
    }
    opening.reader = std::move(reader);
    return opening;
}

HeldReader::Opening HeldReader::openChosen(ReaderList::Reader &chosen)
{
    if (chosen.kind == Transport::Kind::UsbHid && chosen.path.isEmpty())
        return openByIds(chosen.vendorId, chosen.productId);
    Opening opening = claim(chosen);
    if (!opening.ok())
        return opening;
    opening.error = opening.reader->connect(Diagnosis::WithUsbHid);
    if (opening.error.failure != Failure::None)
        opening.reader->releaseLock();
    return opening;
}

HeldReader HeldReader::unopened(Transport::Kind kind)
{
    if (kind == Transport::Kind::Serial)
        return HeldReader(std::make_unique<SerialTransport>(nullptr));
    return HeldReader(std::make_unique<HidTransport>(nullptr));
}

ReaderSession HeldReader::session()
{
    return ReaderSession(*transport_, sharedSequence_ ? *sharedSequence_ : sequence_);
}

QByteArray HeldReader::takeWaiting()
{
    return transport_->takeWaiting();
}

ReaderSession::SettingsRead HeldReader::readSettings()
{
    const QByteArray waiting = takeWaiting();
    ReaderSession::SettingsRead read = session().readSettings();
    read.waiting = waiting;
    return read;
}

SessionResult HeldReader::writeSettings(const SettingsRecord &record, quint8 targetInterface)
{
    return session().writeSettings(record, targetInterface);
}

SessionResult HeldReader::changeInterface()
{
    return session().changeInterface();
}

SessionResult HeldReader::enterIspMode(IspCheck check, const std::function<void()> &letGo)
{
    const SessionResult result = session().enterIspMode();
    const bool onItsWay = check == IspCheck::Sent ? result.ok() : result.outcome != SessionResult::Outcome::FrameFailed;
    if (!onItsWay)
        return result;
    if (letGo)
        letGo();
    else
        closeLink();
    awaitLoader();
    return result;
}

void HeldReader::awaitLoader()
{
    Platform::sleepMs(Dialects::IspSettleMs);
}

void HeldReader::replaceLink(std::unique_ptr<Transport> transport)
{
    transport_ = std::move(transport);
    dialect_ = &Dialects::of(transport_->kind());
}

void HeldReader::closeLink()
{
    transport_.reset();
}

void HeldReader::release()
{
    closeLink();
    lock_.release();
}
