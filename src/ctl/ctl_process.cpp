#include "ctl.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>
#include <hidapi.h>
#include <unistd.h>

#include "ctl_interrupt.h"

namespace Ctl {

namespace {

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

int processMain(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("keylon2ctl"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KEYLON2_VERSION));
    const QStringList arguments = QCoreApplication::arguments();
    verbose = arguments.contains(QStringLiteral("--verbose"));
    qInstallMessageHandler(messages);
    Interrupt::install();

    // Once, here, before any thread of a command on many readers starts.
    hid_init();
    QTextStream out(stdout);
    QTextStream err(stderr);
    Io io{out, err, isatty(STDOUT_FILENO) != 0, &Interrupt::requested(), Interrupt::notifyFd()};
    const int code = run(arguments, io);
    out.flush();
    err.flush();
    hid_exit();
    return code;
}

}  // namespace Ctl
