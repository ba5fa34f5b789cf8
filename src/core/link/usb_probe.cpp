#include "link/usb_probe.h"

namespace UsbProbe {

Found openReader()
{
    Found found;
    for (quint16 productId : ProductIds) {
        found.device = hid_open(VendorId, productId, nullptr);
        if (found.device) {
            found.vendorId = VendorId;
            found.productId = productId;
            break;
        }
    }
    return found;
}

}  // namespace UsbProbe
