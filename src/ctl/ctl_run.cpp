#include "ctl/ctl.h"

#include <QFile>
#include <QJsonArray>
#include <QTextStream>

#include <memory>

#include "ctl/audit_log.h"
#include "ctl/ctl_apply.h"
#include "ctl/ctl_commands.h"
#include "ctl/ctl_device.h"
#include "ctl/ctl_file.h"
#include "ctl/ctl_fleet.h"
#include "ctl/ctl_jobs.h"
#include "ctl/ctl_table.h"

namespace Ctl {

namespace {

using Result = ReaderOutcome::Result;

QString stoppedStatus(const ReaderOutcome &outcome)
{
    if (outcome.result == Result::Interrupted)
        return QStringLiteral("interrupted: nothing was written");
    if (outcome.result == Result::NotStarted)
        return QStringLiteral("not started");
    return QStringLiteral("failed: ") + outcome.error;
}

// The file of write, apply and diff, refused (exit 2) before any reader is looked for.
bool takeFile(const Invocation &invocation, Io &io, SettingsFile &file, int *exitCode)
{
    file = readSettingsFile(invocation.arguments.first());
    if (file.problems.isEmpty() && file.keys.isEmpty())
        file.problems << QStringLiteral("%1 sets none of the reader's settings in [KEYLON].").arg(file.name);
    if (file.problems.isEmpty())
        return true;
    QStringList lines = file.problems;
    if (!lines.last().endsWith(QLatin1String("Nothing was sent.")))
        lines.last() += lines.last().endsWith(QLatin1Char('.')) ? QStringLiteral(" Nothing was sent.")
                                                                 : QStringLiteral(". Nothing was sent.");
    *exitCode = fail(invocation, io, UsageError, lines);
    return false;
}

// --log FILE, opened before any reader is looked for: a log that cannot be had stops the
// command before anything is sent (exit 2). `file`: the configuration file the command took.
bool openLog(const Invocation &invocation, Io &io, const QString &file, bool check, std::unique_ptr<AuditLog> &log,
             int *exitCode)
{
    if (!invocation.isSet(QStringLiteral("log")))
        return true;
    AuditRun run{invocation.commandWord, check, file, QString()};
    QString error;
    if (!file.isEmpty()) {
        // The bytes as they are now, a moment after the command took them.
        QFile taken(file);
        if (taken.open(QIODevice::ReadOnly))
            run.fileSha256 = AuditLog::sha256Hex(taken.readAll());
        else
            error = QStringLiteral("cannot read %1 again for the log: %2").arg(file, taken.errorString());
    }
    if (error.isEmpty())
        log = AuditLog::open(invocation.value(QStringLiteral("log")), run, &error);
    if (log)
        return true;
    *exitCode = fail(invocation, io, UsageError, {error + QStringLiteral(". Nothing was sent.")});
    return false;
}

QString keysText(const QStringList &keys)
{
    return keys.join(QStringLiteral(", "));
}

}  // namespace

ReaderOutcome lockedJob(const Fleet &fleet, const ReaderList::Reader &reader, const JobContext &context, int waitMs)
{
    const Locked locked = lockReader(reader, waitMs, context.stop);
    if (locked.exitCode == Success)
        return fleet.job(reader, context);
    ReaderOutcome outcome;
    outcome.reader = reader;
    if (context.stopped()) {
        outcome.error = QStringLiteral("not started: interrupted");
        return outcome;
    }
    outcome.result = Result::Failed;
    outcome.exitCode = locked.exitCode;
    outcome.error = locked.error;
    return outcome;
}

QString statusText(const ReaderOutcome &outcome, const Fleet &fleet)
{
    return outcome.ok() ? fleet.status(outcome) : stoppedStatus(outcome);
}

QString summaryLine(const Summary &summary, const Fleet &fleet, bool interrupted)
{
    QString line = fleet.writes ? QStringLiteral("%1 readers: %2 done, %3 failed")
                                      .arg(summary.readers)
                                      .arg(summary.written)
                                      .arg(summary.failed)
                                : QStringLiteral("%1 readers: %2 unchanged, %3 %4, %5 failed")
                                      .arg(summary.readers)
                                      .arg(summary.unchanged)
                                      .arg(summary.changed)
                                      .arg(fleet.changedWord)
                                      .arg(summary.failed);
    if (!summary.failedDevices.isEmpty())
        line += QStringLiteral(" (%1)").arg(summary.failedDevices.join(QStringLiteral(", ")));
    if (interrupted)
        line += QStringLiteral(", %1 interrupted, %2 not started").arg(summary.interrupted).arg(summary.notStarted);
    return line;
}

void finishDocument(QJsonObject &document, const QList<ReaderOutcome> &outcomes, const Fleet &fleet,
                    const Summary &summary, int exitCode)
{
    QJsonArray entries;
    for (const ReaderOutcome &outcome : outcomes)
        entries.append(outcomeJson(outcome, fleet.entries));
    document.insert("ok", exitCode == Success);
    document.insert("exitCode", exitCode);
    if (fleet.tellsCheck)
        document.insert("check", fleet.check);
    document.insert("readers", entries);
    document.insert("summary", summary.json());
}

namespace {

AuditEntry auditEntry(const ReaderOutcome &outcome, const QString &result)
{
    AuditEntry entry;
    entry.device = outcome.reader.device();
    entry.portPath = outcome.reader.portPath;
    entry.serialNumber = outcome.reader.serialNumber;
    entry.firmware = outcome.firmware;
    entry.result = result;
    entry.fields = outcome.fields;
    return entry;
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
            QString error;
            if (!log->append(auditEntry(outcome, QStringLiteral("started")), &error))
                outcome.logError = error;
        };
    }
    return context;
}

bool logOutcome(const Fleet &fleet, const ReaderOutcome &outcome, Io &io, QString *failure)
{
    if (!fleet.log)
        return true;
    const auto failed = [&](const QString &error) {
        io.err << error << Qt::endl;
        if (failure->isEmpty())
            *failure = error;
        return false;
    };
    if (!outcome.logError.isEmpty())
        failed(outcome.logError);
    AuditEntry entry = auditEntry(outcome, resultName(outcome.result));
    if (!outcome.ok())
        entry.error = outcome.error.isEmpty() ? resultName(outcome.result) : outcome.error;
    QString error;
    if (!fleet.log->append(entry, &error))
        return failed(error);
    return outcome.logError.isEmpty();
}

int closeLog(const Fleet &fleet, QString failure, int exitCode, QJsonObject *document, Io &io)
{
    if (!fleet.log)
        return exitCode;
    QString error;
    if (!fleet.log->close(&error)) {
        io.err << error << Qt::endl;
        if (failure.isEmpty())
            failure = error;
    }
    if (failure.isEmpty())
        return exitCode;
    // The readers are done as they say, but the trail asked for is not whole: a failure, which
    // says more than drift.
    if (exitCode == Success || exitCode == Drift)
        exitCode = ReaderFailed;
    if (document) {
        document->insert("ok", false);
        document->insert("exitCode", exitCode);
        if (!document->contains("error"))
            document->insert("error", failure);
    }
    return exitCode;
}

int runFleet(const Invocation &invocation, Io &io, const Fleet &fleet, const QStringList &warnings)
{
    QJsonObject document = Ctl::document(invocation.commandWord, Success);
    warn(warnings, &document, io);
    const Selection selection = select(invocation.devices, invocation.all);
    if (selection.exitCode != Success)
        return fail(invocation, io, selection.exitCode, {selection.error});
    const QList<ReaderList::Reader> &readers = selection.readers;

    // started() and done() run one reader at a time.
    const auto started = [&](const ReaderList::Reader &reader) {
        if (io.progress && !invocation.json)
            io.err << reader.device() << ": " << fleet.progress << Qt::endl;
    };
    QString logFailure;
    const auto done = [&](const ReaderOutcome &outcome) {
        if (outcome.result == Result::Failed || outcome.result == Result::Interrupted)
            io.err << errorLine(outcome) << Qt::endl;
        if (!invocation.json) {
            io.out << resultLine(outcome.reader, statusText(outcome, fleet)) << '\n';
            io.out.flush();
        }
        logOutcome(fleet, outcome, io, &logFailure);
    };
    const int jobs = invocation.value(QStringLiteral("jobs"), QStringLiteral("0")).toInt();
    const int waitMs = invocation.waitMs();
    const ReaderJob job = [&](const ReaderList::Reader &reader, const JobContext &context) {
        return lockedJob(fleet, reader, context, waitMs);
    };
    const QList<ReaderOutcome> outcomes =
        forEachReader(readers, jobs, job, jobContext(fleet, io.stop), started, done, io);
    const bool interrupted = stopRequested(io);
    const Summary summary(outcomes);
    int exitCode = exitCodeOf(outcomes, interrupted ? stoppedExitCode(io) : Success);
    // Drift is what a check is for, so it says so only when nothing worse happened.
    if (fleet.check && exitCode == Success && summary.changed > 0)
        exitCode = Drift;

    if (invocation.json) {
        finishDocument(document, outcomes, fleet, summary, exitCode);
        exitCode = closeLog(fleet, logFailure, exitCode, &document, io);
        printDocument(document, io);
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
    return closeLog(fleet, logFailure, exitCode, nullptr, io);
}

int writeCommand(const Invocation &invocation, Io &io)
{
    SettingsFile file;
    int exitCode = Success;
    if (!takeFile(invocation, io, file, &exitCode))
        return exitCode;
    const bool partial = invocation.isSet(QStringLiteral("partial"));
    QStringList missing;
    for (const QString &key : settingKeys()) {
        if (!file.sets(key))
            missing << key;
    }
    if (!partial && !missing.isEmpty()) {
        return fail(invocation, io, UsageError,
                    {QStringLiteral("%1 lacks %2 in [KEYLON]: write sends every setting and would reset those; add "
                                    "them, or change only what the file sets with --partial or apply. Nothing was "
                                    "sent.")
                         .arg(file.name, keysText(missing))});
    }
    std::unique_ptr<AuditLog> log;
    if (!openLog(invocation, io, invocation.arguments.first(), false, log, &exitCode))
        return exitCode;
    const bool verify = !invocation.isSet(QStringLiteral("no-verify"));
    Fleet fleet;
    fleet.log = log.get();
    fleet.job = [&](const ReaderList::Reader &reader, const JobContext &context) {
        return writeToReader(reader, file, partial, verify, context);
    };
    fleet.status = [](const ReaderOutcome &outcome) { return outcome.note; };
    fleet.writes = true;
    fleet.entries = {true, true, false};
    fleet.progress = QStringLiteral("writing");
    return runFleet(invocation, io, fleet, file.warnings);
}

int applyCommand(const Invocation &invocation, Io &io)
{
    SettingsFile file;
    int exitCode = Success;
    if (!takeFile(invocation, io, file, &exitCode))
        return exitCode;
    const bool check = invocation.isSet(QStringLiteral("check"));
    std::unique_ptr<AuditLog> log;
    if (!openLog(invocation, io, invocation.arguments.first(), check, log, &exitCode))
        return exitCode;
    Fleet fleet;
    fleet.log = log.get();
    fleet.job = [&](const ReaderList::Reader &reader, const JobContext &context) {
        return applyToReader(reader, file, check ? ApplyMode::Check : ApplyMode::Apply, context);
    };
    fleet.status = [check](const ReaderOutcome &outcome) {
        if (outcome.result == Result::Unchanged)
            return QStringLiteral("unchanged");
        if (check)
            return QStringLiteral("would change: ") + keysText(outcome.fields);
        QString line = QStringLiteral("changed: ") + keysText(outcome.fields);
        if (!outcome.verified)
            line += QStringLiteral(" (saved; not read back after the interrupt)");
        return line;
    };
    fleet.changedWord = check ? QStringLiteral("would change") : QStringLiteral("changed");
    fleet.entries = {true, true, true};
    fleet.progress = check ? QStringLiteral("checking") : QStringLiteral("applying");
    fleet.check = check;
    fleet.tellsCheck = true;
    if (invocation.isSet(QStringLiteral("watch")))
        return watchFleet(invocation, io, fleet, file.warnings);
    return runFleet(invocation, io, fleet, file.warnings);
}

int diffCommand(const Invocation &invocation, Io &io)
{
    SettingsFile file;
    int exitCode = Success;
    if (!takeFile(invocation, io, file, &exitCode))
        return exitCode;
    Fleet fleet;
    fleet.job = [&](const ReaderList::Reader &reader, const JobContext &context) {
        return applyToReader(reader, file, ApplyMode::Check, context);
    };
    fleet.status = [](const ReaderOutcome &outcome) {
        if (outcome.result == Result::Unchanged)
            return QStringLiteral("unchanged");
        QStringList parts;
        for (const Difference &difference : outcome.differences)
            parts << QStringLiteral("%1 \"%2\" -> \"%3\"").arg(difference.key, difference.reader, difference.file);
        return QStringLiteral("differs: ") + parts.join(QStringLiteral("; "));
    };
    fleet.changedWord = QStringLiteral("differ");
    fleet.entries = {false, false, true};
    fleet.progress = QStringLiteral("reading");
    fleet.check = true;
    fleet.tellsCheck = true;
    return runFleet(invocation, io, fleet, file.warnings);
}

int setInterfaceCommand(const Invocation &invocation, Io &io)
{
    const bool serial = invocation.arguments.first() == QLatin1String("serial");
    std::unique_ptr<AuditLog> log;
    int exitCode = Success;
    if (!openLog(invocation, io, QString(), false, log, &exitCode))
        return exitCode;
    Fleet fleet;
    fleet.log = log.get();
    fleet.job = [serial](const ReaderList::Reader &reader, const JobContext &context) {
        return switchInterface(reader, serial, context);
    };
    fleet.status = [](const ReaderOutcome &outcome) { return outcome.note; };
    fleet.changedWord = QStringLiteral("switched");
    fleet.entries = {true, false, false};
    fleet.progress = QStringLiteral("switching");
    return runFleet(invocation, io, fleet, QStringList());
}

int run(const QStringList &arguments, Io &io)
{
    const Parsed parsed = parse(arguments);
    if (!parsed.output.isEmpty()) {
        io.out << parsed.output;
        io.out.flush();
        return Success;
    }
    if (parsed.exitCode != Success)
        return fail(parsed.invocation, io, parsed.exitCode, {parsed.error});
    const Invocation &invocation = parsed.invocation;
    const int exitCode = invocation.command->handler(invocation, io);
    if (!stopRequested(io))
        return exitCode;
    // A station ends at a signal as it is meant to, and so does monitor: their codes stand,
    // but monitor's output that went away is said. Every other command that a signal or the
    // output ended says so, whatever it came to.
    const int stopped = stoppedExitCode(io);
    if (invocation.isSet(QStringLiteral("watch")))
        return exitCode;
    if (invocation.commandWord == QLatin1String("monitor") && stopped != OutputGone)
        return exitCode;
    return stopped;
}

}  // namespace Ctl
