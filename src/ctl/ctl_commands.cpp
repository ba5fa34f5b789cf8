#include "ctl_commands.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTextStream>

#include "ctl_device.h"
#include "platform/platform.h"
#include "session/reader_session.h"

namespace Ctl {

namespace {

constexpr int QuietMs = 100;

// Opens the reader, runs one session operation on it and closes the link again; Success, or
// the exit code of what went wrong, told on standard error.
int runOnReader(const ReaderList::Reader &reader, Io &io,
                SessionResult (ReaderSession::*operation)())
{
    Opened opened = open(reader);
    if (!opened.transport) {
        io.err << opened.error << Qt::endl;
        return opened.exitCode;
    }
    quint8 sequence = 1;
    ReaderSession session(*opened.transport, sequence);
    const SessionResult result = (session.*operation)();
    if (!result.ok()) {
        io.err << reader.device() << ": " << result.describe() << Qt::endl;
        return ReaderFailed;
    }
    return Success;
}

}  // namespace

QString helpText()
{
    return QStringLiteral(
        "Reads and writes the settings of Keylon2 key readers.\n"
        "\n"
        "Commands:\n"
        "  list [--json]                          every attached reader (USB HID and serial)\n"
        "  read [DEVICE] [--format cfg|json]      the reader's settings as a configuration file\n"
        "                                         (the utility's Import reads it) or as JSON\n"
        "  write FILE.cfg [DEVICE | --all] [--no-verify] [--jobs N]\n"
        "                                         writes and saves the file's settings, then reads\n"
        "                                         them back; --all: every attached reader at once\n"
        "  set-interface usb|serial [DEVICE]      switches the reader's interface\n"
        "  monitor [DEVICE]                       key ID codes from a serial reader, one per line,\n"
        "                                         until interrupted\n"
        "  firmware-update [DEVICE]               ISP mode, then ./flashmate RECONNKLN\n"
        "  doctor [--json]                        what stands between this user and the readers,\n"
        "                                         one line each with what to do (exit 4: a reader\n"
        "                                         cannot be opened)\n"
        "\n"
        "DEVICE is --device hid:PATH or --device serial:PORT (as list shows them); without one,\n"
        "the only attached reader. Serial ports count as readers by their description or their\n"
        "USB vendor ID 0416; any other port must be named.");
}

QString exitCodeText()
{
    return QStringLiteral(
        "\nExit codes:\n"
        "  0  success\n"
        "  1  a reader failed (no answer, a write that failed, a difference on verify)\n"
        "  2  usage error, or a file that cannot be taken (nothing was sent)\n"
        "  3  no reader found\n"
        "  4  permission denied on the reader's device node\n");
}

int setInterface(const ReaderList::Reader &reader, bool serial, Io &io)
{
    const bool onSerial = reader.kind == Transport::Kind::Serial;
    if (onSerial == serial) {
        io.out << reader.device() << ": already on the " << (serial ? "serial" : "USB keyboard")
               << " interface\n";
        io.out.flush();
        return Success;
    }
    if (const int failed = runOnReader(reader, io, &ReaderSession::changeInterface))
        return failed;
    io.out << reader.device() << ": the reader switches to the " << (serial ? "serial" : "USB keyboard")
           << " interface\n";
    io.out.flush();
    return Success;
}

int monitor(const ReaderList::Reader &reader, Io &io)
{
    if (reader.kind != Transport::Kind::Serial) {
        io.err << reader.device()
               << ": a reader on USB HID types its key ID codes as keystrokes; monitor needs a serial reader"
               << Qt::endl;
        return UsageError;
    }
    Opened opened = open(reader);
    if (!opened.transport) {
        io.err << opened.error << Qt::endl;
        return opened.exitCode;
    }
    QByteArray line;
    QByteArray chunk;
    const auto flush = [&] {
        if (!line.isEmpty())
            io.out << QString::fromUtf8(line) << Qt::endl;
        line.clear();
    };
    while (!(io.stop && *io.stop)) {
        const int received = opened.transport->receive(chunk, QuietMs);
        if (received < 0) {
            flush();
            io.err << reader.device() << ": the serial line is gone" << Qt::endl;
            return ReaderFailed;
        }
        // The reader sends each read in one burst, ended by its postamble when it has one
        // (usually a carriage return): a line end or a quiet line ends the code.
        if (received == 0)
            flush();
        for (char byte : chunk) {
            if (byte == '\r' || byte == '\n')
                flush();
            else if (byte != '\0')
                line.append(byte);
        }
    }
    flush();
    return Success;
}

int firmwareUpdate(const ReaderList::Reader &reader, Io &io)
{
    const QString program = Platform::firmwareWriterProgram();
    const QFileInfo writer(program);
    if (!Platform::firmwareWriterRunnable()) {
        io.err << QStringLiteral("The firmware writer %1 was not found in %2; nothing was sent to the reader.")
                      .arg(writer.fileName(), QDir::currentPath())
               << Qt::endl;
        return UsageError;
    }
    // The link goes with the operation, so that the writer finds the reader free.
    if (const int failed = runOnReader(reader, io, &ReaderSession::enterIspMode))
        return failed;

    // All the time the reader gets to come up in ISP mode before the writer looks for it.
    Platform::sleepMs(1000);
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    process.start(program, Platform::firmwareWriterArguments(), QIODevice::ReadWrite);
    process.closeWriteChannel();
    if (!process.waitForFinished(-1) || process.exitStatus() != QProcess::NormalExit) {
        io.err << "the firmware writer did not run to its end" << Qt::endl;
        return ReaderFailed;
    }
    if (process.exitCode() != 0) {
        io.err << "the firmware writer ended with exit code " << process.exitCode() << Qt::endl;
        return ReaderFailed;
    }
    io.out << reader.device() << ": firmware written\n";
    io.out.flush();
    return Success;
}

}  // namespace Ctl
