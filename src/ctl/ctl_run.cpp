#include "ctl.h"

#include <QJsonArray>
#include <QTextStream>

#include "ctl_apply.h"
#include "ctl_commands.h"
#include "ctl_device.h"
#include "ctl_file.h"
#include "ctl_jobs.h"
#include "ctl_table.h"

namespace Ctl {

namespace {

using Result = ReaderOutcome::Result;

// How a command over many readers reports them.
struct Fleet
{
    ReaderJob job;
    std::function<QString(const ReaderOutcome &)> status;  // a done reader's line, after its identity
    QString changedWord;       // how the summary counts Changed: "changed", "would change", ...
    bool writes = false;       // write: the summary counts done and failed
    EntryFields entries;       // what each reader's JSON entry tells
    QString progress;          // "writing", ...: the line for each reader when on a terminal
};

QString stoppedStatus(const ReaderOutcome &outcome)
{
    if (outcome.result == Result::Interrupted)
        return QStringLiteral("interrupted: nothing was written");
    if (outcome.result == Result::NotStarted)
        return QStringLiteral("not started");
    return QStringLiteral("failed: ") + outcome.error;
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

// Runs the fleet's job on every reader: each reader's line the moment it is done, then a
// summary; with --json, one document at the end.
int runFleet(const Invocation &invocation, Io &io, const Fleet &fleet, const QStringList &warnings)
{
    QJsonObject document = Ctl::document(invocation.commandWord, Success);
    warn(warnings, &document, io);
    const Selection selection = select(invocation.devices, invocation.all);
    if (selection.exitCode != Success)
        return fail(invocation, io, selection.exitCode, {selection.error});
    const QList<ReaderList::Reader> &readers = selection.readers;
    if (io.progress && !invocation.json) {
        for (const ReaderList::Reader &reader : readers)
            io.err << reader.device() << ": " << fleet.progress << Qt::endl;
    }

    const auto done = [&](const ReaderOutcome &outcome) {
        if (outcome.result == Result::Failed || outcome.result == Result::Interrupted)
            io.err << errorLine(outcome) << Qt::endl;
        if (!invocation.json) {
            io.out << resultLine(outcome.reader, outcome.ok() ? fleet.status(outcome) : stoppedStatus(outcome)) << '\n';
            io.out.flush();
        }
    };
    const int jobs = invocation.value(QStringLiteral("jobs"), QStringLiteral("0")).toInt();
    const QList<ReaderOutcome> outcomes = forEachReader(readers, jobs, fleet.job, done, io);
    const bool interrupted = io.stop && io.stop->load();
    const Summary summary(outcomes);
    const int exitCode = exitCodeOf(outcomes, interrupted);

    if (invocation.json) {
        QJsonArray entries;
        for (const ReaderOutcome &outcome : outcomes)
            entries.append(outcomeJson(outcome, fleet.entries));
        document.insert("ok", exitCode == Success);
        document.insert("exitCode", exitCode);
        document.insert("readers", entries);
        document.insert("summary", summary.json());
        printDocument(document, io);
        return exitCode;
    }
    for (const ReaderOutcome &outcome : outcomes) {
        if (outcome.result == Result::NotStarted)
            io.out << resultLine(outcome.reader, stoppedStatus(outcome)) << '\n';
    }
    if (readers.size() > 1 || interrupted)
        io.out << summaryLine(summary, fleet, interrupted) << '\n';
    io.out.flush();
    return exitCode;
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

QString keysText(const QStringList &keys)
{
    return keys.join(QStringLiteral(", "));
}

}  // namespace

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
    const bool verify = !invocation.isSet(QStringLiteral("no-verify"));
    Fleet fleet;
    fleet.job = [&](const ReaderList::Reader &reader, const std::atomic<bool> *stop) {
        return writeToReader(reader, file, partial, verify, stop);
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
    Fleet fleet;
    fleet.job = [&](const ReaderList::Reader &reader, const std::atomic<bool> *stop) {
        return applyToReader(reader, file, check ? ApplyMode::Check : ApplyMode::Apply, stop);
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
    return runFleet(invocation, io, fleet, file.warnings);
}

int diffCommand(const Invocation &invocation, Io &io)
{
    SettingsFile file;
    int exitCode = Success;
    if (!takeFile(invocation, io, file, &exitCode))
        return exitCode;
    Fleet fleet;
    fleet.job = [&](const ReaderList::Reader &reader, const std::atomic<bool> *stop) {
        return applyToReader(reader, file, ApplyMode::Check, stop);
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
    return runFleet(invocation, io, fleet, file.warnings);
}

int setInterfaceCommand(const Invocation &invocation, Io &io)
{
    const bool serial = invocation.arguments.first() == QLatin1String("serial");
    Fleet fleet;
    fleet.job = [serial](const ReaderList::Reader &reader, const std::atomic<bool> *) {
        return switchInterface(reader, serial);
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
    return parsed.invocation.command->handler(parsed.invocation, io);
}

}  // namespace Ctl
