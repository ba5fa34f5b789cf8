#include "window/connection/reader_link.h"

#include <QDebug>
#include <QSerialPort>
#include <QSerialPortInfo>
#include <QTimer>

#include <hidapi.h>

#include "core/link/hid_transport.h"
#include "core/link/serial_transport.h"
#include "core/link/usb_probe.h"

namespace {

ReaderLink::Opened opened()
{
    ReaderLink::Opened result;
    result.ok = true;
    return result;
}

ReaderLink::Opened refused(const AccessCheck::Diagnosis &access)
{
    ReaderLink::Opened result;
    result.access = access;
    return result;
}

}  // namespace

LinkSession::LinkSession(std::unique_ptr<Transport> transport, quint8 &frameSequence)
    : transport_(std::move(transport))
    , session_(*transport_, frameSequence)
{
}

ReaderLink::ReaderLink(QObject *timerOwner)
    : timerOwner_(timerOwner)
{
}

ReaderLink::~ReaderLink()
{
    if (state_.hidDevice) {
        hid_close(state_.hidDevice);
        hid_exit();
    }
    // The port holds a lock file for the device; left open, the lock would outlive the window
    // and the next start would find the port taken.
    if (serialPort_ && serialPort_->isOpen())
        serialPort_->close();
    delete serialPort_;
}

bool ReaderLink::probe()
{
    const UsbProbe::Found found = UsbProbe::openReader();
    if (!found.device)
        return false;
    state_.hidVendorId = found.vendorId;
    state_.hidProductId = found.productId;
    hid_device *probed = found.device;
    closeHidLink(probed);
    return true;
}

ReaderLink::Opened ReaderLink::openHid()
{
    lock_.release();
    if (state_.hidVendorId == 0) {
        // No reader answered at start-up: look again, it may have been plugged in since. The
        // probe's open is the link.
        const UsbProbe::Found found = UsbProbe::openReader();
        state_.hidDevice = found.device;
        if (found.device) {
            state_.hidVendorId = found.vendorId;
            state_.hidProductId = found.productId;
        }
    } else {
        state_.hidDevice = hid_open(state_.hidVendorId, state_.hidProductId, nullptr);
    }
    if (!state_.hidDevice)
        return refused(AccessCheck::afterHidOpenFailed(state_.hidProductId));
    // Opening a node sends nothing; the lock decides whether anything will be.
    const QString node = UsbProbe::nodeOf(state_.hidVendorId, state_.hidProductId);
    if (!node.isEmpty()) {
        lock_ = ReaderLock::take(node);
        if (lock_.busy()) {
            closeHidLink(state_.hidDevice);
            return busy(node);
        }
    }
    state_.hidActive = 1;
    state_.serialActive = 0;
    state_.interfaceSetting = 0;
    return opened();
}

ReaderLink::Opened ReaderLink::busy(const QString &node)
{
    Opened result;
    result.busy = true;
    result.node = node;
    result.holder = lock_.holder();
    lock_.release();
    return result;
}

ReaderLink::Opened ReaderLink::openSerial(const QString &portName)
{
    // Locked before the open: the serial port's own lock would refuse a held port with a
    // permission error that says nothing of who has it.
    lock_.release();
    const QString node = ReaderLock::nodeOf(portName);
    lock_ = ReaderLock::take(node);
    if (lock_.busy())
        return busy(node);

    // Only the latest port object is kept. The one it replaces is closed by now (a disconnect
    // or a failed open); deleting it also frees the port should a path that dropped the link
    // have left it open.
    delete serialPort_;
    serialPort_ = new QSerialPort(portName);
    SerialTransport::setUpLine(*serialPort_);
    serialPort_->open(QIODevice::ReadWrite);
    // QSerialPort has no read time-out setting: its reads never block, and the waits that need
    // a bound (writes reaching the line, the settings read) carry their own.
    if (!serialPort_->isOpen()) {
        AccessCheck::Diagnosis access = AccessCheck::afterSerialOpenFailed(
            serialPort_->error(), QSerialPortInfo(*serialPort_).systemLocation());
        if (access.finding != AccessCheck::Finding::Denied)
            access = AccessCheck::hidReaderRefused();
        lock_.release();
        return refused(access);
    }
    watchForLineGone(portName);
    delete state_.pollTimer;  // one poll timer at any time
    state_.pollTimer = new QTimer(timerOwner_);
    connect(state_.pollTimer, &QTimer::timeout, this, &ReaderLink::pollDue);
    state_.pollTimer->start(100);
    state_.serialActive = 1;
    state_.hidActive = 0;
    state_.interfaceSetting = 1;
    return opened();
}

// A port whose device went away (the reader pulled out, the far side of the line closed) stays
// open, and its read notifier fires without end: each read finds the line hung up (a read
// error), each write a resource error. The link is taken down once the action that met the
// error has finished.
void ReaderLink::watchForLineGone(const QString &portName)
{
    QSerialPort *const port = serialPort_;
    connect(port, &QSerialPort::errorOccurred, this, [this, port, portName](QSerialPort::SerialPortError error) {
        if (!SerialTransport::meansLineGone(error))
            return;
        QTimer::singleShot(0, port, [this, port, portName] {
            if (port != serialPort_ || !state_.connected || !state_.serialActive)
                return;
            takeDown(Teardown::Disconnect);
            emit lineGone(portName);
        });
    });
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
        closeHidLink(state_.hidDevice);
    }
    if (serial) {
        if (!leaving)
            qDebug("KLN2_Device disconnect");
        delete state_.pollTimer;
        state_.pollTimer = nullptr;
        // The port object stays; the next serial connect replaces it.
        if (serialPort_ && serialPort_->isOpen())
            serialPort_->close();
    }
    lock_.release();
    state_.connected = 0;
    emit wentDown();
}

void ReaderLink::leaveForOtherInterface()
{
    takeDown(Teardown::Leave);
    emit readerLeft();
}

LinkSession ReaderLink::session()
{
    if (state_.serialActive)
        return LinkSession(std::make_unique<SerialTransport>(serialPort_), state_.frameSequence);
    return hidSession();
}

LinkSession ReaderLink::hidSession()
{
    return LinkSession(std::make_unique<HidTransport>(state_.hidDevice), state_.frameSequence);
}

bool ReaderLink::serialBytesWaiting()
{
    return serialPort_ && serialPort_->isOpen()
        && (serialPort_->bytesAvailable() > 0 || serialPort_->waitForReadyRead(0));
}

QByteArray ReaderLink::takeSerialBytes()
{
    if (!serialPort_ || serialPort_->bytesAvailable() <= 0)
        return QByteArray();
    return serialPort_->read(serialPort_->bytesAvailable());
}

void ReaderLink::adoptHidDevice(hid_device *device)
{
    if (state_.hidDevice && state_.hidDevice != device)
        hid_close(state_.hidDevice);  // do not leak the handle it replaces
    state_.hidDevice = device;
}
