#pragma once

#include <QSocketNotifier>

#include <atomic>
#include <functional>
#include <memory>

// SIGINT, SIGTERM and SIGHUP for every command, and output that goes away: the first signal
// asks the command to start no new reader and to let the readers under way finish what they
// must; a second one ends the process at once with 128 plus its number. A dropped SSH session
// (SIGHUP) and `kill` (SIGTERM) are Ctrl-C (SIGINT) by another name.
//
// SIGPIPE is ignored: a pipe whose reader closed shows as EPIPE at the write, and a write to
// standard output or error that fails with EPIPE or EIO (a terminal that hung up) calls
// outputGone(), which ends the work as the first signal does. SIGXFSZ is ignored too: a file
// size limit that the audit log reaches is a line that fails, not a process killed between two
// write frames of a reader.
namespace Ctl::Interrupt {

// Installs the handlers. Once, before any other thread starts.
void install();

// Set by the first signal, or when the output went away.
std::atomic<bool> &requested();
// Why: the first signal's number, SIGPIPE for the output; 0 while nothing asked.
const std::atomic<int> &cause();

// Standard output or error went away. Safe from any thread; not a signal, so a signal after it
// still counts as the first.
void outputGone();

// Readable once a signal came or the output went: for an event loop that wants to say so. -1
// before install().
int notifyFd();

// Calls `then` in `context`'s thread, once, when notifyFd() (as Io::interruptFd hands it on)
// becomes readable, and drains it. Null for a descriptor of -1.
std::unique_ptr<QSocketNotifier> whenNotified(int fd, QObject *context, const std::function<void()> &then);

}  // namespace Ctl::Interrupt
