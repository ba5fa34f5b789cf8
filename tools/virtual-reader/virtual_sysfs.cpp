#include "virtual_sysfs.h"

#include "reader_model.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace VirtualReader {

namespace {

bool writeText(const QString &path, const QByteArray &text)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(text + '\n') == text.size() + 1;
}

// devices/.../usb<bus>/<socket>, with the attributes that say it is a USB device.
QString usbDevice(const QString &root, const QString &socket, const QString &serial, int deviceNumber)
{
    const QString bus = socket.section(QLatin1Char('-'), 0, 0);
    const QString path = QStringLiteral("%1/devices/platform/vhci_hcd.0/usb%2/%3").arg(root, bus, socket);
    if (!QDir().mkpath(path) || !writeText(path + QStringLiteral("/busnum"), bus.toLatin1())
        || !writeText(path + QStringLiteral("/devnum"), QByteArray::number(deviceNumber)))
        return QString();
    if (!serial.isEmpty() && !writeText(path + QStringLiteral("/serial"), serial.toUtf8()))
        return QString();
    return path;
}

QString usbDevice(const QString &root, const Model &model)
{
    return usbDevice(root, model.portPath(), model.serialNumber(), model.number() + 1);
}

// <device>/<socket>:1.0/<sub>/<class>/<name> with its "device" link to `linkTarget` (relative
// to that folder), and class/<class>/<name> leading to it.
bool classEntry(const QString &root, const QString &deviceFolder, const QString &sub, const QString &kind,
                const QString &name, const QString &linkTarget)
{
    const QString node = QStringLiteral("%1/%2/%3/%4").arg(deviceFolder, sub, kind, name);
    const QString classFolder = QStringLiteral("%1/class/%2").arg(root, kind);
    if (!QDir().mkpath(node) || !QDir().mkpath(classFolder))
        return false;
    QFile::remove(node + QStringLiteral("/device"));
    QFile::remove(classFolder + QLatin1Char('/') + name);
    return QFile::link(linkTarget, node + QStringLiteral("/device"))
        && QFile::link(QDir(classFolder).relativeFilePath(node), classFolder + QLatin1Char('/') + name);
}

}  // namespace

bool writeSysfsTree(const QString &root)
{
    for (int number = 1; number <= Model::MaxReaders; ++number) {
        const Model *model = Model::reader(number);
        if (!model)
            break;
        const QString device = usbDevice(root, *model);
        if (device.isEmpty())
            return false;
        const QString hid = QStringLiteral("%1:1.0/0003:0416:F100.%2")
                                .arg(model->portPath())
                                .arg(number, 4, 16, QLatin1Char('0'));
        const QString name = QFileInfo(QString::fromLatin1(model->hidPath())).fileName();
        // hidraw/<name>/device is the HID device two folders up.
        if (!classEntry(root, device, hid, QStringLiteral("hidraw"), name, QStringLiteral("../..")))
            return false;
    }
    return true;
}

bool addSysfsTty(const QString &root, const Model &model, const QString &ttyName)
{
    return addSysfsTty(root, model.portPath(), model.serialNumber(), ttyName);
}

bool addSysfsTty(const QString &root, const QString &portPath, const QString &serialNumber, const QString &ttyName)
{
    const QString device = usbDevice(root, portPath, serialNumber, portPath.section(QLatin1Char('.'), -1).toInt() + 1);
    // tty/<name>/device is the USB interface, two folders up.
    return !device.isEmpty()
        && classEntry(root, device, portPath + QStringLiteral(":1.0"), QStringLiteral("tty"), ttyName,
                      QStringLiteral("../.."));
}

QString serialReaderSerialNumber(int number)
{
    return QStringLiteral("KLN2-1%1").arg(number, 5, 10, QLatin1Char('0'));
}

QString serialReaderPortPath(int number)
{
    return QStringLiteral("2-1.%1").arg(number);
}

}  // namespace VirtualReader
