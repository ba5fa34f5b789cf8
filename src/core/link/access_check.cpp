#include "core/link/access_check.h"

#include <QCoreApplication>

#include <cerrno>
#include <hidapi.h>
#ifndef Q_OS_WIN
#include <unistd.h>
#endif

#include "core/link/usb_ids.h"

namespace AccessCheck {

const QString RulesFileName = QStringLiteral("60-keylon2.rules");

namespace {

[[maybe_unused]] bool wasTried(quint16 listed, quint16 tried)
{
    if (tried != 0)
        return listed == tried;
    for (quint16 id : UsbIds::ProductIds) {
        if (id == listed)
            return true;
    }
    return listed == UsbIds::DiagnosticProductId;
}

}  // namespace

Diagnosis afterHidOpenFailed(quint16 productId)
{
    Diagnosis diagnosis;
#ifdef Q_OS_WIN
    // The driver gives every user the reader; a failed open there is never the user's rights.
    Q_UNUSED(productId);
#else
    hid_device_info *const devices = hid_enumerate(UsbIds::VendorId, 0);
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
    for (quint16 productId : UsbIds::ProductIds) {
        if (hid_device *device = hid_open(UsbIds::VendorId, productId, nullptr)) {
            hid_close(device);
            return {};
        }
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

Diagnosis afterHidOpenPathFailed(const QString &node, const QString &error)
{
#ifdef Q_OS_WIN
    Q_UNUSED(node);
    Q_UNUSED(error);
    return {};
#else
    const QByteArray path = node.toLocal8Bit();
    const bool denied = error.contains(QLatin1String("Permission denied"))
        || (::access(path.constData(), R_OK | W_OK) != 0 && errno == EACCES);
    if (!denied)
        return {};
    return {Finding::Denied, node};
#endif
}

Message deniedText(const QString &node)
{
    return Message(CoreRoom, QT_TRANSLATE_NOOP("Core",
        "The reader is attached, but this user may not open %1. Install the udev rules (%2, see the README), then "
        "unplug and plug the reader in again."))
        .arg(node, RulesFileName);
}

}  // namespace AccessCheck
