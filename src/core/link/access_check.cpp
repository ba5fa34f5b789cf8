#include "core/link/access_check.h"

#include <cerrno>
#ifndef Q_OS_WIN
#include <unistd.h>
#endif

namespace AccessCheck {

const QString RulesFileName = QStringLiteral("60-keylon2.rules");

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
