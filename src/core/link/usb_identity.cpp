#include "core/link/usb_identity.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace UsbIdentity {

namespace {

QString &root()
{
    static QString path = QStringLiteral("/sys");
    return path;
}

QString firstLine(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readLine(256)).trimmed();
}

// class/<kind>/<name>/device leads to the interface's device (the HID device for hidraw, the
// USB interface "1-2.3:1.0" for a tty); the USB device is the first folder above it whose name
// is a socket and that holds the bus and device numbers. A root hub ("usb1") is never it.
Identity lookUp(const QString &kind, const QString &node)
{
    Identity identity;
    const QString name = QFileInfo(node).fileName();
    if (name.isEmpty())
        return identity;
    const QString base = QDir(root()).canonicalPath();
    QString path = QFileInfo(QStringLiteral("%1/class/%2/%3/device").arg(root(), kind, name)).canonicalFilePath();
    static const QRegularExpression socket(QStringLiteral("^\\d+-\\d+(\\.\\d+)*$"));
    // A USB device sits at most seven hubs deep; the walk never leaves the sysfs tree.
    for (int depth = 0; depth < 16 && !path.isEmpty() && path.startsWith(base + QLatin1Char('/')); ++depth) {
        const QFileInfo folder(path);
        if (socket.match(folder.fileName()).hasMatch() && QFileInfo::exists(path + QStringLiteral("/busnum"))
            && QFileInfo::exists(path + QStringLiteral("/devnum"))) {
            identity.portPath = folder.fileName();
            identity.serialNumber = firstLine(path + QStringLiteral("/serial"));
            break;
        }
        path = folder.path();
    }
    return identity;
}

}  // namespace

Identity ofHidraw(const QString &node)
{
    return lookUp(QStringLiteral("hidraw"), node);
}

Identity ofTty(const QString &node)
{
    return lookUp(QStringLiteral("tty"), node);
}

QString sysfsRoot()
{
    return root();
}

void setSysfsRoot(const QString &path)
{
    root() = path;
}

}  // namespace UsbIdentity
