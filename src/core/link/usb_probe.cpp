#include "core/link/usb_probe.h"

namespace UsbProbe {

Found openReader()
{
    Found found;
    for (quint16 productId : UsbIds::ProductIds) {
        found.device = hid_open(UsbIds::VendorId, productId, nullptr);
        if (found.device) {
            found.vendorId = UsbIds::VendorId;
            found.productId = productId;
            break;
        }
    }
    return found;
}

QString nodeOf(quint16 vendorId, quint16 productId)
{
    hid_device_info *const devices = hid_enumerate(vendorId, productId);
    const QString node = devices && devices->path ? QString::fromLocal8Bit(devices->path) : QString();
    hid_free_enumeration(devices);
    return node;
}

}  // namespace UsbProbe
