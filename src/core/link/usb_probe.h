#pragma once

#include <QString>
#include <QtGlobal>

#include <hidapi.h>

#include "core/link/usb_ids.h"

namespace UsbProbe {

struct Found
{
    hid_device *device = nullptr;  // open, or null when no reader answered
    quint16 vendorId = 0;
    quint16 productId = 0;
};

// Opens the reader by the IDs it may have, 0xF100 first; the first that opens wins.
Found openReader();

// The node hid_open(vendorId, productId) opens: the first device listed with those IDs; empty
// when none is.
QString nodeOf(quint16 vendorId, quint16 productId);

}  // namespace UsbProbe
