#pragma once

#include <QList>
#include <QMetaType>
#include <QString>
#include <QtGlobal>

#include "core/link/transport.h"

// The readers attached to this machine, as the command-line tool lists and picks them.
namespace ReaderList {

struct Reader
{
    Transport::Kind kind = Transport::Kind::UsbHid;
    QString path;          // the hidraw node, or the serial port's system location
    quint16 vendorId = 0;
    quint16 productId = 0;
    QString serialNumber;  // the USB serial number; empty when the reader gives none
    QString portPath;      // the USB socket, as sysfs names it ("1-2.3"); empty when unknown
    QString product;       // USB HID: the product string
    QString description;   // serial: the port's description

    // "hid:PATH" or "serial:PORT": what --device takes.
    QString device() const;
};

// A serial port is a reader's when its description starts with the driver's text or its USB
// vendor ID is the reader's (on Linux the description is the USB product string).
bool isReaderPort(const QString &description, bool hasVendorId, quint16 vendorId);

// Readers on USB HID (vendor 0x0416, the reader's product IDs; listing opens nothing), then
// serial ports that are a reader's (unless usbHidOnly: listing the ports asks the system
// for every port it has, which costs more than the USB HID list), each with its USB identity.
// hid_init must have run.
QList<Reader> attached(bool usbHidOnly = false);

// A port named by the operator, with what the system knows of it.
Reader serialPort(const QString &path);

}  // namespace ReaderList

Q_DECLARE_METATYPE(ReaderList::Reader)
