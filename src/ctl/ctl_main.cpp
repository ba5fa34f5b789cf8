#include <QCoreApplication>
#include <QTextStream>

#include <atomic>
#include <csignal>
#include <cstdio>
#include <hidapi.h>
#include <unistd.h>

#include "ctl.h"

namespace {

std::atomic<bool> interrupted{false};

void onInterrupt(int)
{
    interrupted = true;
}

bool verbose = false;

// The protocol writes its debug lines as the window does; here they would mix with the
// results, so they show only with --verbose (on standard error).
void messages(QtMsgType type, const QMessageLogContext &, const QString &text)
{
    if (type == QtDebugMsg && !verbose)
        return;
    std::fprintf(stderr, "%s\n", qUtf8Printable(text));
}

}  // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("keylon2ctl"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KEYLON2_VERSION));
    const QStringList arguments = QCoreApplication::arguments();
    verbose = arguments.contains(QStringLiteral("--verbose"));
    qInstallMessageHandler(messages);
    std::signal(SIGINT, onInterrupt);
    std::signal(SIGTERM, onInterrupt);

    // Once, here, before any thread of a write to many readers starts.
    hid_init();
    QTextStream out(stdout);
    QTextStream err(stderr);
    Ctl::Io io{out, err, isatty(STDOUT_FILENO) != 0, &interrupted};
    const int code = Ctl::run(arguments, io);
    out.flush();
    err.flush();
    hid_exit();
    return code;
}
