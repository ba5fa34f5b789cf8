// The commands over many readers: each reader's job, and how the fleet reports it.
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

#include <memory>

#include "core/platform/platform.h"
#include "ctl/table/ctl_text.h"
#include "ctl/table/handlers.h"
#include "ctl/table/settings_file.h"
#include "ctl/fleet/fleet.h"
#include "ctl/fleet/reader_jobs.h"
#include "ctl/output/audit_log.h"
#include "ctl/output/document.h"
#include "ctl/output/metrics.h"
#include "ctl/table/exit_codes.h"

namespace Ctl {

namespace {

// The last line of what stops a command before any reader is looked for ends in "Nothing was
// sent.", once: a sentence of its own after a line that ends in a full stop.
Message nothingSent(const Message &line)
{
    const QString english = line.english();
    if (english.endsWith(QLatin1String("Nothing was sent.")))
        return line;
    return Message(CtlRoom, english.endsWith(QLatin1Char('.')) ? QT_TRANSLATE_NOOP("Keylon2ctl", "%1 Nothing was sent.")
                                                                : QT_TRANSLATE_NOOP("Keylon2ctl", "%1. Nothing was sent."))
        .arg(line);
}

// The file of write, apply and diff, refused (exit 2) before any reader is looked for. Success
// when it is taken.
int takeFile(const Invocation &invocation, Io &io, SettingsFile &file)
{
    file = readSettingsFile(invocation.arguments.first());
    if (file.problems.isEmpty() && file.keys.isEmpty()) {
        file.problems << Message(CtlRoom, QT_TRANSLATE_NOOP("Keylon2ctl", "%1 sets none of the reader's settings in "
                                                                          "[KEYLON]."))
                             .arg(file.name)
                             .coded(Code::BadFile);
    }
    if (file.problems.isEmpty())
        return Success;
    QList<Message> lines = file.problems;
    lines.last() = nothingSent(lines.last());
    return fail(invocation, io, UsageError, lines);
}

// --log FILE, opened before any reader is looked for: a log that cannot be had stops the
// command before anything is sent (exit 2). `file`: the configuration file the command took.
// Success when there is no --log or it is open.
int openLog(const Invocation &invocation, Io &io, const QString &file, bool check, std::unique_ptr<AuditLog> &log)
{
    if (!invocation.isSet(QStringLiteral("log")))
        return Success;
    AuditRun run{invocation.commandWord, check, file, QString()};
    Message error;
    if (!file.isEmpty()) {
        // The bytes as they are now, a moment after the command took them.
        QFile taken(file);
        if (taken.open(QIODevice::ReadOnly))
            run.fileSha256 = AuditLog::sha256Hex(taken.readAll());
        else
            error = Message(CtlRoom, QT_TRANSLATE_NOOP("Keylon2ctl", "cannot read %1 again for the log: %2"))
                        .arg(file, taken.errorString())
                        .coded(Code::LogFailed);
    }
    if (error.isEmpty())
        log = AuditLog::open(invocation.value(QStringLiteral("log")), run, &error);
    if (log)
        return Success;
    return fail(invocation, io, UsageError, {nothingSent(error)});
}

// Runs the fleet (apply --watch: the station) with its --log and --metrics, both opened before
// any reader is looked for. `file`: the configuration file the command took, if any; check:
// nothing is written.
//
// --metrics FILE: a run writes it at its start and at its end, a station at each event
// (LiveMetrics); a file that cannot be written is said on standard error and changes neither
// what the command does nor its exit code: the numbers are a view of the work, and the next
// write puts them right.
int runRecorded(const Invocation &invocation, Io &io, Fleet &fleet, const QString &file, bool check)
{
    std::unique_ptr<AuditLog> log;
    if (const int refused = openLog(invocation, io, file, check, log))
        return refused;
    const bool station = invocation.isSet(QStringLiteral("watch"));
    std::unique_ptr<Metrics> metrics;
    if (invocation.isSet(QStringLiteral("metrics"))) {
        const QString path = invocation.value(QStringLiteral("metrics"));
        if (path.isEmpty())
            return fail(invocation, io, UsageError, {nothingSent(fileNameWanted(QStringLiteral("metrics")))});
        metrics = std::make_unique<Metrics>(station ? Metrics::Scope::Station : Metrics::Scope::Run, path, check,
                                            QDateTime::currentMSecsSinceEpoch());
        if (!station)
            metrics->writeOrSay(io.err);
        if (fleet.updatesFirmware)
            metrics->countUpdates();
    }
    fleet.log = log.get();
    fleet.metrics = metrics.get();
    const int exitCode = station ? watchFleet(invocation, io, fleet) : runFleet(invocation, io, fleet);
    if (metrics) {
        if (station)
            metrics->stationEnded();
        else
            metrics->runEnded(exitCode, QDateTime::currentMSecsSinceEpoch());
        metrics->writeOrSay(io.err);
    }
    return exitCode;
}

}  // namespace

int writeCommand(const Invocation &invocation, Io &io)
{
    SettingsFile file;
    if (const int refused = takeFile(invocation, io, file))
        return refused;
    const bool partial = invocation.isSet(QStringLiteral("partial"));
    QStringList missing;
    for (const QString &key : settingKeys()) {
        if (!file.sets(key))
            missing << key;
    }
    // A file that read made over the serial line has no KBCountry, and the serial line never
    // sends it: such a file writes there. Over USB HID writeToReader refuses it.
    if (!partial && !missing.isEmpty() && missing != QStringList{QStringLiteral("KBCountry")}) {
        //: %2: the keys the file lacks
        return fail(invocation, io, UsageError,
                    {Message(CtlRoom, QT_TRANSLATE_NOOP("Keylon2ctl",
                        "%1 lacks %2 in [KEYLON]: write sends every setting and would reset those; add them, or change "
                        "only what the file sets with --partial or apply. Nothing was sent."))
                         .arg(file.name, missing.join(QStringLiteral(", ")))
                         .coded(Code::IncompleteFile)});
    }
    const bool verify = !invocation.isSet(QStringLiteral("no-verify"));
    Fleet fleet;
    fleet.job = [&](HeldReader &reader, const JobContext &context) {
        return writeToReader(reader, file, partial, verify, context);
    };
    fleet.writes = true;
    fleet.entries = {true, true, false};
    fleet.progress = CtlText::tr("writing");
    return runRecorded(invocation, io, fleet, invocation.arguments.first(), false);
}

int applyCommand(const Invocation &invocation, Io &io)
{
    SettingsFile file;
    if (const int refused = takeFile(invocation, io, file))
        return refused;
    const bool check = invocation.isSet(QStringLiteral("check"));
    Fleet fleet;
    fleet.job = [&](HeldReader &reader, const JobContext &context) {
        return applyToReader(reader, file, check ? ApplyMode::Check : ApplyMode::Apply, context);
    };
    fleet.status = [check](const ReaderOutcome &outcome) {
        if (check)
            return CtlText::tr("would change: %1").arg(outcome.fields.join(QStringLiteral(", ")));
        QString line = CtlText::tr("changed: %1").arg(outcome.fields.join(QStringLiteral(", ")));
        if (!outcome.verified)
            line += CtlText::tr(" (saved; not read back after the interrupt)");
        return line;
    };
    //: How the summary counts the readers that apply changed or would change ("3 changed")
    fleet.changedWord = check ? CtlText::tr("would change") : CtlText::tr("changed");
    fleet.entries = {true, true, true};
    fleet.progress = check ? CtlText::tr("checking") : CtlText::tr("applying");
    fleet.check = check;
    fleet.tellsCheck = true;
    return runRecorded(invocation, io, fleet, invocation.arguments.first(), check);
}

int diffCommand(const Invocation &invocation, Io &io)
{
    SettingsFile file;
    if (const int refused = takeFile(invocation, io, file))
        return refused;
    Fleet fleet;
    fleet.job = [&](HeldReader &reader, const JobContext &context) {
        return applyToReader(reader, file, ApplyMode::Check, context);
    };
    fleet.status = [](const ReaderOutcome &outcome) {
        QStringList parts;
        for (const Difference &difference : outcome.differences)
            parts << QStringLiteral("%1 \"%2\" -> \"%3\"").arg(difference.key, difference.reader, difference.file);
        return CtlText::tr("differs: %1").arg(parts.join(QStringLiteral("; ")));
    };
    //: How the summary counts the readers that differ from the file ("2 differ")
    fleet.changedWord = CtlText::tr("differ");
    fleet.entries = {false, false, true};
    fleet.progress = readingWord();
    fleet.check = true;
    fleet.tellsCheck = true;
    return runRecorded(invocation, io, fleet, invocation.arguments.first(), true);
}

int setInterfaceCommand(const Invocation &invocation, Io &io)
{
    const bool serial = invocation.arguments.first() == QLatin1String("serial");
    Fleet fleet;
    fleet.job = [serial](HeldReader &reader, const JobContext &context) {
        return switchInterface(reader, serial, context);
    };
    //: How the summary counts the readers switched to the other interface ("2 switched")
    fleet.changedWord = CtlText::tr("switched");
    fleet.entries = {true, false, false};
    fleet.progress = CtlText::tr("switching");
    return runRecorded(invocation, io, fleet, QString(), false);
}

int firmwareUpdateCommand(const Invocation &invocation, Io &io)
{
    // Before anything is looked for: nothing goes to a reader when there is no writer to run.
    if (!Platform::firmwareWriterRunnable()) {
        return fail(invocation, io, UsageError,
                    {Message(CtlRoom, QT_TRANSLATE_NOOP("Keylon2ctl", "The firmware writer %1 was not found in %2; "
                                                                      "nothing was sent to the reader."))
                         .arg(QFileInfo(Platform::firmwareWriterProgram()).fileName(), QDir::currentPath())
                         .coded(Code::NoWriter)});
    }
    FirmwareUpdate update;
    update.backup = invocation.value(QStringLiteral("backup"));
    const bool several = invocation.all || invocation.devices.size() > 1;
    if (several && !update.backupInFolder()) {
        return fail(invocation, io, UsageError,
                    {Message(CtlRoom, QT_TRANSLATE_NOOP("Keylon2ctl", "--backup names one file, and several readers are to be "
                                                                      "updated: name a folder. Nothing was sent."))
                         .coded(Code::Usage)});
    }
    update.waitBackMs = invocation.value(QStringLiteral("wait-back"), QStringLiteral("60")).toInt() * 1000;
    update.allowSame = invocation.isSet(QStringLiteral("allow-same"));
    update.keepReset = invocation.isSet(QStringLiteral("keep-reset"));
    update.expectVersion = invocation.value(QStringLiteral("expect-version"));
    update.waitMs = invocation.waitMs();
    update.withoutLock = invocation.withoutLock();
    update.writerToErr = invocation.json;
    io.stopNote = CtlText::tr("a firmware writer under way runs to its end (stopping it can leave the reader without working "
                              "firmware)");
    Fleet fleet;
    // A reader that did not come back may wait in its loader, where the next reader's writer
    // could not tell it from its own: the readers after it are left alone.
    QString inLoader;
    fleet.job = [&](HeldReader &reader, const JobContext &context) {
        if (!inLoader.isEmpty()) {
            return ReaderOutcome(reader.listed())
                .fail(ReaderFailed, Message(CtlRoom, QT_TRANSLATE_NOOP("Keylon2ctl", "not started: %1 did not come back and "
                                                                                     "may wait in its loader, where a second "
                                                                                     "reader could not be told from it; nothing "
                                                                                     "was sent"))
                                        .arg(inLoader)
                                        .coded(Code::LoaderBusy));
        }
        ReaderOutcome outcome = updateFirmware(reader, update, context, io);
        if (outcome.error.code() == QLatin1String(Code::NotBack) || outcome.error.code() == QLatin1String(Code::WriterFailed))
            inLoader = reader.listed().device();
        return outcome;
    };
    //: How the summary counts the readers whose firmware was updated ("2 updated")
    fleet.changedWord = CtlText::tr("updated");
    fleet.progress = CtlText::tr("updating");
    fleet.updatesFirmware = true;
    return runRecorded(invocation, io, fleet, QString(), false);
}

}  // namespace Ctl
