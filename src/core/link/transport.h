#pragma once

#include <QByteArray>
#include <QString>

// One link to the reader: it moves bytes and knows nothing of what they mean. The reader
// speaks a slightly different dialect on each of its interfaces (no keyboard country on the
// serial line, answers back to back there, one report per answer over USB HID); the session
// on top of the transport deals with that.
class Transport
{
public:
    enum class Kind { UsbHid, Serial };

    virtual ~Transport() = default;

    virtual Kind kind() const = 0;
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

    // The link's reason for the last failure, copied when it happened.
    virtual QString errorText() const = 0;

    // The device behind the link is gone (unplugged, the far side of the line closed).
    virtual bool lineGone() const = 0;
};
