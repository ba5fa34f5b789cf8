// keylon2ctl-demo shares keylon2ctl's main, so its serial readers come in through the
// platform's port list, set here before main runs: with KEYLON2_VIRTUAL_PLUG_DIR set, the list
// holds the system's ports and the virtual serial readers that `keylon2-virtual-reader
// --plug-dir` announces in that directory, as ports on the reader's USB vendor ID. A reader
// plugged in or pulled out there shows at the next listing.
#include <QtGlobal>

#include "platform/platform.h"
#include "plug_dir.h"

namespace {

const bool virtualPortsInstalled = [] {
    const QString dir = qEnvironmentVariable("KEYLON2_VIRTUAL_PLUG_DIR");
    if (dir.isEmpty())
        return false;
    Platform::setPortEnumerator([dir] {
        QList<Platform::PortRecord> ports = Platform::systemPorts();
        for (const VirtualReader::PlugDir::SerialPort &reader : VirtualReader::PlugDir::serialPorts(dir))
            ports.append({reader.port, QStringLiteral("Keylon2 Key Reader"), reader.port, QStringLiteral("Keylon"),
                          VirtualReader::VendorId, 0xF100, reader.serialNumber});
        return ports;
    });
    return true;
}();

}  // namespace
