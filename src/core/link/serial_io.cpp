#include "core/link/serial_io.h"

#include <QSerialPort>

bool writeSerialNow(QSerialPort *port, const QByteArray &bytes)
{
    if (!port || !port->isOpen())
        return false;
    if (port->write(bytes) != bytes.size())
        return false;
    while (port->bytesToWrite() > 0) {
        if (!port->waitForBytesWritten(1000))
            return false;
    }
    return true;
}
