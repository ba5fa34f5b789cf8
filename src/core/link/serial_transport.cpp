#include "core/link/serial_transport.h"

#include <QSerialPort>
#include <QSerialPortInfo>

#include "core/link/serial_io.h"

SerialTransport::SerialTransport(QSerialPort *port)
    : port_(port)
{
}

SerialTransport::~SerialTransport() = default;

SerialTransport::Opened SerialTransport::open(const QString &portName)
{
    Opened opened;
    auto port = std::make_unique<QSerialPort>(portName);
    port->setBaudRate(QSerialPort::Baud9600);
    port->setFlowControl(QSerialPort::NoFlowControl);
    port->setParity(QSerialPort::NoParity);
    port->setDataBits(QSerialPort::Data8);
    port->setStopBits(QSerialPort::OneStop);
    opened.ok = port->open(QIODevice::ReadWrite);
    // QSerialPort has no read time-out setting: its reads never block, and the waits that need
    // a bound (writes reaching the line, the settings read) carry their own.
    if (!opened.ok) {
        opened.error = port->errorString();
        opened.permissionDenied = port->error() == QSerialPort::PermissionError;
        opened.notFound = port->error() == QSerialPort::DeviceNotFoundError;
    }
    opened.transport.reset(new SerialTransport(port.get()));
    opened.transport->owned_ = std::move(port);
    return opened;
}

AccessCheck::Diagnosis SerialTransport::connectRefused() const
{
    const AccessCheck::Diagnosis access =
        AccessCheck::afterSerialOpenFailed(port_->error(), QSerialPortInfo(*port_).systemLocation());
    return access.finding == AccessCheck::Finding::Denied ? access : AccessCheck::hidReaderRefused();
}

QString SerialTransport::name() const
{
    return kindWord(kind()) + QLatin1Char(':') + (port_ ? port_->portName() : QString());
}

bool SerialTransport::write(const QByteArray &bytes)
{
    if (writeSerialNow(port_, bytes))
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
    return port_;
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
    QObject::connect(port_, &QSerialPort::errorOccurred, context, [gone](QSerialPort::SerialPortError error) {
        if (meansLineGone(error))
            gone();
    });
}

bool SerialTransport::meansLineGone(int serialPortError)
{
    return serialPortError == QSerialPort::ResourceError || serialPortError == QSerialPort::ReadError;
}

bool SerialTransport::lineGone() const
{
    // Closing the far side leaves the port open, in an error.
    return !port_ || !port_->isOpen() || meansLineGone(port_->error());
}
