#include "window/connection/exchange_runner.h"

#include <QEventLoop>
#include <QMetaObject>
#include <QMutex>
#include <QMutexLocker>
#include <QWaitCondition>

#include <memory>

namespace {

// One exchange as both threads see it.
struct Exchange
{
    QMutex mutex;
    QWaitCondition over;
    bool done = false;
    QEventLoop *loop = nullptr;  // the GUI thread's wait, while it waits
};

}  // namespace

ExchangeRunner::ExchangeRunner()
{
    worker_.setObjectName(QStringLiteral("reader exchange"));
}

ExchangeRunner::~ExchangeRunner()
{
    // The worker ends its current job before it takes the quit.
    worker_.quit();
    worker_.wait();
    delete workerContext_;
}

bool ExchangeRunner::runJob(QObject *travelling, const std::function<void()> &job)
{
    // Two exchanges at once would share the reader's handle between threads. The window holds
    // off every action that talks to the reader while one runs; one that slipped through still
    // never reaches the reader.
    if (busy_) {
        qWarning("ExchangeRunner: an exchange with the reader is already running; refused another");
        return false;
    }

    // Started on the first exchange, after the start-up probe has initialised hidapi.
    if (!workerContext_) {
        workerContext_ = new QObject;
        workerContext_->moveToThread(&worker_);
        worker_.start();
    }

    busy_ = true;
    emit started();

    QThread *const home = thread();
    if (travelling)
        travelling->moveToThread(&worker_);

    const auto exchange = std::make_shared<Exchange>();
    QEventLoop loop;
    exchange->loop = &loop;
    QMetaObject::invokeMethod(
        workerContext_,
        [this, exchange, travelling, home, &job] {
            job();
            // Only the thread an object lives in may give it away.
            if (travelling)
                travelling->moveToThread(home);
            {
                QMutexLocker lock(&exchange->mutex);
                exchange->done = true;
                exchange->over.wakeAll();
            }
            QMetaObject::invokeMethod(this, [exchange] {
                if (exchange->loop)
                    exchange->loop->quit();
            }, Qt::QueuedConnection);
        },
        Qt::QueuedConnection);

    loop.exec();
    exchange->loop = nullptr;
    {
        // The loop ends early when the application quits meanwhile: the exchange is let finish,
        // so that the reader never gets half of it.
        QMutexLocker lock(&exchange->mutex);
        while (!exchange->done)
            exchange->over.wait(&exchange->mutex);
    }

    busy_ = false;
    emit finished();
    return true;
}
