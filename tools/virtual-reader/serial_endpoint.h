#pragma once

#include <QByteArray>
#include <QString>

namespace VirtualReader {

class Model;

// The reader behind a pseudo-terminal. The utility opens portPath() with QSerialPort as it
// opens a real port; a thread of this endpoint reads the master side, hands the bytes to the
// model and writes its answers back.
class SerialEndpoint
{
public:
    explicit SerialEndpoint(Model &model);
    ~SerialEndpoint();
    SerialEndpoint(const SerialEndpoint &) = delete;
    SerialEndpoint &operator=(const SerialEndpoint &) = delete;

    // Opens the pseudo-terminal (raw, so that no byte is translated) and starts answering.
    // False when no pseudo-terminal could be had. Starting a running endpoint does nothing.
    bool start();
    void stop();               // stops the thread and closes both sides; also done on destruction
    bool isRunning() const;
    QString portPath() const;  // the slave side, e.g. /dev/pts/4; empty when not running

    // The reader read a key: sends the ID code as it goes out on the serial line (see
    // Model::serialIdCodeOutput). False, and nothing sent, when the reader is not on the
    // serial interface or the endpoint is not running.
    bool sendIdCode(const QByteArray &idCode);
    // Sends bytes as they are, whatever the reader's state.
    void sendRaw(const QByteArray &bytes);

private:
    struct Private;
    Private *d;
};

}  // namespace VirtualReader
