#include "core/protocol/hid_io.h"

#include <QDebug>

void logHidWriteFailure(const QString &error)
{
    qDebug("Unable to write()\n");
    qDebug("Error: %ls\n", qUtf16Printable(error));
}
