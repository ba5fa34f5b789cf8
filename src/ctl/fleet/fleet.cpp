#include "ctl/fleet/fleet.h"

#include <QDateTime>
#include <QEventLoop>
#include <QJsonArray>
#include <QTextStream>
#include <QThread>
#include <QVector>

#include <memory>
#include <vector>

#include "ctl/fleet/devices.h"
#include "ctl/fleet/interrupt.h"
#include "ctl/output/audit_log.h"
#include "ctl/output/document.h"
#include "ctl/output/metrics.h"
#include "ctl/table/ctl_text.h"
#include "ctl/table/exit_codes.h"

namespace Ctl {

namespace {

using Result = ReaderOutcome::Result;

QString stoppedStatus(const ReaderOutcome &outcome)
{
    if (outcome.result == Result::Interrupted)
        return CtlText::tr("interrupted: nothing was written");
    if (outcome.result == Result::NotStarted)
        return CtlText::tr("not started");
    return CtlText::tr("failed: %1").arg(outcome.error.human());
}

}  // namespace

ReaderOutcome lockedJob(const Fleet &fleet, const ReaderList::Reader &reader, const JobContext &context,
                        const Invocation &invocation)
{
    const Locked locked = lockReader(reader, invocation.waitMs(), context.stop, invocation.withoutLock());
    if (locked.exitCode == Success) {
        ReaderOutcome outcome = fleet.job(*locked.reader, context);
        outcome.warning = locked.warning;
        return outcome;
    }
    if (context.stopped())
        return notStarted(reader);
    return ReaderOutcome(reader).fail(locked.exitCode, locked.error, locked.namesReader);
}

QString statusText(const ReaderOutcome &outcome, const Fleet &fleet)
{
    if (outcome.result == Result::Unchanged && outcome.note.isEmpty())
        return CtlText::tr("unchanged");
    if (!outcome.ok())
        return stoppedStatus(outcome);
    return fleet.status ? fleet.status(outcome) : outcome.note;
}

QString readingWord()
{
    return CtlText::tr("reading");
}

QString summaryLine(const Summary &summary, const Fleet &fleet, bool interrupted)
{
    QString line = fleet.writes ? CtlText::tr("%n readers: %1 done, %2 failed", nullptr, summary.readers)
                                      .arg(summary.written)
                                      .arg(summary.failed)
                                //: %3: how many readers changed, %4 the word for them ("changed", "differ", ...)
                                : CtlText::tr("%n readers: %1 unchanged, %3 %4, %2 failed", nullptr, summary.readers)
                                      .arg(summary.unchanged)
                                      .arg(summary.failed)
                                      .arg(summary.changed)
                                      .arg(fleet.changedWord);
    if (!summary.failedDevices.isEmpty())
        line += QStringLiteral(" (%1)").arg(summary.failedDevices.join(QStringLiteral(", ")));
    if (interrupted)
        line += CtlText::tr(", %1 interrupted, %2 not started").arg(summary.interrupted).arg(summary.notStarted);
    return line;
}

QJsonObject fleetDocument(const QString &command, const QList<ReaderOutcome> &outcomes, const Fleet &fleet,
                          const Summary &summary, int exitCode, const Message &logFailure)
{
    QJsonArray entries;
    for (const ReaderOutcome &outcome : outcomes)
        entries.append(outcomeJson(outcome, fleet.entries));
    QJsonObject document = Ctl::document(command, exitCode, logFailure);
    if (fleet.tellsCheck)
        document.insert("check", fleet.check);
    document.insert("readers", entries);
    document.insert("summary", summary.json());
    return document;
}

namespace {

// Says the log's failure on standard error and keeps the first in *failure.
void logFailed(const Message &error, Io &io, Message *failure)
{
    io.err << error.human() << Qt::endl;
    if (failure->isEmpty())
        *failure = error;
}

AuditEntry auditEntry(const ReaderOutcome &outcome, const QString &result)
{
    const ReaderList::Reader &reader = outcome.reader;
    return {reader.device(), reader.portPath, reader.serialNumber, outcome.firmware, result, outcome.fields, Message(),
            outcome.details};
}

// Runs the fleet's job (lockedJob) for each reader, up to --jobs at once (0: all at once), each
// in a QThread of its own that opens, uses and closes its link (a QSerialPort wants a QThread).
// Once io.stop is set no reader starts; those are NotStarted. `started` gets each reader as its
// job begins (not when it is queued), `done` its outcome the moment it is done; both one at a
// time. Outcomes in the readers' order.
QList<ReaderOutcome> forEachReader(const QList<ReaderList::Reader> &readers, const Fleet &fleet,
                                   const Invocation &invocation,
                                   const std::function<void(const ReaderList::Reader &)> &started,
                                   const std::function<void(const ReaderOutcome &)> &done, Io &io)
{
    const JobContext context = jobContext(fleet, io.stop);
    QVector<ReaderOutcome> outcomes;
    for (const ReaderList::Reader &reader : readers)
        outcomes << notStarted(reader);
    std::mutex reporting;  // started(), done(), the interrupt's notice and a job's lines, one at a time
    JobContext shared = context;
    shared.reporting = &reporting;
    std::atomic<int> next{0};
    const auto work = [&] {
        for (int i = next++; i < readers.size() && !context.stopped(); i = next++) {
            {
                std::lock_guard<std::mutex> lock(reporting);
                started(readers.at(i));
            }
            const ReaderOutcome outcome = lockedJob(fleet, readers.at(i), shared, invocation);
            std::lock_guard<std::mutex> lock(reporting);
            outcomes[i] = outcome;
            done(outcome);
        }
    };

    const int jobs = fleet.updatesFirmware ? 1 : invocation.value(QStringLiteral("jobs"), QStringLiteral("0")).toInt();
    const int count = jobs <= 0 ? readers.size() : qMin(jobs, int(readers.size()));
    std::vector<std::unique_ptr<QThread>> workers;
    QEventLoop loop;
    int running = count;
    for (int t = 0; t < count; ++t) {
        workers.emplace_back(QThread::create(work));
        QObject::connect(workers.back().get(), &QThread::finished, &loop, [&] {
            if (--running == 0)
                loop.quit();
        });
    }
    const auto notifier = Interrupt::whenNotified(io.interruptFd, &loop, [&] {
        std::lock_guard<std::mutex> lock(reporting);
        io.err << stopNotice(io) << Qt::endl;
    });
    for (auto &worker : workers)
        worker->start();
    if (count > 0)
        loop.exec();
    for (auto &worker : workers)
        worker->wait();
    return outcomes.toList();
}

}  // namespace

JobContext jobContext(const Fleet &fleet, const std::atomic<bool> *stop)
{
    JobContext context;
    context.stop = stop;
    if (AuditLog *log = fleet.log) {
        // In the job's thread: append() takes lines from several threads at once. A reader
        // whose opening line cannot be written is still written, as it would be without a
        // log; the run then ends as one whose log lost a line.
        context.beforeWrite = [log](ReaderOutcome &outcome) {
            Message error;
            if (!log->append(auditEntry(outcome, QStringLiteral("started")), &error))
                outcome.logError = error;
        };
    }
    return context;
}

void reportDone(const Fleet &fleet, const ReaderOutcome &outcome, const QString &line, Io &io, Message *logFailure,
                bool sync)
{
    if (!outcome.warning.isEmpty())
        io.err << outcome.warning.human() << Qt::endl;
    if (outcome.result == Result::Failed || outcome.result == Result::Interrupted)
        io.err << readerLine(outcome.reader, outcome.error, outcome.errorNamesReader).human() << Qt::endl;
    io.out << line;
    io.out.flush();
    if (!fleet.log)
        return;
    if (!outcome.logError.isEmpty())
        logFailed(outcome.logError, io, logFailure);
    AuditEntry entry = auditEntry(outcome, resultName(outcome.result));
    if (!outcome.ok())
        entry.error = outcome.error.isEmpty() ? Message::plain(resultName(outcome.result)) : outcome.error;
    Message error;
    if (!fleet.log->append(entry, &error))
        logFailed(error, io, logFailure);
    else if (outcome.logError.isEmpty() && sync && !fleet.log->sync(&error))
        logFailed(error, io, logFailure);
}

int closeLog(const Fleet &fleet, Message *failure, int exitCode, Io &io)
{
    if (!fleet.log)
        return exitCode;
    Message error;
    if (!fleet.log->close(&error))
        logFailed(error, io, failure);
    // The readers are done as they say, but the trail asked for is not whole: a failure, which
    // says more than drift.
    if (!failure->isEmpty() && (exitCode == Success || exitCode == Drift))
        exitCode = ReaderFailed;
    return exitCode;
}

int runFleet(const Invocation &invocation, Io &io, const Fleet &fleet)
{
    const Selection selection = select(invocation.devices, invocation.all);
    if (selection.exitCode != Success)
        return fail(invocation, io, selection.exitCode, {selection.error});
    const QList<ReaderList::Reader> &readers = selection.readers;

    // started() and done() run one reader at a time.
    const auto started = [&](const ReaderList::Reader &reader) {
        if (io.progress && !invocation.json)
            io.err << reader.device() << ": " << fleet.progress << Qt::endl;
    };
    Message logFailure;
    const auto done = [&](const ReaderOutcome &outcome) {
        const QString line = resultLine(outcome.reader, statusText(outcome, fleet)) + QLatin1Char('\n');
        reportDone(fleet, outcome, invocation.json ? QString() : line, io, &logFailure);
        if (fleet.metrics)
            fleet.metrics->done(outcome, QDateTime::currentMSecsSinceEpoch());
    };
    if (fleet.metrics) {
        for (const ReaderList::Reader &reader : readers)
            fleet.metrics->takenUp(reader, QDateTime::currentMSecsSinceEpoch());
    }
    const QList<ReaderOutcome> outcomes = forEachReader(readers, fleet, invocation, started, done, io);
    for (const ReaderOutcome &outcome : outcomes) {
        if (fleet.metrics && outcome.result == Result::NotStarted)
            fleet.metrics->done(outcome, QDateTime::currentMSecsSinceEpoch());
    }
    const bool interrupted = stopRequested(io);
    const Summary summary(outcomes);
    int exitCode = exitCodeOf(outcomes, interrupted ? stoppedExitCode(io) : Success);
    // Drift is what a check is for, so it says so only when nothing worse happened.
    if (fleet.check && exitCode == Success && summary.changed > 0)
        exitCode = Drift;

    if (invocation.json) {
        exitCode = closeLog(fleet, &logFailure, exitCode, io);
        printDocument(fleetDocument(invocation.commandWord, outcomes, fleet, summary, exitCode, logFailure), io);
        return exitCode;
    }
    for (const ReaderOutcome &outcome : outcomes) {
        if (outcome.result == Result::NotStarted)
            io.out << resultLine(outcome.reader, stoppedStatus(outcome)) << '\n';
    }
    if (readers.size() > 1 || interrupted) {
        const QString line = summaryLine(summary, fleet, interrupted);
        io.out << line << '\n';
        // Where standard output went away, the summary still reaches the operator's terminal.
        if (stoppedExitCode(io) == OutputGone && interrupted)
            io.err << line << Qt::endl;
    }
    io.out.flush();
    return closeLog(fleet, &logFailure, exitCode, io);
}

}  // namespace Ctl
