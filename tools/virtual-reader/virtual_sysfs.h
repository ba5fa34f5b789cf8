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

}  // namespace VirtualReader
