#pragma once

#include <QString>

#include "ctl.h"
#include "link/reader_list.h"

namespace Ctl {

QString helpText();
QString exitCodeText();

// The reader goes to the serial interface (serial) or the USB keyboard one; nothing is sent
// when it is on that interface already.
int setInterface(const ReaderList::Reader &reader, bool serial, Io &io);
// Key ID codes from the serial line, one per line, until io.stop is set.
int monitor(const ReaderList::Reader &reader, Io &io);
// ISP mode, then the firmware writer from the working directory, as the window starts it.
int firmwareUpdate(const ReaderList::Reader &reader, Io &io);

}  // namespace Ctl
