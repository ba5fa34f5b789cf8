#include "core/link/reader_list.h"

#include "core/link/port_choice.h"
#include "core/link/usb_ids.h"

namespace ReaderList {

Reader Reader::at(const TransportDescriptor &transport, const QString &path)
{
    Reader reader;
    reader.transport = &transport;
    reader.path = path;
    return reader;
}

QString Reader::device() const
{
    return transport->prefix() + path;
}

QString Reader::lockNode() const
{
    return transport->lockNode ? transport->lockNode(path) : path;
}

bool isReaderPort(const QString &description, bool hasVendorId, quint16 vendorId)
{
    return description.startsWith(PortChoice::ReaderPortDescription, Qt::CaseSensitive)
        || (hasVendorId && vendorId == UsbIds::VendorId);
}

QList<Reader> attached(bool cheapOnly)
{
    QList<Reader> readers;
    for (const TransportDescriptor *transport : Transports::all()) {
        if (!cheapOnly || !transport->costlyList)
            readers += transport->list();
    }
    return readers;
}

}  // namespace ReaderList
