#pragma once

#include <QString>

// Who a reader is, whichever interface it is on: its USB serial number and the USB socket it
// sits in. The socket is the name sysfs gives the USB device ("1-2.3": bus 1, port 2 of the root
// hub, port 3 of the hub there), which stays the same when the reader is plugged in again in
// the same socket, while its hidraw or tty node may change. Both are empty where the system
// does not say (not on USB, a pseudo-terminal, not Linux).
namespace UsbIdentity {

struct Identity
{
    QString serialNumber;
    QString portPath;
};

// The USB device above a node of the hidraw class (/dev/hidraw3) or the tty class
// (/dev/ttyACM0).
Identity ofHidraw(const QString &node);
Identity ofTty(const QString &node);

// Where sysfs is mounted: "/sys". Tests point it at a tree of their own before any lookup;
// not to be changed while other threads look readers up.
QString sysfsRoot();
void setSysfsRoot(const QString &root);

}  // namespace UsbIdentity
