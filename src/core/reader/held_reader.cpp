#include "core/reader/held_reader.h"

#include "core/platform/platform.h"

namespace {

// The lock that was not had: busy with its holder, or none to be had. A node this user may not
// open leaves no error: the open that follows finds the reader refused and says so.
HeldReader::Error lockFailure(const ReaderLock &lock, const QString &node)
{
    if (lock.busy())
        return {OpenFailure::Busy, node, {}, lock.holder(), {}};
    return {OpenFailure::NoLock, node, {}, {}, lock.error()};
}

}  // namespace

HeldReader::HeldReader(std::unique_ptr<Transport> transport, const ReaderList::Reader &listed)
    : listed_(listed)
    , transport_(std::move(transport))
{
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
    reader->lock_ = ReaderLock::take(listed.lockNode(), wait.waitMs, wait.stopped);
    const ReaderLock &lock = reader->lock_;
    if (lock.state() == ReaderLock::State::Unavailable && !lock.nodeDenied() && wait.withoutLock) {
        // Without a lock a second program could send its frames between this one's.
        reader->lockless_ = true;
        reader->lockError_ = lock.error();
    } else if (lock.busy() || (lock.state() == ReaderLock::State::Unavailable && !lock.nodeDenied())) {
        opening.error = lockFailure(lock, ReaderLock::nodeOf(listed.lockNode()));
        return opening;
    }
    opening.reader = std::move(reader);
    return opening;
}

HeldReader::Error HeldReader::connect(Diagnosis diagnosis)
{
    LinkOpening opened = listed_.transport->open(listed_.path, diagnosis == Diagnosis::WithUsbHid);
    // A link that did not open may stay, closed: it tells why.
    if (opened.transport)
        transport_ = std::move(opened.transport);
    return opened.error;
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

HeldReader::Opening HeldReader::openByIds(ReaderList::Reader &chosen)
{
    Opening opening;
    LinkOpening opened = chosen.transport->openByIds(chosen);
    if (!opened.transport) {
        opening.error = opened.error;
        return opening;
    }
    std::unique_ptr<HeldReader> reader(new HeldReader(std::move(opened.transport), chosen));
    if (!chosen.path.isEmpty()) {
        reader->lock_ = ReaderLock::take(chosen.lockNode());
        if (!reader->lock_.held()) {
            opening.error = lockFailure(reader->lock_, chosen.lockNode());
            // As a disconnect lets go of it: the link, then its library.
            reader->transport_->close();
            reader->release();
            return opening;
        }
    }
    opening.reader = std::move(reader);
    return opening;
}

HeldReader::Opening HeldReader::openChosen(ReaderList::Reader &chosen)
{
    if (chosen.path.isEmpty() && chosen.transport->openByIds)
        return openByIds(chosen);
    Opening opening = claim(chosen);
    if (!opening.ok())
        return opening;
    opening.error = opening.reader->connect(Diagnosis::WithUsbHid);
    if (opening.error.failure != Failure::None)
        opening.reader->releaseLock();
    return opening;
}

HeldReader HeldReader::unopened(const TransportDescriptor &transport)
{
    return HeldReader(transport.unopened(), ReaderList::Reader::at(transport, QString()));
}

ReaderSession HeldReader::session()
{
    return ReaderSession(*transport_, dialect(), sharedSequence_ ? *sharedSequence_ : sequence_);
}

QByteArray HeldReader::takeWaiting()
{
    return transport_->takeWaiting();
}

ReaderSession::SettingsRead HeldReader::readSettings()
{
    const QByteArray waiting = carriesKeyReads() ? takeWaiting() : QByteArray();
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

void HeldReader::replaceLink(std::unique_ptr<Transport> transport, const TransportDescriptor &kind)
{
    transport_ = std::move(transport);
    listed_.transport = &kind;
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
