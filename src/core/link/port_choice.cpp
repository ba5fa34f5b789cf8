#include "core/link/port_choice.h"

namespace PortChoice {

const QString ReaderPortDescription = QStringLiteral("Nuvoton Virtual Com Port");

QString readerPort(const QList<Platform::PortRecord> &ports)
{
    for (const Platform::PortRecord &port : ports) {
        if (port.friendName.startsWith(ReaderPortDescription, Qt::CaseSensitive))
            return QString::fromUtf8(port.portName.toLocal8Bit());
    }
    for (const Platform::PortRecord &port : ports) {
        if (port.vendorId == UsbIds::VendorId)
            return port.portName;
    }
    return Platform::defaultPortName();
}

}  // namespace PortChoice
