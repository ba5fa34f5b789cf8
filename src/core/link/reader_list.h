#pragma once

#include <QList>
#include <QMetaType>
#include <QString>
#include <QtGlobal>

#include "core/link/transport_descriptor.h"

// The readers attached to this machine, as the command-line tool lists and picks them.
namespace ReaderList {

struct Reader
{
    const TransportDescriptor *transport = &Transports::usbHid();
    QString path;          // where its transport finds it: the hidraw node, the serial port's system location
    quint16 vendorId = 0;
    quint16 productId = 0;
    QString serialNumber;  // the USB serial number; empty when the reader gives none
    QString portPath;      // the USB socket, as sysfs names it ("1-2.3"); empty when unknown
    QString label;         // what the system calls it: USB HID's product string, a port's description

    static Reader at(const TransportDescriptor &transport, const QString &path);
    // "hid:PATH", "serial:PORT": what --device takes.
    QString device() const;
    // The node whose lock keeps a second program away from it.
    QString lockNode() const;
};

// A serial port is a reader's when its description starts with the driver's text or its USB
// vendor ID is the reader's (on Linux the description is the USB product string).
bool isReaderPort(const QString &description, bool hasVendorId, quint16 vendorId);

// The readers every transport lists, transport by transport, unless cheapOnly: then only those
// of the transports whose listing asks the system for no more than the reader's own devices
// (not every serial port). hid_init must have run.
QList<Reader> attached(bool cheapOnly = false);

}  // namespace ReaderList

Q_DECLARE_METATYPE(ReaderList::Reader)
