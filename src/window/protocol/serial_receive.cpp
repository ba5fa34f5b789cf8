#include "protocol/serial_receive.h"

#include <QTextEdit>

#include "app/status_log.h"

namespace SerialReceive {

void echoChunk(QTextEdit *edit, const QByteArray &chunk)
{
    StatusLog::of(edit).echo(chunk);
}

}  // namespace SerialReceive
