#pragma once

#include <atomic>

// SIGINT and SIGTERM for commands that go through many readers: the first one asks the command
// to start no new reader and to let the readers under way finish what they must; a second one
// ends the process at once with 130.
namespace Ctl::Interrupt {

// Installs the handlers. Once, before any other thread starts.
void install();

// Set by the first signal.
std::atomic<bool> &requested();

// Readable once a signal came: for an event loop that wants to say so. -1 before install().
int notifyFd();

}  // namespace Ctl::Interrupt
