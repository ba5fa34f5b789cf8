#include "reader_bench.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

#include "core/platform/platform.h"
#include "reader_model.h"

namespace ReaderFixture {

void resetReader()
{
    VirtualReader::Model::instance().reset();
}

void Bench::start()
{
    resetReader();
    Platform::resetSeams();
    fast_.reset(new FastPauses);
}

void Bench::stop()
{
    fast_.reset();
    Platform::resetSeams();
}

bool startSerialReader(VirtualReader::SerialEndpoint &endpoint)
{
    VirtualReader::Model::instance().setInterface(VirtualReader::Interface::Serial);
    return endpoint.isRunning() || endpoint.start();
}

bool waitUntil(const std::function<bool()> &condition, int timeoutMs)
{
    QElapsedTimer timer;
    timer.start();
    while (!condition()) {
        if (timer.elapsed() > timeoutMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(5);
    }
    return true;
}

bool waitForSerialBytes(int count, int timeoutMs)
{
    return waitUntil(
        [count] { return VirtualReader::Model::instance().serialBytesReceived().size() >= count; },
        timeoutMs);
}

bool waitForFrames(int count, int timeoutMs)
{
    return waitUntil(
        [count] { return VirtualReader::Model::instance().receivedFrames().size() >= count; },
        timeoutMs);
}

}  // namespace ReaderFixture
