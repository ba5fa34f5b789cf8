#include "window/status_page/serial_receive.h"

#include <QTextEdit>

#include "window/status_page/status_log.h"

namespace SerialReceive {

void echoChunk(QTextEdit *edit, const QByteArray &chunk)
{
    StatusLog::of(edit).echo(chunk);
}

}  // namespace SerialReceive
