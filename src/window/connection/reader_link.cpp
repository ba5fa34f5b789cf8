#include "window/connection/reader_link.h"

#include <QTimer>

#include <utility>

#include "core/link/hid_transport.h"

ReaderLink::ReaderLink(QObject *timerOwner)
    : timerOwner_(timerOwner)
    , reader_(HeldReader::unopened(Transports::usbHid()))
    , noKeyboardLink_(HeldReader::unopened(Transports::usbHid()))
{
    reader_.shareSequence(state_.frameSequence);
    noKeyboardLink_.shareSequence(state_.frameSequence);
    connect(&runner_, &ExchangeRunner::finished, this, &ReaderLink::afterExchange);
}

ReaderLink::~ReaderLink()
{
    // A serial port holds a lock file for the device; left open, the lock would outlive the
    // window and the next start would find the port taken.
    if (reader_.transport().isOpen())
        reader_.transport().close();
}

bool ReaderLink::probe()
{
    quint16 vendorId = 0;
    quint16 productId = 0;
    const std::unique_ptr<HidTransport> probed = HidTransport::openByIds(vendorId, productId);
    if (!probed)
        return false;
    state_.hidVendorId = vendorId;
    state_.hidProductId = productId;
    probed->close();
    return true;
}

HeldReader::Error ReaderLink::open(ReaderList::Reader chosen)
{
    // Only the latest link object is kept. The one it replaces is closed by now (a disconnect or
    // a failed open); letting it go first also frees the port should a path that dropped the
    // link have left it open.
    reader_ = HeldReader::unopened(*chosen.transport);
    seen_.reset();
    noKeyboardLink_ = HeldReader::unopened(Transports::usbHid());
    reader_.shareSequence(state_.frameSequence);
    state_.hidDevice = nullptr;
    // With no reader found at start-up, each of its IDs is tried again: it may have been
    // plugged in since.
    chosen.vendorId = state_.hidVendorId;
    chosen.productId = state_.hidProductId;
    HeldReader::Opening opening = HeldReader::openChosen(chosen);
    state_.hidVendorId = chosen.vendorId;
    state_.hidProductId = chosen.productId;
    if (opening.reader) {
        reader_ = std::move(*opening.reader);
        reader_.shareSequence(state_.frameSequence);
    }
    if (!opening.ok())
        return opening.error;
    const auto *const hid = dynamic_cast<const HidTransport *>(&reader_.transport());
    state_.hidDevice = hid ? hid->device() : nullptr;

    if (reader_.carriesKeyReads()) {
        const Transport *const link = &reader_.transport();
        reader_.transport().watchGone(this, [this, link, name = chosen.path] {
            QTimer::singleShot(0, this, [this, link, name] { takeDownGoneLine(link, name); });
        });
        delete state_.pollTimer;  // one poll timer at any time
        state_.pollTimer = new QTimer(timerOwner_);
        connect(state_.pollTimer, &QTimer::timeout, this, [this] {
            // The link is the worker's while an exchange runs; the exchange takes what comes.
            if (!exchanging())
                emit pollDue();
        });
        state_.pollTimer->start(100);
    }
    // The link state names the reader's interface, whichever transport reaches it.
    state_.serialActive = reader_.interfaceValue() == Dialects::SerialInterface.value;
    state_.hidActive = reader_.interfaceValue() == Dialects::UsbKeyboard.value;
    state_.interfaceSetting = reader_.interfaceValue();
    return {};
}

// The device behind the link went away: the link is taken down once the action that met it has
// finished.
void ReaderLink::takeDownGoneLine(const Transport *link, const QString &portName)
{
    // Not under the feet of an exchange: the link goes down once it is over, as after any
    // other action.
    if (exchanging()) {
        lineGoneAfterExchange_ = [this, link, portName] { takeDownGoneLine(link, portName); };
        return;
    }
    if (link != &reader_.transport() || !state_.connected)
        return;
    takeDown(Teardown::Disconnect);
    emit lineGone(portName);
}

void ReaderLink::afterExchange()
{
    if (lineGoneAfterExchange_)
        QTimer::singleShot(0, this, std::exchange(lineGoneAfterExchange_, nullptr));
}

void ReaderLink::noteRead(const ReaderSession::SettingsRead &read)
{
    if (read.result.ok())
        seen_ = FirmwareCheck::Backup{reader_.listed(), read.record, read.hasCountry};
}

void ReaderLink::noteWritten(const SettingsRecord &record)
{
    if (!seen_)
        return;
    const QByteArray version = seen_->record.version;  // the page does not set the firmware
    seen_->record = record;
    seen_->record.version = version;
}

void ReaderLink::markConnected()
{
    state_.connected = 1;
    state_.statusPreRead = 0;
    state_.statusShown = 0;
}

void ReaderLink::markNotConnected()
{
    state_.connected = 0;
}

void ReaderLink::takeDown(Teardown how)
{
    // A disconnect takes down the link the flags name, and says which. A reader leaving for its
    // other interface takes the link its frame went out on, without a word.
    if (how == Teardown::Leave || state_.hidActive || state_.serialActive) {
        if (how == Teardown::Disconnect && state_.hidActive)
            qDebug("Z400_Device disconnect");
        if (how == Teardown::Disconnect && state_.serialActive)
            qDebug("KLN2_Device disconnect");
        delete state_.pollTimer;
        state_.pollTimer = nullptr;
        // The link object stays; the next connect replaces it.
        reader_.transport().close();
        state_.hidDevice = nullptr;
    }
    reader_.releaseLock();
    state_.connected = 0;
    emit wentDown();
}

void ReaderLink::leaveForOtherInterface()
{
    takeDown(Teardown::Leave);
    emit readerLeft();
}

ReaderSession ReaderLink::keyboardSession()
{
    return reader_.answersOnLine() ? noKeyboardLink_.session() : reader_.session();
}

void ReaderLink::dumpDiagnosticInterface()
{
    if (exchanging())
        return;
    std::unique_ptr<HidTransport> device = HidTransport::openDiagnostic();
    if (!device) {
        // The link that is open, if any, stays as it is.
        qDebug("unable to open device\n");
        return;
    }
    HidTransport &dumped = *device;
    // The dump takes the place of the USB HID link; a serial one stays as it is.
    (state_.serialActive ? noKeyboardLink_ : reader_).replaceLink(std::move(device), Transports::usbHid());
    state_.hidDevice = dumped.device();
    exchange([&dumped] { dumped.dump(); });
}
