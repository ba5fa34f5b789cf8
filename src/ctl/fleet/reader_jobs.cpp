#include "ctl/fleet/reader_jobs.h"

#include "ctl/fleet/devices.h"
#include "ctl/fleet/jobs.h"
#include "ctl/table/ctl_text.h"
#include "core/reader/file_interface.h"
#include "core/session/reader_session.h"
#include "core/settings/page_record.h"
#include "ctl/table/exit_codes.h"

namespace Ctl {

namespace {

using Result = ReaderOutcome::Result;

ReaderOutcome failed(ReaderOutcome outcome, int exitCode, const Message &error, bool namesReader = false)
{
    outcome.result = Result::Failed;
    outcome.exitCode = exitCode;
    outcome.error = error;
    outcome.errorNamesReader = namesReader;
    return outcome;
}


// A reader that was being read when the interrupt came is not written: only the readers whose
// write frames are under way finish.
ReaderOutcome interrupted(ReaderOutcome outcome)
{
    outcome.result = Result::Interrupted;
    outcome.error = Message(CtlRoom, QT_TRANSLATE_NOOP("Keylon2ctl", "interrupted before anything was written"))
                        .coded(Code::Interrupted);
    return outcome;
}

bool onSerial(const HeldReader &reader)
{
    return reader.interfaceValue() == Dialects::SerialInterface.value;
}

// The keys a write sends to this reader: only some interfaces carry the keyboard country.
QStringList keysSent(const HeldReader &reader, const QStringList &keys)
{
    QStringList sent = keys;
    if (!reader.carriesCountry())
        sent.removeAll(QStringLiteral("KBCountry"));
    return sent;
}

// Writes and saves the record; with verify (and no interrupt since) reads it back. The
// outcome is changed once the save went out.
ReaderOutcome writeAndVerify(ReaderOutcome outcome, HeldReader &reader, const SettingsRecord &record, bool verify,
                             const JobContext &context)
{
    context.writing(outcome);
    bool skipped = false;
    const FirmwareCheck::Written written =
        FirmwareCheck::writeVerified(reader, record, [&] { return skipped = !verify || context.stopped(); });
    outcome.changed = written.saved;
    if (!written.result.ok())
        return failed(outcome, ReaderFailed, sessionFailure(written.result));
    // The settings are saved: an interrupt leaves out the read-back, not the reader.
    if (skipped)
        return outcome;
    outcome.firmware = PageRecord::versionText(written.back.record.version);
    if (!written.ok()) {
        //: %1: each key that read back otherwise, separated by "; "
        return failed(outcome, ReaderFailed, Message(CtlRoom, QT_TRANSLATE_NOOP("Keylon2ctl", "verify failed: %1"))
                                                 .arg(Message::joined(differences(record, written), QStringLiteral("; ")))
                                                 .coded(Code::VerifyMismatch));
    }
    outcome.verified = true;
    return outcome;
}

}  // namespace

ReaderOutcome applyToReader(HeldReader &reader, const SettingsFile &file, ApplyMode mode, const JobContext &context)
{
    ReaderOutcome outcome;
    outcome.reader = reader.listed();
    const Opened opened = connect(reader);
    if (opened.exitCode != Success)
        return failed(outcome, opened.exitCode, opened.error, opened.namesReader);
    const ReaderSession::SettingsRead read = reader.readSettings();
    if (!read.result.ok())
        return failed(outcome, ReaderFailed, sessionFailure(read.result));
    outcome.firmware = PageRecord::versionText(read.record.version);
    outcome.differences = compare(read, onSerial(reader), file);
    for (const Difference &difference : outcome.differences)
        outcome.fields << difference.key;
    if (outcome.differences.isEmpty()) {
        outcome.result = Result::Unchanged;
        return outcome;
    }
    outcome.result = Result::Changed;
    if (mode == ApplyMode::Check)
        return outcome;
    if (context.stopped())
        return interrupted(outcome);
    return writeAndVerify(outcome, reader, mergedRecord(read.record, file), true, context);
}

ReaderOutcome writeToReader(HeldReader &reader, const SettingsFile &file, bool partial, bool verify,
                            const JobContext &context)
{
    ReaderOutcome outcome;
    outcome.reader = reader.listed();
    if (!partial && reader.carriesCountry() && !file.sets(QStringLiteral("KBCountry"))) {
        return failed(outcome, UsageError,
                      Message(CtlRoom, QT_TRANSLATE_NOOP("Keylon2ctl",
                          "%1 lacks KBCountry in [KEYLON]: over USB HID write sends the keyboard country and would "
                          "reset it; add it, or change only what the file sets with --partial or apply. Nothing was "
                          "sent."))
                          .arg(file.name)
                          .coded(Code::IncompleteFile));
    }
    const Opened opened = connect(reader);
    if (opened.exitCode != Success)
        return failed(outcome, opened.exitCode, opened.error, opened.namesReader);
    SettingsRecord record = file.record;
    if (partial) {
        const ReaderSession::SettingsRead read = reader.readSettings();
        if (!read.result.ok())
            return failed(outcome, ReaderFailed, sessionFailure(read.result));
        outcome.firmware = PageRecord::versionText(read.record.version);
        if (context.stopped())
            return interrupted(outcome);
        record = mergedRecord(read.record, file);
    }
    outcome.fields = keysSent(reader, partial ? file.keys : settingKeys());
    outcome.result = Result::Written;
    outcome = writeAndVerify(outcome, reader, record, verify, context);
    if (outcome.ok())
        outcome.note = outcome.verified ? CtlText::tr("written, saved and verified") : CtlText::tr("written and saved");
    return outcome;
}

ReaderOutcome switchInterface(HeldReader &reader, bool serial, const JobContext &context)
{
    ReaderOutcome outcome;
    outcome.reader = reader.listed();
    if (onSerial(reader) == serial) {
        outcome.result = Result::Unchanged;
        outcome.note = serial ? CtlText::tr("already on the serial interface")
                              : CtlText::tr("already on the USB keyboard interface");
        return outcome;
    }
    const Opened opened = connect(reader);
    if (opened.exitCode != Success)
        return failed(outcome, opened.exitCode, opened.error, opened.namesReader);
    outcome.fields << QStringLiteral("Interface");
    context.writing(outcome);
    const SessionResult result = reader.changeInterface();
    if (!result.ok()) {
        outcome.fields.clear();
        return failed(outcome, ReaderFailed, sessionFailure(result));
    }
    outcome.result = Result::Changed;
    outcome.changed = true;
    outcome.note = serial ? CtlText::tr("the reader switches to the serial interface")
                          : CtlText::tr("the reader switches to the USB keyboard interface");
    return outcome;
}

}  // namespace Ctl
