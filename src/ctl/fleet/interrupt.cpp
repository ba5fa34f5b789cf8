#include "ctl/fleet/interrupt.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>

#include <fcntl.h>
#include <unistd.h>

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
    const int saved = errno;
    if (pipeFds[1] >= 0) {
        const char byte = 1;
        [[maybe_unused]] const ssize_t written = write(pipeFds[1], &byte, 1);
    }
    errno = saved;
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
    std::signal(SIGPIPE, SIG_IGN);
    std::signal(SIGXFSZ, SIG_IGN);
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
    requestStop(SIGPIPE);
}

int notifyFd()
{
    return pipeFds[0];
}

std::unique_ptr<QSocketNotifier> whenNotified(int fd, QObject *context, const std::function<void()> &then)
{
    if (fd < 0)
        return nullptr;
    auto notifier = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
    QObject::connect(notifier.get(), &QSocketNotifier::activated, context, [fd, then, notifier = notifier.get()] {
        char drained[16];
        while (read(fd, drained, sizeof drained) > 0) {
        }
        notifier->setEnabled(false);
        then();
    });
    return notifier;
}

}  // namespace Ctl::Interrupt
