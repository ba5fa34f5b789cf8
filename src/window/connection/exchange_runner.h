#pragma once

#include <QObject>
#include <QThread>

#include <functional>
#include <optional>
#include <type_traits>
#include <utility>

// Runs the window's blocking exchanges with the reader on a worker thread, one at a time, while
// the GUI thread goes on with its event loop: the window repaints and its timers run. run()
// returns once the exchange is over, so a slot keeps its sequential code, and the frames, their
// pauses and the debug lines come in the order they always did.
//
// The reader's handles are used by one thread at a time: the GUI thread opens and closes them,
// the worker uses them while the GUI thread waits. A QSerialPort serves the thread it lives in
// only, so the serial port travels to the worker for the exchange and comes back after it.
class ExchangeRunner : public QObject
{
    Q_OBJECT

public:
    ExchangeRunner();
    // Waits for an exchange that still runs (the reader gets every frame of it), then ends the
    // worker.
    ~ExchangeRunner() override;

    bool busy() const { return busy_; }

    // Runs exchange() on the worker and returns what it returned (for an exchange that returns
    // nothing: true). `travelling`, when not null, lives on the worker while the exchange runs
    // and is back in this thread when run() returns; it must have no Qt parent.
    //
    // A slot that runs inside the wait must not start another exchange: nested, it would move
    // the port from the wrong thread and run after the one it waits inside. Such a run is
    // refused, in every build: exchange() is not called and run() returns nothing (false).
    template<typename Exchange>
    auto run(QObject *travelling, Exchange &&exchange)
    {
        using Result = decltype(exchange());
        if constexpr (std::is_void_v<Result>) {
            return runJob(travelling, std::forward<Exchange>(exchange));
        } else {
            std::optional<Result> result;
            runJob(travelling, [&] { result.emplace(exchange()); });
            return result;
        }
    }

signals:
    // In the GUI thread, before the exchange goes to the worker and after it came back.
    void started();
    void finished();

private:
    bool runJob(QObject *travelling, const std::function<void()> &job);

    QThread worker_;
    QObject *workerContext_ = nullptr;  // lives on the worker: the jobs are handed to it
    bool busy_ = false;
};
