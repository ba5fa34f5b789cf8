// keylon2ctl-demo shares keylon2ctl's main, so its serial readers come in through the
// platform's port list, set here before main runs: with KEYLON2_VIRTUAL_PLUG_DIR set, the list
// holds the system's ports and the virtual serial readers that `keylon2-virtual-reader
// --plug-dir` announces in that directory, as ports on the reader's USB vendor ID, each with
// the serial number and USB socket its program gave it. A reader plugged in or pulled out
// there shows at the next listing.
//
// The directory plays the part of /dev for a station: its files hid-N and serial-N come and go
// as the readers' nodes do, so the reader watcher watches it beside /dev.
#include <QFileInfo>
#include <QtGlobal>

#include "core/link/reader_watcher.h"
#include "core/link/usb_identity.h"
#include "core/platform/platform.h"
#include "plug_dir.h"
#include "virtual_sysfs.h"

namespace {

const bool virtualPortsInstalled = [] {
    const QString dir = qEnvironmentVariable("KEYLON2_VIRTUAL_PLUG_DIR");
    if (dir.isEmpty())
        return false;
    Platform::setPortEnumerator([dir] {
        QList<Platform::PortRecord> ports = Platform::systemPorts();
        // keylon2ctl-demo's own sysfs tree (when it has one) gets each port as a tty in its USB
        // socket, so that the port is found in that socket as a real reader's would be.
        const bool ownTree = UsbIdentity::sysfsRoot() != QLatin1String("/sys");
        for (const VirtualReader::PlugDir::SerialPort &reader : VirtualReader::PlugDir::serialPorts(dir)) {
            if (ownTree && !reader.usbPort.isEmpty())
                VirtualReader::addSysfsTty(UsbIdentity::sysfsRoot(), reader.usbPort, reader.serialNumber,
                                           QFileInfo(reader.port).fileName());
            ports.append({reader.port, QStringLiteral("Keylon2 Key Reader"), reader.port, QStringLiteral("Keylon"),
                          VirtualReader::VendorId, 0xF100, reader.serialNumber});
        }
        return ports;
    });
    // A file removed is its reader's node gone, so that a reader pulled out and plugged in
    // again before the next listing is a new plug; the stand-in's rewrite of a file (an
    // exchange with a new one) is no removal to the watcher.
    const ReaderWatcher::DeviceDirectory plugDir {
        dir, {QStringLiteral("hid-*"), QStringLiteral("serial-*")},
        [dir](const QString &name) { return VirtualReader::PlugDir::nodeOfFile(dir, name); }};
    ReaderWatcher::setDeviceDirectories({ReaderWatcher::systemDevices(), plugDir});
    return true;
}();

}  // namespace
