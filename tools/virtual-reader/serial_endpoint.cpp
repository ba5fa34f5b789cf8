#include "serial_endpoint.h"

#include "reader_model.h"
#include "plug_dir.h"

#include <atomic>
#include <chrono>
#include <deque>
#include <mutex>
#include <thread>

#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

namespace VirtualReader {

namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

// With split answers the reader holds what it has to say until the requests stop coming, then
// sends the first half, pauses, and sends the rest: the two parts reach the utility at
// different polls.
constexpr milliseconds SplitQuietTime(250);
constexpr milliseconds SplitGap(300);
constexpr int IdlePollMs = 50;

struct Outgoing
{
    Clock::time_point due;
    QByteArray bytes;
};

void makeRaw(int fd)
{
    termios tio {};
    if (tcgetattr(fd, &tio) != 0)
        return;
    cfmakeraw(&tio);
    cfsetispeed(&tio, B9600);
    cfsetospeed(&tio, B9600);
    tio.c_cflag |= CLOCAL | CREAD;
    tcsetattr(fd, TCSANOW, &tio);
}

void closeFd(int &fd)
{
    if (fd >= 0)
        ::close(fd);
    fd = -1;
}

}  // namespace

struct SerialEndpoint::Private
{
    explicit Private(Model &m) : model(m) {}

    Model &model;
    int master = -1;
    int slave = -1;     // kept open so that the master never sees a hang-up between sessions
    int wake[2] = {-1, -1};
    QString path;
    std::thread thread;
    std::atomic<bool> running {false};

    std::mutex outMutex;
    std::deque<Outgoing> outgoing;
    QByteArray held;                // answers held back for a split
    Clock::time_point lastHeld;

    void run();
    void receive();
    void releaseHeld(Clock::time_point now);
    void flushDue(Clock::time_point now);
    int pollTimeout(Clock::time_point now, bool *waitForRoom);
    void enqueue(const QByteArray &bytes, Clock::time_point due);
    void wakeUp();
};

void SerialEndpoint::Private::enqueue(const QByteArray &bytes, Clock::time_point due)
{
    std::lock_guard<std::mutex> lock(outMutex);
    outgoing.push_back({due, bytes});
}

void SerialEndpoint::Private::wakeUp()
{
    const char byte = 1;
    if (wake[1] >= 0) {
        ssize_t written = ::write(wake[1], &byte, 1);
        (void)written;  // a full pipe already wakes the thread
    }
}

void SerialEndpoint::Private::receive()
{
    char buffer[512];
    for (;;) {
        const ssize_t n = ::read(master, buffer, sizeof buffer);
        if (n <= 0)
            return;
        const QList<QByteArray> replies = model.serialReceive(QByteArray(buffer, int(n)));
        PlugDir::noteLoader(model);
        const bool split = model.faults().splitSerialAnswers;
        const Clock::time_point now = Clock::now() + milliseconds(model.serialAnswerDelayMs());
        for (const QByteArray &reply : replies) {
            if (split) {
                held += reply;
                lastHeld = now;
            } else {
                enqueue(reply, now);
            }
        }
    }
}

void SerialEndpoint::Private::releaseHeld(Clock::time_point now)
{
    if (held.isEmpty() || now - lastHeld < SplitQuietTime)
        return;
    // Cut where the first part does not end with 0x0D, so that it cannot pass for whole answers.
    int cut = qMax(1, held.size() / 2);
    if (held[cut - 1] == '\r' && cut + 1 < held.size())
        ++cut;
    enqueue(held.left(cut), now);
    if (cut < held.size())
        enqueue(held.mid(cut), now + SplitGap);
    held.clear();
}

void SerialEndpoint::Private::flushDue(Clock::time_point now)
{
    std::lock_guard<std::mutex> lock(outMutex);
    while (!outgoing.empty() && outgoing.front().due <= now) {
        Outgoing &next = outgoing.front();
        const ssize_t n = ::write(master, next.bytes.constData(), size_t(next.bytes.size()));
        if (n < 0)
            return;  // the line is full: try again at the next turn
        next.bytes.remove(0, int(n));
        if (!next.bytes.isEmpty())
            return;
        outgoing.pop_front();
    }
}

int SerialEndpoint::Private::pollTimeout(Clock::time_point now, bool *waitForRoom)
{
    auto until = [now](Clock::time_point t) {
        return int(std::chrono::duration_cast<milliseconds>(t - now).count()) + 1;
    };
    int timeout = IdlePollMs;
    if (!held.isEmpty())
        timeout = qMin(timeout, qMax(0, until(lastHeld + SplitQuietTime)));
    std::lock_guard<std::mutex> lock(outMutex);
    // Bytes that are due but did not fit wait for room on the line, not for the clock.
    *waitForRoom = !outgoing.empty() && outgoing.front().due <= now;
    if (!outgoing.empty() && !*waitForRoom)
        timeout = qMin(timeout, qMax(0, until(outgoing.front().due)));
    return timeout;
}

void SerialEndpoint::Private::run()
{
    while (running) {
        bool waitForRoom = false;
        const int timeout = pollTimeout(Clock::now(), &waitForRoom);
        const short masterEvents = short(POLLIN | (waitForRoom ? POLLOUT : 0));
        pollfd fds[2] = {{master, masterEvents, 0}, {wake[0], POLLIN, 0}};
        const int ready = ::poll(fds, 2, timeout);
        if (ready < 0 && errno != EINTR)
            break;
        if (fds[1].revents & POLLIN) {
            char drain[64];
            while (::read(wake[0], drain, sizeof drain) > 0) {
            }
        }
        if (!running)
            break;
        if (fds[0].revents & POLLIN)
            receive();
        if (model.pulledOut() && master >= 0) {
            // A reader pulled out takes its port with it: the utility's side of the line hangs up.
            closeFd(master);
            std::lock_guard<std::mutex> lock(outMutex);
            outgoing.clear();
            held.clear();
        }
        else if (master < 0 || (fds[0].revents & (POLLHUP | POLLERR)))
            std::this_thread::sleep_for(milliseconds(IdlePollMs));  // nobody on the far side
        const Clock::time_point now = Clock::now();
        releaseHeld(now);
        flushDue(now);
    }
}

SerialEndpoint::SerialEndpoint(Model &model)
    : d(new Private(model))
{
}

SerialEndpoint::~SerialEndpoint()
{
    stop();
    delete d;
}

bool SerialEndpoint::start()
{
    if (d->running)
        return true;
    char name[128] = {};
    if (openpty(&d->master, &d->slave, name, nullptr, nullptr) != 0)
        return false;
    if (pipe2(d->wake, O_CLOEXEC | O_NONBLOCK) != 0) {
        closeFd(d->master);
        closeFd(d->slave);
        return false;
    }
    fcntl(d->master, F_SETFD, FD_CLOEXEC);
    fcntl(d->slave, F_SETFD, FD_CLOEXEC);
    fcntl(d->master, F_SETFL, fcntl(d->master, F_GETFL) | O_NONBLOCK);
    // No echo, no CR/LF translation, 8 bits: bytes pass as they are, both ways.
    makeRaw(d->slave);
    makeRaw(d->master);
    d->path = QString::fromLocal8Bit(name);
    d->held.clear();
    d->outgoing.clear();
    d->running = true;
    d->thread = std::thread([this] { d->run(); });
    return true;
}

void SerialEndpoint::stop()
{
    if (!d->running && !d->thread.joinable())
        return;
    d->running = false;
    d->wakeUp();
    if (d->thread.joinable())
        d->thread.join();
    closeFd(d->master);
    closeFd(d->slave);
    closeFd(d->wake[0]);
    closeFd(d->wake[1]);
    d->path.clear();
    std::lock_guard<std::mutex> lock(d->outMutex);
    d->outgoing.clear();
    d->held.clear();
}

bool SerialEndpoint::isRunning() const
{
    return d->running;
}

QString SerialEndpoint::portPath() const
{
    return d->path;
}

bool SerialEndpoint::sendIdCode(const QByteArray &idCode)
{
    if (!d->running)
        return false;
    const QByteArray bytes = d->model.serialIdCodeOutput(idCode);
    if (bytes.isEmpty())
        return false;
    sendRaw(bytes);
    return true;
}

void SerialEndpoint::sendRaw(const QByteArray &bytes)
{
    if (!d->running || bytes.isEmpty())
        return;
    d->enqueue(bytes, Clock::now());
    d->wakeUp();
}

}  // namespace VirtualReader
