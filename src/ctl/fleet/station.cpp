// apply --watch: a provisioning station. The reader watcher runs on this thread, idle between
// plugs; each reader it reports is handled in a thread of its own, which opens, uses and
// closes its link (a QSerialPort wants a QThread), and this thread reports it when it is done.
#include "ctl/fleet/fleet.h"

#include <QDateTime>
#include <QEventLoop>
#include <QHash>
#include <QJsonDocument>
#include <QSet>
#include <QTextStream>
#include <QThread>
#include <QTimer>

#include <memory>

#include "core/link/reader_watcher.h"
#include "ctl/table/ctl_text.h"
#include "ctl/output/document.h"
#include "ctl/fleet/interrupt.h"
#include "ctl/output/metrics.h"
#include "ctl/table/exit_codes.h"

namespace Ctl {

namespace {

using Result = ReaderOutcome::Result;

// Where there is no interrupt pipe, how often the interrupt flag is looked at.
constexpr int StopPollMs = 250;

qint64 now()
{
    return QDateTime::currentMSecsSinceEpoch();
}

// A station's --metrics file, kept up to date from the station's thread: written again at
// each event (a reader taken up, done or pulled out), and when a pulled reader's labels are due
// to leave. The one timer runs only while such a reader is waiting to leave: a station with
// nothing due is not woken. Without --metrics (null) it does nothing.
//
// A file that cannot be written does not stop the station: standard error says so once (until
// a write works again); the next event writes the whole file anew.
class LiveMetrics
{
public:
    LiveMetrics(Metrics *metrics, Io &io)
        : metrics_(metrics), io_(io)
    {
        expiry_.setSingleShot(true);
        expiry_.setTimerType(Qt::CoarseTimer);
        QObject::connect(&expiry_, &QTimer::timeout, [this] { expire(); });
    }

    void takenUp(const ReaderList::Reader &reader)
    {
        if (metrics_)
            metrics_->takenUp(reader, now());
        write();
    }
    void done(const ReaderOutcome &outcome)
    {
        if (metrics_)
            metrics_->done(outcome, now());
        write();
    }
    void gone(const ReaderList::Reader &reader)
    {
        if (metrics_)
            metrics_->gone(reader, now());
        write();
    }
    void write()
    {
        if (!metrics_)
            return;
        metrics_->writeOrSay(io_.err);
        schedule();
    }

private:
    void expire()
    {
        if (metrics_->expire(now()))
            write();
        else
            schedule();  // a coarse timer that came a little early
    }
    void schedule()
    {
        const qint64 next = metrics_->nextExpiry();
        if (next < 0)
            expiry_.stop();
        else
            expiry_.start(int(qBound<qint64>(0, next - now(), Metrics::GoneKeepMs)));
    }

    Metrics *metrics_;
    Io &io_;
    QTimer expiry_;
};

QByteArray jsonLine(const QJsonObject &object)
{
    return QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n';
}

class Station
{
public:
    Station(const Invocation &invocation, Io &io, const Fleet &fleet)
        : invocation_(invocation), io_(io), fleet_(fleet),
          jobs_(invocation.value(QStringLiteral("jobs"), QStringLiteral("0")).toInt())
    {
    }

    int run();

private:
    // One reader under way. Its thread writes `outcome` and nothing else; this thread reads it
    // once the thread has finished.
    struct Job
    {
        std::unique_ptr<QThread> thread;
        ReaderOutcome outcome;
        bool again = false;        // pulled out and plugged in again while under way
        bool newRights = false;    // its node's rights changed while under way
        ReaderList::Reader next;   // as it was listed when it came back
    };

    void appeared(const ReaderList::Reader &reader);
    void vanished(const ReaderList::Reader &reader);
    void rightsChanged(const ReaderList::Reader &reader);
    void start(const ReaderList::Reader &reader);
    void finished(const QString &device);
    void report(const ReaderOutcome &outcome);
    void interrupt();

    const Invocation &invocation_;
    Io &io_;
    const Fleet &fleet_;
    const int jobs_;  // readers at once; 0: no bound
    QEventLoop loop_;
    ReaderWatcher watcher_;
    QHash<QString, std::shared_ptr<Job>> running_;  // by device
    QList<ReaderList::Reader> waiting_;              // plugged in, waiting for a place (--jobs)
    // Readers whose last job was refused their node: taken up again when its rights change.
    QSet<QString> denied_;                           // by device
    // A station runs for months: what it keeps of each reader done is the count, and with
    // --json the reader's entry, which its final document lists.
    Summary summary_;
    QList<ReaderOutcome> outcomes_;                  // --json: in the order the readers were done
    bool stopping_ = false;
    Message logFailure_;
    // No stop flag: at an interrupt a reader under way is applied and verified to its end.
    const JobContext context_ = jobContext(fleet_, nullptr);
    LiveMetrics metrics_{fleet_.metrics, io_};  // --metrics
};

void Station::appeared(const ReaderList::Reader &reader)
{
    if (stopping_)
        return;
    const QString device = reader.device();
    if (const auto job = running_.value(device)) {
        job->again = true;
        job->next = reader;
        return;
    }
    const auto isDevice = [&](const ReaderList::Reader &queued) { return queued.device() == device; };
    if (std::any_of(waiting_.cbegin(), waiting_.cend(), isDevice))
        return;
    if (jobs_ > 0 && running_.size() >= jobs_)
        waiting_.append(reader);
    else
        start(reader);
}

void Station::vanished(const ReaderList::Reader &reader)
{
    metrics_.gone(reader);
    const QString device = reader.device();
    // One that goes before its turn was never handled: it counts when it comes back.
    waiting_.erase(std::remove_if(waiting_.begin(), waiting_.end(),
                                  [&](const ReaderList::Reader &queued) { return queued.device() == device; }),
                   waiting_.end());
    denied_.remove(device);
    if (const auto job = running_.value(device)) {
        job->again = false;
        job->newRights = false;
    }
}

// Udev makes a reader's node before it gives the node its group and mode: a reader taken up
// in between is refused, and its rights come without a new plug. Only a reader refused its
// node is taken up again; one done otherwise stays as it was.
void Station::rightsChanged(const ReaderList::Reader &reader)
{
    if (stopping_)
        return;
    const QString device = reader.device();
    if (const auto job = running_.value(device)) {
        job->newRights = true;  // refused before the change: then it is taken up again
        job->next = reader;
        return;
    }
    if (denied_.remove(device))
        appeared(reader);
}

void Station::start(const ReaderList::Reader &reader)
{
    io_.err << reader.device() << ": " << fleet_.progress << Qt::endl;
    auto job = std::make_shared<Job>();
    ReaderOutcome *outcome = &job->outcome;
    // The thread reads only what stays as it is while the station runs.
    job->thread.reset(QThread::create([this, outcome, reader] {
        *outcome = lockedJob(fleet_, reader, context_, invocation_);
    }));
    const QString device = reader.device();
    QObject::connect(job->thread.get(), &QThread::finished, &loop_, [this, device] { finished(device); });
    running_.insert(device, job);
    job->thread->start();
    metrics_.takenUp(reader);
}

void Station::finished(const QString &device)
{
    const std::shared_ptr<Job> job = running_.take(device);
    if (!job)
        return;
    job->thread->wait();
    report(job->outcome);
    const bool refused = job->outcome.result == Result::Failed && job->outcome.exitCode == PermissionDenied;
    if (refused)
        denied_.insert(device);
    else
        denied_.remove(device);
    if ((job->again || (refused && job->newRights)) && !stopping_) {
        denied_.remove(device);
        appeared(job->next);
    }
    while (!stopping_ && !waiting_.isEmpty() && (jobs_ <= 0 || running_.size() < jobs_))
        start(waiting_.takeFirst());
    if (stopping_ && running_.isEmpty())
        loop_.quit();
}

void Station::report(const ReaderOutcome &outcome)
{
    summary_.add(outcome);
    metrics_.done(outcome);
    QString line = resultLine(outcome.reader, statusText(outcome, fleet_)) + QLatin1Char('\n');
    if (invocation_.json) {
        outcomes_.append(outcome);
        line = QString::fromUtf8(jsonLine(QJsonObject{{"schema", 1},
                                                      {"command", invocation_.commandWord},
                                                      {"reader", outcomeJson(outcome, fleet_.entries)}}));
    }
    // Saved line by line: a power cut takes none of the readers already done.
    reportDone(fleet_, outcome, line, io_, &logFailure_, true);
}

void Station::interrupt()
{
    if (stopping_)
        return;
    stopping_ = true;
    watcher_.stop();
    for (const ReaderList::Reader &reader : qAsConst(waiting_)) {
        const ReaderOutcome outcome = notStarted(reader);
        summary_.add(outcome);
        metrics_.done(outcome);
        if (invocation_.json)
            outcomes_.append(outcome);
        else
            io_.out << resultLine(reader, statusText(outcome, fleet_)) << '\n';
    }
    io_.out.flush();
    waiting_.clear();
    if (running_.isEmpty()) {
        loop_.quit();
        return;
    }
    io_.err << stopNotice(io_) << Qt::endl;
}

int Station::run()
{
    const auto notifier = Interrupt::whenNotified(io_.interruptFd, &loop_, [this] { interrupt(); });
    QTimer poll;
    if (!notifier && io_.stop) {
        QObject::connect(&poll, &QTimer::timeout, &loop_, [&] {
            if (io_.stop->load())
                interrupt();
        });
        poll.start(StopPollMs);
    }
    QObject::connect(&watcher_, &ReaderWatcher::appeared, &loop_, [this](const ReaderList::Reader &reader) { appeared(reader); });
    QObject::connect(&watcher_, &ReaderWatcher::vanished, &loop_, [this](const ReaderList::Reader &reader) { vanished(reader); });
    QObject::connect(&watcher_, &ReaderWatcher::rightsChanged, &loop_,
                     [this](const ReaderList::Reader &reader) { rightsChanged(reader); });

    metrics_.write();
    // An interrupt that came before the watch began ends it before any reader starts.
    if (io_.stop && io_.stop->load())
        stopping_ = true;
    else
        watcher_.start();
    if (!stopping_) {
        QString how;
        switch (watcher_.mode()) {
        case ReaderWatcher::Mode::Udev:
            how = CtlText::tr("udev's monitor");
            break;
        case ReaderWatcher::Mode::DeviceDirectory:
            how = CtlText::tr("changes in %1").arg(watcher_.watchedPaths().join(QStringLiteral(", ")));
            break;
        case ReaderWatcher::Mode::Listing:
            how = CtlText::tr("a listing once a second");
            break;
        }
        io_.err << CtlText::tr("waiting for readers to be plugged in (%1); Ctrl-C ends").arg(how) << Qt::endl;
        loop_.exec();
    }
    watcher_.stop();

    int exitCode = summary_.failed > 0 ? ReaderFailed : Success;
    if (!invocation_.json) {
        io_.out << summaryLine(summary_, fleet_, summary_.interrupted + summary_.notStarted > 0) << '\n';
        io_.out.flush();
        return closeLog(fleet_, &logFailure_, exitCode, io_);
    }
    exitCode = closeLog(fleet_, &logFailure_, exitCode, io_);
    io_.out << QString::fromUtf8(jsonLine(fleetDocument(invocation_.commandWord, outcomes_, fleet_, summary_, exitCode,
                                                        logFailure_)));
    io_.out.flush();
    return exitCode;
}

}  // namespace

int watchFleet(const Invocation &invocation, Io &io, const Fleet &fleet)
{
    Station station(invocation, io, fleet);
    return station.run();
}

}  // namespace Ctl
