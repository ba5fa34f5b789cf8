#pragma once

#include <QString>

#include <atomic>

class QTextStream;

namespace Ctl {

// Where a command prints, and how it learns that it is to stop.
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
    QString stopNote {};          // what an interrupt leaves to run, when the notice must say it
};

bool stopRequested(const Io &io);
// The exit code of a run that io.stop ended: 128 plus the signal (141 when the output went away).
int stoppedExitCode(const Io &io);
// What standard error says when a run over readers is asked to stop.
QString stopNotice(const Io &io);

}  // namespace Ctl
