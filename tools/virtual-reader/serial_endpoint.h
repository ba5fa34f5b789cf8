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

    bool start();            // opens the pseudo-terminal and starts answering
    void stop();
    QString portPath() const;  // the slave side, e.g. /dev/pts/4

    // The reader read a key: sends the ID code as it goes out on the serial line.
    void sendIdCode(const QByteArray &idCode);
    // Sends bytes as they are.
    void sendRaw(const QByteArray &bytes);

private:
    struct Private;
    Private *d;
};

}  // namespace VirtualReader
