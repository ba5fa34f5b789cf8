#pragma once

#include <QByteArray>

class MainWindow;
class QSerialPort;
class QTextEdit;

namespace SerialReceive {

// One chunk from the serial line: echoed on the Status page, logged, then handed to the
// status parser. Returns what the parser returned (0 shown, -1 dropped or incomplete).
int receiveChunk(MainWindow &window, const QByteArray &chunk);

// Appends the chunk, as UTF-8 without its 0x00 bytes, at the end of the text; a character
// that the chunk ends inside is shown when the next chunk for the same edit finishes it.
void echoChunk(QTextEdit *edit, const QByteArray &chunk);

// After the read frames: gathers what the reader sends until the six answers are whole in it
// or DeadlineMs have passed since the call.
constexpr int DeadlineMs = 1000;
QByteArray collectAnswers(QSerialPort *port);

}  // namespace SerialReceive
