#pragma once

#include <QString>

namespace VirtualReader {

class Model;

// A sysfs tree in `root` that shows each present reader as a USB device in its socket
// (Model::portPath(), with its serial number), its USB HID interface and, under the hidraw
// class, its node's name (virtual-hidraw1, ...): the layout the kernel gives a real reader, so
// that a program linked to the hidapi stand-in finds its readers' identity the way it finds a
// real reader's. False when the tree could not be written.
bool writeSysfsTree(const QString &root);

// A tty of the given name (the file name of its node, e.g. "ttyACM0" or the "5" of
// /dev/pts/5) under the reader's USB device, as its serial interface.
bool addSysfsTty(const QString &root, const Model &model, const QString &ttyName);
// The same for a reader that lives in another process (a serial reader of
// keylon2-virtual-reader), by its USB socket and serial number.
bool addSysfsTty(const QString &root, const QString &portPath, const QString &serialNumber, const QString &ttyName);

// The USB identity of serial reader N, apart from the USB HID readers' (KLN2-000001 in socket
// 1-1.1, ...), so that a serial and a USB HID reader never share one: serial number
// KLN2-1<N in five digits> (KLN2-100001, ...), in socket 2-1.N of USB bus 2.
QString serialReaderSerialNumber(int number);
QString serialReaderPortPath(int number);

}  // namespace VirtualReader
