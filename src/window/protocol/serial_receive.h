#pragma once

#include <QByteArray>

class MainWindow;
class QTextEdit;

namespace SerialReceive {

// One chunk from the serial line: echoed on the Status page, logged, then handed to the
// status parser. Returns what the parser returned (0 shown, -1 dropped or incomplete).
int receiveChunk(MainWindow &window, const QByteArray &chunk);

// What a settings read collected: all of it echoed and logged as one chunk, in the order it
// came, and only the answers found in it (when found) handed to the status parser, so that a
// key's ID code among them is shown and does not spoil the read.
int receiveRead(MainWindow &window, const QByteArray &collected, const QByteArray &answers);

// Appends the chunk, as UTF-8 without its 0x00 bytes, at the end of the text, with the next
// frame (StatusLog); a character that the chunk ends inside is shown when the next chunk for
// the same edit finishes it.
void echoChunk(QTextEdit *edit, const QByteArray &chunk);

}  // namespace SerialReceive
