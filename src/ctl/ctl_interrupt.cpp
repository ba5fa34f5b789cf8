#include "ctl/ctl_interrupt.h"

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
std::atomic<int> stopCause{0};
std::atomic<int> signalsSeen{0};
int pipeFds[2] = {-1, -1};

static_assert(std::atomic<bool>::is_always_lock_free && std::atomic<int>::is_always_lock_free,
              "the handler needs lock-free atomics");

// Async-signal-safe: atomics, write() and _exit() only.
void requestStop(int why)
{
    int none = 0;
    stopCause.compare_exchange_strong(none, why);
    stopRequested.store(true);
#ifndef Q_OS_WIN
    const int saved = errno;
    if (pipeFds[1] >= 0) {
        const char byte = 1;
        [[maybe_unused]] const ssize_t written = write(pipeFds[1], &byte, 1);
    }
    errno = saved;
#endif
}

void onSignal(int number)
{
    if (signalsSeen.fetch_add(1) > 0)
        std::_Exit(128 + number);
    requestStop(number);
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
    for (int number : {SIGINT, SIGTERM, SIGHUP})
        sigaction(number, &action, nullptr);
    struct sigaction ignore = {};
    ignore.sa_handler = SIG_IGN;
    sigemptyset(&ignore.sa_mask);
    sigaction(SIGPIPE, &ignore, nullptr);
    sigaction(SIGXFSZ, &ignore, nullptr);
#endif
}

std::atomic<bool> &requested()
{
    return stopRequested;
}

const std::atomic<int> &cause()
{
    return stopCause;
}

void outputGone()
{
#ifdef Q_OS_WIN
    requestStop(SIGTERM);
#else
    requestStop(SIGPIPE);
#endif
}

int notifyFd()
{
    return pipeFds[0];
}

}  // namespace Ctl::Interrupt
