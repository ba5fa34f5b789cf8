#pragma once

#include <QByteArray>

class QSerialPort;

// Writes bytes to the port and returns only once they have reached the line. QSerialPort
// keeps writes in its buffer until the event loop runs, and the slots that send frames
// block the GUI thread with pauses, so without this not one byte would leave before the
// next pause. Returns false when the port is not open or the write failed.
bool writeSerialNow(QSerialPort *port, const QByteArray &bytes);
