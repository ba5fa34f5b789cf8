#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

class QObject;

// One link to the reader: it moves bytes and knows nothing of what they mean. The reader
// speaks a slightly different dialect on each of its interfaces (no keyboard country on the
// serial line, answers back to back there, one report per answer over USB HID); its transport's
// descriptor names the dialect, and the session on top of the link speaks it.
class Transport
{
public:
    virtual ~Transport() = default;

    // How a person names the link: "hid:PATH" or "serial:PORT".
    virtual QString name() const = 0;

    // Puts the bytes on the link and returns once they are there (a 65-byte output report over
    // USB HID, frame bytes on the serial line). False when they did not get there.
    virtual bool write(const QByteArray &bytes) = 0;

    // Takes what the reader sent, waiting at most timeoutMs for it: one input report over USB
    // HID, whatever the line holds on the serial line. The bytes replace `into`. Returns their
    // count, 0 when nothing came, -1 when the link failed.
    virtual int receive(QByteArray &into, int timeoutMs) = 0;

    // What the reader sent that waits on the link right now (a key read), taken without
    // waiting for more; empty when nothing does. One receive that does not wait, unless the
    // link knows better.
    virtual QByteArray takeWaiting()
    {
        QByteArray waiting;
        receive(waiting, 0);
        return waiting;
    }

    // What has come in on the link so far, taken without asking the system for more: what a
    // program that looks every few milliseconds for what the reader sent unasked takes.
    virtual QByteArray takeArrived() { return takeWaiting(); }

    // The link is open: closing it would let go of the device.
    virtual bool isOpen() const = 0;
    // Closes the link. The object stays and fails every exchange from now on.
    virtual void close() = 0;

    // A Qt object of the link that serves the thread it lives in only (a serial port): a program
    // that hands an exchange to another thread moves it there with the exchange. Null when the
    // link's handle serves any thread.
    virtual QObject *threadBound() const { return nullptr; }
    // Calls gone() in context's thread, once or more, when the device behind the open link goes
    // away, for a link that says so (a serial port that errs at each turn of the event loop).
    virtual void watchGone(QObject * /*context*/, const std::function<void()> & /*gone*/) {}

    // The link's reason for the last failure, copied when it happened.
    virtual QString errorText() const = 0;

    // The device behind the link is gone (unplugged, the far side of the line closed).
    virtual bool lineGone() const = 0;
};
