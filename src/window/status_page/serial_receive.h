#pragma once

#include <QByteArray>

class QTextEdit;

namespace SerialReceive {

// Appends the chunk, as UTF-8 without its 0x00 bytes, at the end of the text, with the next
// frame (StatusLog); a character that the chunk ends inside is shown when the next chunk for
// the same edit finishes it.
void echoChunk(QTextEdit *edit, const QByteArray &chunk);

}  // namespace SerialReceive
