#include "core/link/serial_transport.h"

#include <QSerialPort>
#include <QSerialPortInfo>

#include "core/link/hid_transport.h"
#include "core/link/reader_list.h"
#include "core/link/usb_identity.h"
#include "core/platform/platform.h"

namespace {

// Any port may be named; only the ports that are a reader's are listed.
ReaderList::Reader named(const QString &path)
{
    ReaderList::Reader reader = ReaderList::Reader::at(Transports::serial(), path);
    const UsbIdentity::Identity identity = UsbIdentity::ofTty(path);
    reader.portPath = identity.portPath;
    reader.serialNumber = identity.serialNumber;
    return reader;
}

// Serial ports that are a reader's, each with its USB identity.
QList<ReaderList::Reader> listed()
{
    QList<ReaderList::Reader> readers;
    for (const Platform::PortRecord &port : Platform::enumeratePorts()) {
        if (!ReaderList::isReaderPort(port.friendName, port.vendorId != 0, port.vendorId))
            continue;
        ReaderList::Reader reader = named(port.physName);
        reader.vendorId = port.vendorId;
        reader.productId = port.productId;
        reader.label = port.friendName;
        if (reader.serialNumber.isEmpty())
            reader.serialNumber = port.serialNumber;
        readers.append(reader);
    }
    return readers;
}

// Writes bytes to the port and returns only once they have reached the line. QSerialPort
// keeps writes in its buffer until the event loop runs, and the slots that send frames
// block the GUI thread with pauses, so without this not one byte would leave before the
// next pause. Returns false when the port is not open or the write failed.
bool writeSerialNow(QSerialPort *port, const QByteArray &bytes)
{
    if (!port || !port->isOpen())
        return false;
    if (port->write(bytes) != bytes.size())
        return false;
    while (port->bytesToWrite() > 0) {
        if (!port->waitForBytesWritten(1000))
            return false;
    }
    return true;
}

// The port's device is gone: a write found it gone (resource error), or a read found the line
// hung up (a read error that repeats at every turn of the event loop).
bool meansLineGone(int serialPortError)
{
    return serialPortError == QSerialPort::ResourceError || serialPortError == QSerialPort::ReadError;
}

}  // namespace

const TransportDescriptor &Transports::serial()
{
    static const TransportDescriptor serial{
        .word = QStringLiteral("serial"),
        .pathName = QStringLiteral("PORT"),
        .dialect = {Dialects::SerialInterface, Dialects::SerialLine},
        .list = &listed,
        .costlyList = true,
        .named = &named,
        .open = &SerialTransport::open,
        .unopened = [] { return std::make_unique<SerialTransport>(nullptr); },
        .nodeClass = QStringLiteral("tty"),
        .nodeNames = {QStringLiteral("ttyACM*"), QStringLiteral("ttyUSB*")},
        .ttyLine = true,
        .labelKey = QStringLiteral("description"),
    };
    return serial;
}

SerialTransport::SerialTransport(std::unique_ptr<QSerialPort> port)
    : port_(std::move(port))
{
}

SerialTransport::~SerialTransport() = default;

LinkOpening SerialTransport::open(const QString &portName, bool lookFurther)
{
    auto port = std::make_unique<QSerialPort>(portName);
    port->setBaudRate(QSerialPort::Baud9600);
    port->setFlowControl(QSerialPort::NoFlowControl);
    port->setParity(QSerialPort::NoParity);
    port->setDataBits(QSerialPort::Data8);
    port->setStopBits(QSerialPort::OneStop);
    // QSerialPort has no read time-out setting: its reads never block, and the waits that need
    // a bound (writes reaching the line, the settings read) carry their own.
    const bool ok = port->open(QIODevice::ReadWrite);
    LinkOpening opening;
    auto *transport = new SerialTransport(std::move(port));
    opening.transport.reset(transport);
    if (ok)
        return opening;
    const QSerialPort::SerialPortError error = transport->port_->error();
    OpenError &e = opening.error;
    e = {error == QSerialPort::DeviceNotFoundError ? OpenFailure::NotFound : OpenFailure::Failed, portName, {}, {},
         transport->port_->errorString()};
    if (lookFurther) {
        e.node = ReaderLock::nodeOf(portName);
        e.access = AccessCheck::afterSerialOpenFailed(error, QSerialPortInfo(*transport->port_).systemLocation());
        if (e.access.finding != AccessCheck::Finding::Denied)
            e.access = HidTransport::anyRefused();
        if (e.access.finding == AccessCheck::Finding::Denied)
            e.failure = OpenFailure::Denied;
    } else if (error == QSerialPort::PermissionError) {
        e = {OpenFailure::Denied, portName, {AccessCheck::Finding::Denied, portName}, {}, {}};
    }
    return opening;
}

QString SerialTransport::name() const
{
    return Transports::serial().prefix() + (port_ ? port_->portName() : QString());
}

bool SerialTransport::write(const QByteArray &bytes)
{
    if (writeSerialNow(port_.get(), bytes))
        return true;
    error_ = port_ ? port_->errorString() : QStringLiteral("no port");
    return false;
}

int SerialTransport::receive(QByteArray &into, int timeoutMs)
{
    into.clear();
    if (!port_ || !port_->isOpen())
        return -1;
    into = port_->readAll();
    if (into.isEmpty() && timeoutMs > 0) {
        if (port_->waitForReadyRead(timeoutMs))
            into = port_->readAll();
        else if (port_->error() != QSerialPort::NoError && port_->error() != QSerialPort::TimeoutError) {
            error_ = port_->errorString();
            return -1;
        }
    }
    return into.size();
}

QByteArray SerialTransport::takeWaiting()
{
    // What the system holds for the port counts too, not only what Qt has taken in so far.
    if (!port_ || !port_->isOpen() || (port_->bytesAvailable() <= 0 && !port_->waitForReadyRead(0)))
        return QByteArray();
    return port_->read(port_->bytesAvailable());
}

QByteArray SerialTransport::takeArrived()
{
    if (!port_ || port_->bytesAvailable() <= 0)
        return QByteArray();
    return port_->read(port_->bytesAvailable());
}

bool SerialTransport::isOpen() const
{
    return port_ && port_->isOpen();
}

void SerialTransport::close()
{
    if (isOpen())
        port_->close();
}

QObject *SerialTransport::threadBound() const
{
    return port_.get();
}

// A port whose device went away (the reader pulled out, the far side of the line closed) stays
// open, and its read notifier fires without end: each read finds the line hung up (a read error),
// each write a resource error. Met during an exchange on another thread, the error comes to
// context queued.
void SerialTransport::watchGone(QObject *context, const std::function<void()> &gone)
{
    if (!port_)
        return;
    qRegisterMetaType<QSerialPort::SerialPortError>();
    QObject::connect(port_.get(), &QSerialPort::errorOccurred, context, [gone](QSerialPort::SerialPortError error) {
        if (meansLineGone(error))
            gone();
    });
}

bool SerialTransport::lineGone() const
{
    // Closing the far side leaves the port open, in an error.
    return !port_ || !port_->isOpen() || meansLineGone(port_->error());
}
