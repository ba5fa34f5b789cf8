#include "link/access_check.h"

#include <hidapi.h>

#include "link/usb_probe.h"

namespace AccessCheck {

const QString RulesFileName = QStringLiteral("60-keylon2.rules");

namespace {

constexpr quint16 DiagnosticProductId = 0xC141;

[[maybe_unused]] bool wasTried(quint16 listed, quint16 tried)
{
    if (tried != 0)
        return listed == tried;
    for (quint16 id : UsbProbe::ProductIds) {
        if (id == listed)
            return true;
    }
    return listed == DiagnosticProductId;
}

}  // namespace

Diagnosis afterHidOpenFailed(quint16 productId)
{
    Diagnosis diagnosis;
#ifdef Q_OS_WIN
    // The driver gives every user the reader; a failed open there is never the user's rights.
    Q_UNUSED(productId);
#else
    hid_device_info *const devices = hid_enumerate(UsbProbe::VendorId, 0);
    for (const hid_device_info *info = devices; info; info = info->next) {
        if (wasTried(info->product_id, productId) && info->path) {
            diagnosis.finding = Finding::Denied;
            diagnosis.node = QString::fromLocal8Bit(info->path);
            break;
        }
    }
    hid_free_enumeration(devices);
#endif
    return diagnosis;
}

Diagnosis hidReaderRefused()
{
#ifdef Q_OS_WIN
    return {};
#else
    const UsbProbe::Found found = UsbProbe::openReader();
    if (found.device) {
        hid_close(found.device);
        return {};
    }
    return afterHidOpenFailed(0);
#endif
}

Diagnosis afterSerialOpenFailed(QSerialPort::SerialPortError error, const QString &node)
{
    if (error != QSerialPort::PermissionError)
        return {};
    return {Finding::Denied, node};
}

}  // namespace AccessCheck
