#pragma once

#include <QList>
#include <QString>

#include "core/link/usb_ids.h"
#include "core/platform/platform.h"

namespace PortChoice {

// The driver of the reader's virtual COM port describes the port with this text on Windows.
extern const QString ReaderPortDescription;

// The port the serial field starts with: the first port whose description starts with the
// driver's text; else (on Linux the description is the USB product string) the first port on
// the reader's USB vendor ID; else the platform's default port name.
QString readerPort(const QList<Platform::PortRecord> &ports);

}  // namespace PortChoice
