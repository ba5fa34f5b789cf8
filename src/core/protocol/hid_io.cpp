#include "core/protocol/hid_io.h"

#include <QDebug>

int writeHidReport(hid_device *device, const QByteArray &report)
{
    if (!device)
        return -1;
    return hid_write(device, reinterpret_cast<const unsigned char *>(report.constData()),
                     size_t(report.size()));
}

QString hidErrorText(hid_device *device)
{
    const wchar_t *text = hid_error(device);
    return text ? QString::fromWCharArray(text) : QString();
}

std::mutex &hidapiGlobalLock()
{
    static std::mutex lock;
    return lock;
}

void logHidWriteFailure(const QString &error)
{
    qDebug("Unable to write()\n");
    qDebug("Error: %ls\n", qUtf16Printable(error));
}
