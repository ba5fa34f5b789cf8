#include "link/usb_probe.h"

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

}  // namespace UsbProbe
