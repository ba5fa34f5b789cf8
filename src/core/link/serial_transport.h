#pragma once

#include <memory>

#include "core/link/transport.h"
#include "core/link/transport_descriptor.h"

class QSerialPort;

// The reader's serial interface (its virtual COM port). open() makes the port the transport
// owns, in the calling thread, which must be the only thread that uses it.
class SerialTransport : public Transport
{
public:
    explicit SerialTransport(std::unique_ptr<QSerialPort> port);
    ~SerialTransport() override;
    SerialTransport(const SerialTransport &) = delete;
    SerialTransport &operator=(const SerialTransport &) = delete;

    // Opens the port with the reader's line settings: 9600 baud, 8 data bits, no parity,
    // one stop bit, no flow control. A port that did not open comes back closed, with why: a
    // port that is not there is no reader (NotFound); one that is there but does not open (not
    // a terminal, an I/O error) is a reader that failed. lookFurther: a port this user may
    // open is looked into as far as a reader on USB HID that is listed but refused (a reader the
    // start-up probe could not open leaves the serial port chosen, and this is the one place
    // where the operator would learn of it).
    static LinkOpening open(const QString &portName, bool lookFurther = false);

    QString name() const override;
    bool write(const QByteArray &bytes) override;
    int receive(QByteArray &into, int timeoutMs) override;
    QByteArray takeWaiting() override;
    QByteArray takeArrived() override;
    bool isOpen() const override;
    // The port object stays, closed: the next open makes another.
    void close() override;
    QObject *threadBound() const override;
    void watchGone(QObject *context, const std::function<void()> &gone) override;
    QString errorText() const override { return error_; }
    bool lineGone() const override;

    QSerialPort *port() const { return port_.get(); }

private:
    std::unique_ptr<QSerialPort> port_;
    QString error_;
};
