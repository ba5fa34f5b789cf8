#pragma once

#include <QStringList>

#include <atomic>

class QTextStream;

// keylon2ctl: the reader session from the command line, for setting up many readers with one
// configuration. Everything but the process set-up, so that tests can run it in-process.
namespace Ctl {

enum ExitCode {
    Success = 0,
    ReaderFailed = 1,
    UsageError = 2,  // also a file that cannot be taken
    NoReader = 3,
    PermissionDenied = 4,
    Drift = 5,  // diff or apply --check: a reader differs from the file
    Busy = 6,   // a reader is held by another process
    SignalBase = 128,   // ended by signal N: 128 + N, as a shell reports a command a signal ended
    Interrupted = 130,  // SIGINT
    OutputGone = 141,   // standard output or error went away (128 + SIGPIPE); never killed by it
};

struct Io
{
    QTextStream &out;             // results
    QTextStream &err;             // one line per error; progress lines
    bool progress = false;        // a progress line per reader (standard output is a terminal)
    std::atomic<bool> *stop = nullptr;  // set when the operator interrupts
    int interruptFd = -1;         // readable when an interrupt came (drained by the reader)
    // Why stop was set: the signal's number, or SIGPIPE when the output went away; 0 or no
    // cause: SIGINT.
    const std::atomic<int> *stopCause = nullptr;
};

// The exit code of a run that io.stop ended: 128 plus the signal (141 when the output went away).
int stoppedExitCode(const Io &io);
bool stopRequested(const Io &io);

// arguments[0] is the program's name. hid_init must have run on this thread.
int run(const QStringList &arguments, Io &io);

// The whole program: the application object, the signals, hidapi, run().
int processMain(int argc, char *argv[]);

}  // namespace Ctl
