#include "core/link/reader_list.h"

#include <hidapi.h>

#include "core/link/port_choice.h"
#include "core/link/usb_identity.h"
#include "core/link/usb_ids.h"
#include "core/platform/platform.h"
#include "core/protocol/hid_io.h"

namespace ReaderList {

QString Reader::device() const
{
    return Transport::kindWord(kind) + QLatin1Char(':') + path;
}

bool isReaderPort(const QString &description, bool hasVendorId, quint16 vendorId)
{
    return description.startsWith(PortChoice::ReaderPortDescription, Qt::CaseSensitive)
        || (hasVendorId && vendorId == UsbIds::VendorId);
}

QList<Reader> attached(bool usbHidOnly)
{
    QList<Reader> readers;
    hid_device_info *const devices = [] {
        std::lock_guard<std::mutex> lock(hidapiGlobalLock());
        return hid_enumerate(UsbIds::VendorId, 0);
    }();
    for (const hid_device_info *info = devices; info; info = info->next) {
        bool ours = false;
        for (quint16 productId : UsbIds::ProductIds)
            ours = ours || info->product_id == productId;
        if (!ours || !info->path)
            continue;
        Reader reader;
        reader.kind = Transport::Kind::UsbHid;
        reader.path = QString::fromLocal8Bit(info->path);
        reader.vendorId = info->vendor_id;
        reader.productId = info->product_id;
        if (info->serial_number)
            reader.serialNumber = QString::fromWCharArray(info->serial_number);
        if (info->product_string)
            reader.product = QString::fromWCharArray(info->product_string);
        const UsbIdentity::Identity identity = UsbIdentity::ofHidraw(reader.path);
        reader.portPath = identity.portPath;
        if (reader.serialNumber.isEmpty())
            reader.serialNumber = identity.serialNumber;
        readers.append(reader);
    }
    hid_free_enumeration(devices);
    if (usbHidOnly)
        return readers;

    const QList<Platform::PortRecord> ports = Platform::enumeratePorts();
    for (const Platform::PortRecord &port : ports) {
        if (!isReaderPort(port.friendName, port.vendorId != 0, port.vendorId))
            continue;
        Reader reader;
        reader.kind = Transport::Kind::Serial;
        reader.path = port.physName;
        reader.vendorId = port.vendorId;
        reader.productId = port.productId;
        reader.description = port.friendName;
        const UsbIdentity::Identity identity = UsbIdentity::ofTty(reader.path);
        reader.portPath = identity.portPath;
        reader.serialNumber = identity.serialNumber.isEmpty() ? port.serialNumber : identity.serialNumber;
        readers.append(reader);
    }
    return readers;
}

Reader serialPort(const QString &path)
{
    Reader reader;
    reader.kind = Transport::Kind::Serial;
    reader.path = path;
    const UsbIdentity::Identity identity = UsbIdentity::ofTty(path);
    reader.portPath = identity.portPath;
    reader.serialNumber = identity.serialNumber;
    return reader;
}

}  // namespace ReaderList
