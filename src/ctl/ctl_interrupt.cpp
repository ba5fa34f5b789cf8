#include "ctl_interrupt.h"

#include <QtGlobal>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#ifndef Q_OS_WIN
#include <fcntl.h>
#include <unistd.h>
#endif

namespace Ctl::Interrupt {

namespace {

std::atomic<bool> stopRequested{false};
int pipeFds[2] = {-1, -1};

static_assert(std::atomic<bool>::is_always_lock_free, "the handler needs a lock-free flag");

// Async-signal-safe: an atomic exchange, write() and _exit() only.
void onSignal(int)
{
    if (stopRequested.exchange(true))
        std::_Exit(130);
#ifndef Q_OS_WIN
    const int saved = errno;
    if (pipeFds[1] >= 0) {
        const char byte = 1;
        [[maybe_unused]] const ssize_t written = write(pipeFds[1], &byte, 1);
    }
    errno = saved;
#endif
}

}  // namespace

void install()
{
#ifdef Q_OS_WIN
    std::signal(SIGINT, onSignal);
    std::signal(SIGTERM, onSignal);
#else
    if (pipe(pipeFds) == 0) {
        for (int fd : pipeFds) {
            fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) | O_NONBLOCK);
            fcntl(fd, F_SETFD, FD_CLOEXEC);
        }
    }
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    // The system calls under way go on: every wait has its bound, and the command looks at the
    // flag before it starts the next reader.
    action.sa_flags = SA_RESTART;
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
#endif
}

std::atomic<bool> &requested()
{
    return stopRequested;
}

int notifyFd()
{
    return pipeFds[0];
}

}  // namespace Ctl::Interrupt
