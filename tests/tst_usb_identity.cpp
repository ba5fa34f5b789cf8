// A reader's USB identity as sysfs gives it, on a tree laid out as the kernel lays out a reader
// on USB HID, one on its serial interface, and ports that are not on USB.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "core/link/usb_identity.h"

namespace {

void put(const QString &path, const QByteArray &text)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(text + '\n');
}

// class/<kind>/<name> leads to <device>/<kind>/<name>, whose "device" link is <device>.
void node(const QString &root, const QString &kind, const QString &name, const QString &device)
{
    const QString folder = QStringLiteral("%1/devices/%2/%3/%4").arg(root, device, kind, name);
    QDir().mkpath(folder);
    QDir().mkpath(root + "/class/" + kind);
    QFile::link(QStringLiteral("../.."), folder + "/device");
    QFile::link(QDir(root + "/class/" + kind).relativeFilePath(folder), root + "/class/" + kind + "/" + name);
}

// A USB device with its bus and device numbers, and a serial number when one is given.
void usbDevice(const QString &root, const QString &path, const QByteArray &serial)
{
    put(root + "/devices/" + path + "/busnum", "1");
    put(root + "/devices/" + path + "/devnum", "7");
    if (!serial.isEmpty())
        put(root + "/devices/" + path + "/serial", serial);
}

}  // namespace

class TestUsbIdentity : public QObject
{
    Q_OBJECT

    QTemporaryDir sysfs;

private slots:
    void initTestCase()
    {
        const QString root = sysfs.path();
        const QString bus = "pci0000:00/0000:00:14.0/usb1";
        usbDevice(root, bus, "0000:00:14.0");                   // the root hub
        usbDevice(root, bus + "/1-2", QByteArray());             // a hub
        usbDevice(root, bus + "/1-2/1-2.3", "KLN2-000042");      // a reader behind it
        node(root, "hidraw", "hidraw3", bus + "/1-2/1-2.3/1-2.3:1.0/0003:0416:F100.0007");
        usbDevice(root, bus + "/1-4", "KLN2-000043");
        node(root, "tty", "ttyACM0", bus + "/1-4/1-4:1.0");
        usbDevice(root, bus + "/1-5", QByteArray());             // a reader without a serial number
        node(root, "tty", "ttyACM1", bus + "/1-5/1-5:1.0");
        node(root, "tty", "ttyS0", "platform/serial8250");      // not on USB
        UsbIdentity::setSysfsRoot(root);
    }
    void cleanupTestCase() { UsbIdentity::setSysfsRoot("/sys"); }

    void shouldFindTheSocketAndSerialNumber_data()
    {
        QTest::addColumn<bool>("hidraw");
        QTest::addColumn<QString>("node");
        QTest::addColumn<QString>("serialNumber");
        QTest::addColumn<QString>("portPath");
        QTest::newRow("USB HID behind a hub") << true << "/dev/hidraw3" << "KLN2-000042" << "1-2.3";
        QTest::newRow("serial interface") << false << "/dev/ttyACM0" << "KLN2-000043" << "1-4";
        QTest::newRow("no serial number") << false << "/dev/ttyACM1" << "" << "1-5";
        QTest::newRow("not on USB") << false << "/dev/ttyS0" << "" << "";
        QTest::newRow("a pseudo-terminal") << false << "/dev/pts/4" << "" << "";
        QTest::newRow("no such node") << true << "/dev/hidraw9" << "" << "";
    }
    void shouldFindTheSocketAndSerialNumber()
    {
        QFETCH(bool, hidraw);
        QFETCH(QString, node);
        QFETCH(QString, serialNumber);
        QFETCH(QString, portPath);
        const UsbIdentity::Identity identity = hidraw ? UsbIdentity::ofHidraw(node) : UsbIdentity::ofTty(node);
        QCOMPARE(identity.serialNumber, serialNumber);
        QCOMPARE(identity.portPath, portPath);
    }
};

QTEST_GUILESS_MAIN(TestUsbIdentity)
#include "tst_usb_identity.moc"
