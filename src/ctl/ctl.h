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
    Drift = 5,  // diff, apply --check: a reader differs from the file
    Busy = 6,   // a reader is held by another process (and --wait did not get it)
    Interrupted = 130,  // as a shell reports a command that SIGINT ended
};

struct Io
{
    QTextStream &out;             // results
    QTextStream &err;             // one line per error; progress lines
    bool progress = false;        // a progress line per reader (standard output is a terminal)
    std::atomic<bool> *stop = nullptr;  // set when the operator interrupts
    int interruptFd = -1;         // readable when an interrupt came (drained by the reader)
};

// arguments[0] is the program's name. hid_init must have run on this thread.
int run(const QStringList &arguments, Io &io);

// The whole program: the application object, the signals, hidapi, run().
int processMain(int argc, char *argv[]);

}  // namespace Ctl
