#include "window/connection/reader_link.h"

#include <QDebug>
#include <QSerialPort>
#include <QTimer>

#include <utility>

#include "core/link/hid_transport.h"
#include "core/link/serial_transport.h"

namespace {

ReaderLink::Opened opened(bool ok, const AccessCheck::Diagnosis &refused = {})
{
    ReaderLink::Opened result;
    result.ok = ok;
    result.access = refused;
    return result;
}

}  // namespace

ReaderLink::ReaderLink(QObject *timerOwner)
    : timerOwner_(timerOwner)
    , hid_(std::make_unique<HidTransport>(nullptr))
    , serial_(std::make_unique<SerialTransport>(nullptr))
{
    hid_.shareSequence(state_.frameSequence);
    serial_.shareSequence(state_.frameSequence);
    // The port's errors of an exchange are emitted in the worker and queued to the link.
    qRegisterMetaType<QSerialPort::SerialPortError>();
    connect(&runner_, &ExchangeRunner::finished, this, &ReaderLink::afterExchange);
}

ReaderLink::~ReaderLink()
{
    if (hid().device())
        closeHid();
    // The port holds a lock file for the device; left open, the lock would outlive the window
    // and the next start would find the port taken.
    if (serialPort() && serialPort()->isOpen())
        serialPort()->close();
}

HidTransport &ReaderLink::hid() const
{
    return static_cast<HidTransport &>(hid_.transport());
}

SerialTransport &ReaderLink::serial() const
{
    return static_cast<SerialTransport &>(serial_.transport());
}

void ReaderLink::adoptHid(HeldReader reader)
{
    hid_ = std::move(reader);
    hid_.shareSequence(state_.frameSequence);
    state_.hidDevice = hid().device();
}

void ReaderLink::adoptSerial(HeldReader reader)
{
    serial_ = std::move(reader);
    serial_.shareSequence(state_.frameSequence);
}

void ReaderLink::closeHid()
{
    hid().close();
    state_.hidDevice = nullptr;
}

void ReaderLink::releaseLocks()
{
    hid_.releaseLock();
    serial_.releaseLock();
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

ReaderLink::Opened ReaderLink::refused(const HeldReader::Error &error)
{
    Opened result = opened(false, error.access);
    result.busy = error.failure == HeldReader::Failure::Busy;
    result.noLock = error.failure == HeldReader::Failure::NoLock;
    if (result.busy || result.noLock) {
        result.node = error.node;
        result.holder = error.holder;
        result.lockError = error.reason;
    }
    return result;
}

ReaderLink::Opened ReaderLink::openHid()
{
    releaseLocks();
    // With no reader found at start-up, each of its IDs is tried again: it may have been
    // plugged in since.
    HeldReader::Opening opening = HeldReader::openByIds(state_.hidVendorId, state_.hidProductId);
    if (!opening.ok()) {
        adoptHid(HeldReader(std::make_unique<HidTransport>(nullptr)));
        return refused(opening.error);
    }
    adoptHid(std::move(*opening.reader));
    state_.hidActive = 1;
    state_.serialActive = 0;
    state_.interfaceSetting = 0;
    return opened(true);
}

ReaderLink::Opened ReaderLink::openSerial(const QString &portName)
{
    releaseLocks();
    ReaderList::Reader port;
    port.kind = Transport::Kind::Serial;
    port.path = portName;
    HeldReader::Opening opening = HeldReader::claim(port);
    if (!opening.ok())
        return refused(opening.error);

    // Only the latest port object is kept. The one it replaces is closed by now (a disconnect
    // or a failed open); deleting it first also frees the port should a path that dropped the
    // link have left it open.
    adoptSerial(HeldReader(std::make_unique<SerialTransport>(nullptr)));
    const HeldReader::Error error = opening.reader->connect(HeldReader::Diagnosis::WithUsbHid);
    adoptSerial(std::move(*opening.reader));
    if (error.failure != HeldReader::Failure::None) {
        serial_.releaseLock();
        return opened(false, error.access);
    }
    watchForLineGone(portName);
    delete state_.pollTimer;  // one poll timer at any time
    state_.pollTimer = new QTimer(timerOwner_);
    connect(state_.pollTimer, &QTimer::timeout, this, [this] {
        // The port is the worker's while an exchange runs; the exchange takes what comes.
        if (!exchanging())
            emit pollDue();
    });
    state_.pollTimer->start(100);
    state_.serialActive = 1;
    state_.hidActive = 0;
    state_.interfaceSetting = 1;
    return opened(true);
}

// A port whose device went away (the reader pulled out, the far side of the line closed) stays
// open, and its read notifier fires without end: each read finds the line hung up (a read
// error), each write a resource error. The link is taken down once the action that met the
// error has finished.
void ReaderLink::watchForLineGone(const QString &portName)
{
    QSerialPort *const port = serialPort();
    // Met during an exchange, the error is emitted in the worker and comes here queued.
    connect(port, &QSerialPort::errorOccurred, this, [this, port, portName](QSerialPort::SerialPortError error) {
        if (SerialTransport::meansLineGone(error))
            QTimer::singleShot(0, this, [this, port, portName] { takeDownGoneLine(port, portName); });
    });
}

void ReaderLink::takeDownGoneLine(QSerialPort *port, const QString &portName)
{
    // Not under the feet of an exchange: the link goes down once it is over, as after any
    // other action.
    if (exchanging()) {
        lineGoneAfterExchange_ = [this, port, portName] { takeDownGoneLine(port, portName); };
        return;
    }
    if (port != serialPort() || !state_.connected || !state_.serialActive)
        return;
    takeDown(Teardown::Disconnect);
    emit lineGone(portName);
}

void ReaderLink::afterExchange()
{
    if (lineGoneAfterExchange_)
        QTimer::singleShot(0, this, std::exchange(lineGoneAfterExchange_, nullptr));
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
    // A disconnect takes down each link the flags name. A reader leaving for its other
    // interface takes the link its frame went out on, which serialActive picks.
    const bool leaving = how == Teardown::Leave;
    const bool serial = state_.serialActive;
    const bool hid = leaving ? !serial : state_.hidActive != 0;
    if (hid) {
        if (!leaving)
            qDebug("Z400_Device disconnect");
        closeHid();
    }
    if (serial) {
        if (!leaving)
            qDebug("KLN2_Device disconnect");
        delete state_.pollTimer;
        state_.pollTimer = nullptr;
        // The port object stays; the next serial connect replaces it.
        if (serialPort() && serialPort()->isOpen())
            serialPort()->close();
    }
    releaseLocks();
    state_.connected = 0;
    emit wentDown();
}

void ReaderLink::leaveForOtherInterface()
{
    takeDown(Teardown::Leave);
    emit readerLeft();
}

HeldReader &ReaderLink::reader()
{
    return state_.serialActive ? serial_ : hid_;
}

ReaderSession ReaderLink::session()
{
    return reader().session();
}

ReaderSession ReaderLink::hidSession()
{
    return hid_.session();
}

QSerialPort *ReaderLink::serialPort() const
{
    return serial().port();
}

QByteArray ReaderLink::takeSerialBytes()
{
    QSerialPort *const port = serialPort();
    if (!port || port->bytesAvailable() <= 0)
        return QByteArray();
    return port->read(port->bytesAvailable());
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
    hid_.replaceLink(std::move(device));  // the dump takes the link's place
    state_.hidDevice = hid().device();
    exchange([this] { hid().dump(); });
}
