#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

// Stand-ins for the calls that only Windows has, each behind one function so that tests can
// replace it. Production code calls the functions; tests call the setters.
namespace Platform {

// Windows code pages: the real GetACP/GetOEMCP on Windows; elsewhere the code page that matches
// the locale's character set (see codePageOfCharset).
unsigned getACP();
unsigned getOEMCP();
// The Windows code page for a character-set name such as "UTF-8" or "ISO-8859-15"; 65001 when
// the name is not known.
unsigned codePageOfCharset(const QByteArray &charset);
void setCodePages(std::function<unsigned()> acp, std::function<unsigned()> oemcp);

// A blocking pause of the calling (GUI) thread.
void sleepMs(unsigned ms);
void setSleepFunction(std::function<void(unsigned)> sleep);

// One serial port as the enumeration reports it.
struct PortRecord
{
    QString portName;
    QString friendName;      // the description, e.g. the driver's name for a virtual COM port
    QString physName;        // where the system keeps the device (system location)
    QString enumName;        // the enumerator (manufacturer)
    quint16 vendorId = 0;    // the USB vendor ID; 0 when the port is not on USB
    quint16 productId = 0;   // the USB product ID; 0 when the port is not on USB
    QString serialNumber {}; // the USB serial number; empty when none
};
QList<PortRecord> enumeratePorts();
void setPortEnumerator(std::function<QList<PortRecord>()> enumerator);
// The system's own port list, whatever enumerator is set (for an enumerator that adds to it).
QList<PortRecord> systemPorts();

// The system's words for an errno value ("No such file or directory"), in the C library's
// language.
QString systemErrorText(int error);

// The port name the serial field starts with when no reader port is found: the platform's
// usual first port ("/dev/ttyACM0" on Linux, "COM6" on Windows).
QString defaultPortName();

// The firmware writer's command line, started in the working directory.
QString firmwareWriterProgram();
QStringList firmwareWriterArguments();
// Whether the writer is there, relative to the working directory, and may be executed.
bool firmwareWriterRunnable();

// Puts every seam back to the real call.
void resetSeams();

}  // namespace Platform
