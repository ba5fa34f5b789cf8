#include "ctl/ctl.h"

#include <QCoreApplication>
#include <QIODevice>
#include <QTextStream>

#include <atomic>
#include <cerrno>
#include <clocale>
#include "core/link/hid_transport.h"
#include <poll.h>
#include <unistd.h>

#include "core/text/translations.h"
#include "ctl/fleet/interrupt.h"
#include "ctl/output/document.h"
#include "ctl/table/command_table.h"
#include "ctl/table/parser.h"

namespace Ctl {

namespace {

bool verbose = false;

// Standard output (1) and error (2): set once a write to it failed.
std::atomic<bool> streamGone[3];

// Writes all of `data` to standard output or error, from any thread. A pipe whose reader
// closed (EPIPE) or a terminal that hung up (EIO) is output that went away: the stream shows
// nothing more and the work ends as after an interrupt. Any other failure (a full disk behind
// a redirection) only stops that stream.
void writeAll(int fd, const char *data, qint64 size)
{
    qint64 done = 0;
    while (done < size && !streamGone[fd].load()) {
        const ssize_t written = ::write(fd, data + done, size_t(size - done));
        if (written >= 0) {
            done += written;
            continue;
        }
        if (errno == EINTR)
            continue;
        if (errno == EAGAIN || errno == EWOULDBLOCK) {  // a descriptor inherited non-blocking
            pollfd ready{fd, POLLOUT, 0};
            ::poll(&ready, 1, 1000);
            continue;
        }
        const bool away = errno == EPIPE || errno == EIO;
        streamGone[fd].store(true);
        if (away)
            Interrupt::outputGone();
    }
}

// A QTextStream's device that writes through writeAll(), unbuffered: every flush reaches the
// descriptor, so a closed pipe is seen at the line that meets it.
class StandardStream : public QIODevice
{
public:
    explicit StandardStream(int fd)
        : fd_(fd)
    {
        open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    }
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *data, qint64 size) override
    {
        writeAll(fd_, data, size);
        return size;  // what cannot be shown any more is dropped, not kept for later
    }

private:
    int fd_;
};

// The protocol writes its debug lines as the window does; here they would mix with the
// results, so they show only with --verbose (on standard error). From any thread.
void messages(QtMsgType type, const QMessageLogContext &, const QString &text)
{
    if (type == QtDebugMsg && !verbose)
        return;
    const QByteArray line = text.toLocal8Bit() + '\n';
    writeAll(STDERR_FILENO, line.constData(), line.size());
}

}  // namespace

int run(const QStringList &arguments, Io &io)
{
    const Parsed parsed = parse(arguments);
    if (!parsed.output.isEmpty()) {
        io.out << parsed.output;
        io.out.flush();
        return Success;
    }
    if (parsed.exitCode != Success)
        return fail(parsed.invocation, io, parsed.exitCode, {parsed.error});
    const Invocation &invocation = parsed.invocation;
    const int exitCode = invocation.command->handler(invocation, io);
    if (!stopRequested(io))
        return exitCode;
    // A station ends at a signal as it is meant to, and so does monitor: their codes stand,
    // but monitor's output that went away is said. Every other command that a signal or the
    // output ended says so, whatever it came to.
    const int stopped = stoppedExitCode(io);
    if (invocation.isSet(QStringLiteral("watch")))
        return exitCode;
    if (invocation.commandWord == QLatin1String("monitor") && stopped != OutputGone)
        return exitCode;
    return stopped;
}

int processMain(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("keylon2ctl"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KEYLON2_VERSION));
    // The system's reasons (strerror: "No such file or directory") stand in --json and the audit
    // log, so they stay English whatever locale the C library was given; our language is chosen
    // from the environment below, not from the C library.
    std::setlocale(LC_MESSAGES, "C");
    // The desktop's language for the help and the messages; C or POSIX is English. What
    // machines read is worded from the same messages in English.
    Translations::installDesktopLanguage(app, Translations::QtTexts::English);
    const QStringList arguments = QCoreApplication::arguments();
    verbose = arguments.contains(QStringLiteral("--verbose"));
    qInstallMessageHandler(messages);
    Interrupt::install();

    // Once, here, before any thread of a command on many readers starts.
    HidTransport::init();
    StandardStream outDevice(STDOUT_FILENO);
    StandardStream errDevice(STDERR_FILENO);
    QTextStream out(&outDevice);
    QTextStream err(&errDevice);
    Io io{out, err, isatty(STDOUT_FILENO) != 0, &Interrupt::requested(), Interrupt::notifyFd(), &Interrupt::cause()};
    const int code = run(arguments, io);
    out.flush();
    err.flush();
    HidTransport::exit();
    return code;
}

}  // namespace Ctl
