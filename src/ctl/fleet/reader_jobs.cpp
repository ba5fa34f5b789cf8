#include "ctl/fleet/reader_jobs.h"

#include <QJsonArray>
#include <QProcess>
#include <QTextStream>

#include <csignal>

#include "core/platform/platform.h"
#include "ctl/output/io.h"

#include "ctl/fleet/devices.h"
#include "ctl/table/ctl_text.h"
#include "core/session/reader_session.h"
#include "core/settings/page_record.h"
#include "ctl/table/exit_codes.h"

namespace Ctl {

namespace {

using Result = ReaderOutcome::Result;

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

Message verifyFailed(const SettingsRecord &wrote, const FirmwareCheck::Written &written)
{
    //: %1: each key that read back otherwise, separated by "; "
    return Message(CtlRoom, QT_TRANSLATE_NOOP("Keylon2ctl", "verify failed: %1"))
        .arg(Message::joined(differences(wrote, written), QStringLiteral("; ")))
        .coded(Code::VerifyMismatch);
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
        return outcome.fail(ReaderFailed, sessionFailure(written.result));
    // The settings are saved: an interrupt leaves out the read-back, not the reader.
    if (skipped)
        return outcome;
    outcome.firmware = PageRecord::versionText(written.back.record.version);
    if (!written.ok())
        return outcome.fail(ReaderFailed, verifyFailed(record, written));
    outcome.verified = true;
    return outcome;
}

// The firmware writer, left to run to its end: a terminal's Ctrl-C and a dropped session reach
// its whole process group, and a writer stopped half way can leave the reader without working
// firmware. keylon2ctl itself stops after it.
class WriterProcess : public QProcess
{
public:
    WriterProcess()
    {
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
        setChildProcessModifier(runToItsEnd);
#endif
    }

private:
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    void setupChildProcess() override { runToItsEnd(); }
#endif
    static void runToItsEnd()
    {
        ::signal(SIGINT, SIG_IGN);
        ::signal(SIGHUP, SIG_IGN);
        ::signal(SIGQUIT, SIG_IGN);
    }
};

// A line of the job's on standard error, between the others.
void say(const JobContext &context, Io &io, const QString &text)
{
    std::unique_lock<std::mutex> lock;
    if (context.reporting)
        lock = std::unique_lock<std::mutex>(*context.reporting);
    io.err << text;
    io.err.flush();
}

// Runs the writer from the working directory; empty when it ended well.
Message runWriter(bool toErr, const JobContext &context, Io &io)
{
    WriterProcess process;
    // With --json standard output holds the document alone: the writer speaks on standard error.
    process.setProcessChannelMode(toErr ? QProcess::MergedChannels : QProcess::ForwardedChannels);
    io.out.flush();
    process.start(Platform::firmwareWriterProgram(), Platform::firmwareWriterArguments(), QIODevice::ReadWrite);
    process.closeWriteChannel();
    while (process.state() != QProcess::NotRunning) {
        process.waitForFinished(100);
        if (toErr)
            say(context, io, QString::fromLocal8Bit(process.readAll()));
    }
    if (process.exitStatus() != QProcess::NormalExit || process.error() == QProcess::FailedToStart)
        return Message(CtlRoom, QT_TRANSLATE_NOOP("Keylon2ctl", "the firmware writer did not run to its end"))
            .coded(Code::WriterFailed);
    if (process.exitCode() != 0) {
        return Message(CtlRoom, QT_TRANSLATE_NOOP("Keylon2ctl", "the firmware writer ended with exit code %1"))
            .arg(process.exitCode())
            .coded(Code::WriterFailed);
    }
    return Message();
}

Message anotherReader(const ReaderList::Reader &other)
{
    return Message(CtlRoom, QT_TRANSLATE_NOOP("Keylon2ctl", "another reader (%1, %2) came back where this one was; nothing "
                                                            "was written to it"))
        .arg(other.serialNumber.isEmpty() ? QStringLiteral("-") : other.serialNumber, other.device())
        .coded(Code::AnotherReader);
}

// What the settings part of an update's line says.
QString settingsNote(const ReaderOutcome &outcome, bool keepReset)
{
    const QString reset = outcome.details.value("settingsReset").toVariant().toStringList().join(QStringLiteral(", "));
    if (reset.isEmpty())
        return CtlText::tr("settings as before");
    return keepReset ? CtlText::tr("settings left reset (--keep-reset): %1").arg(reset)
                     : CtlText::tr("settings restored: %1").arg(reset);
}

}  // namespace

ReaderOutcome applyToReader(HeldReader &reader, const SettingsFile &file, ApplyMode mode, const JobContext &context)
{
    ReaderOutcome outcome(reader.listed());
    const Opened opened = connect(reader);
    if (opened.exitCode != Success)
        return outcome.fail(opened.exitCode, opened.error, opened.namesReader);
    const ReaderSession::SettingsRead read = reader.readSettings();
    if (!read.result.ok())
        return outcome.fail(ReaderFailed, sessionFailure(read.result));
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
    ReaderOutcome outcome(reader.listed());
    if (!partial && reader.carriesCountry() && !file.sets(QStringLiteral("KBCountry"))) {
        return outcome.fail(UsageError,
                      Message(CtlRoom, QT_TRANSLATE_NOOP("Keylon2ctl",
                          "%1 lacks KBCountry in [KEYLON]: over USB HID write sends the keyboard country and would "
                          "reset it; add it, or change only what the file sets with --partial or apply. Nothing was "
                          "sent."))
                          .arg(file.name)
                          .coded(Code::IncompleteFile));
    }
    const Opened opened = connect(reader);
    if (opened.exitCode != Success)
        return outcome.fail(opened.exitCode, opened.error, opened.namesReader);
    SettingsRecord record = file.record;
    if (partial) {
        const ReaderSession::SettingsRead read = reader.readSettings();
        if (!read.result.ok())
            return outcome.fail(ReaderFailed, sessionFailure(read.result));
        outcome.firmware = PageRecord::versionText(read.record.version);
        if (context.stopped())
            return interrupted(outcome);
        record = mergedRecord(read.record, file);
    }
    outcome.fields = partial ? file.keys : settingKeys();
    // Only some interfaces carry the keyboard country.
    if (!reader.carriesCountry())
        outcome.fields.removeAll(QStringLiteral("KBCountry"));
    outcome.result = Result::Written;
    outcome = writeAndVerify(outcome, reader, record, verify, context);
    if (outcome.ok())
        outcome.note = outcome.verified ? CtlText::tr("written, saved and verified") : CtlText::tr("written and saved");
    return outcome;
}

ReaderOutcome switchInterface(HeldReader &reader, bool serial, const JobContext &context)
{
    ReaderOutcome outcome(reader.listed());
    if (onSerial(reader) == serial) {
        outcome.result = Result::Unchanged;
        outcome.note = serial ? CtlText::tr("already on the serial interface")
                              : CtlText::tr("already on the USB keyboard interface");
        return outcome;
    }
    const Opened opened = connect(reader);
    if (opened.exitCode != Success)
        return outcome.fail(opened.exitCode, opened.error, opened.namesReader);
    outcome.fields << QStringLiteral("Interface");
    context.writing(outcome);
    const SessionResult result = reader.changeInterface();
    if (!result.ok()) {
        outcome.fields.clear();
        return outcome.fail(ReaderFailed, sessionFailure(result));
    }
    outcome.result = Result::Changed;
    outcome.changed = true;
    outcome.note = serial ? CtlText::tr("the reader switches to the serial interface")
                          : CtlText::tr("the reader switches to the USB keyboard interface");
    return outcome;
}

ReaderOutcome updateFirmware(HeldReader &reader, const FirmwareUpdate &update, const JobContext &context, Io &io)
{
    using namespace FirmwareCheck;
    ReaderOutcome outcome(reader.listed());
    const Opened opened = connect(reader);
    if (opened.exitCode != Success)
        return outcome.fail(opened.exitCode, opened.error, opened.namesReader);
    // A reader that cannot be read gets nothing: there would be nothing to put back.
    const ReaderSession::SettingsRead read = reader.readSettings();
    if (!read.result.ok())
        return outcome.fail(ReaderFailed, sessionFailure(read.result));
    const Backup before = keep(reader.listed(), read);
    outcome.firmware = before.firmware();
    outcome.details.insert("firmwareBefore", before.firmware());
    const QString path = update.backupInFolder() ? defaultPath(before, update.backup) : update.backup;
    QString reason;
    if (!save(before, path, &reason)) {
        return outcome.fail(UsageError, Message(CtlRoom, QT_TRANSLATE_NOOP("Keylon2ctl", "cannot write the backup %1: %2; nothing "
                                                                                            "was sent"))
                                               .arg(path, reason)
                                               .coded(Code::BackupFailed));
    }
    outcome.details.insert("backup", path);
    say(context, io, CtlText::tr("%1: settings and firmware %2 kept in %3").arg(reader.listed().device(), before.firmware(), path)
                         + QLatin1Char('\n'));
    if (context.stopped())
        return interrupted(outcome);

    context.writing(outcome);
    const SessionResult isp = reader.enterIspMode();
    if (!isp.ok())
        return outcome.fail(ReaderFailed, sessionFailure(isp));
    const Message writer = runWriter(update.writerToErr, context, io);
    if (!writer.isEmpty())
        return outcome.fail(ReaderFailed, writer);

    const Found found = awaitReturn(before.reader, update.waitBackMs);
    if (found.how == Return::NotBack) {
        return outcome.fail(ReaderFailed,
                      Message(CtlRoom, QT_TRANSLATE_NOOP("Keylon2ctl", "the reader did not come back within %1 s; it may wait in its "
                                                                       "loader: run the firmware writer again, or unplug the reader and "
                                                                       "plug it in again; its settings are in %2"))
                          .arg(update.waitBackMs / 1000)
                          .arg(path)
                          .coded(Code::NotBack));
    }
    if (found.how == Return::Another)
        return outcome.fail(ReaderFailed, anotherReader(found.reader));
    // The reader as it is listed now, under its node's lock (the node may be new): restore()
    // then looks at who it is now, not at who it was.
    reader.release();
    Locked relocked = lockReader(found.reader, update.waitMs, nullptr, update.withoutLock);
    if (relocked.exitCode != Success)
        return outcome.fail(relocked.exitCode, relocked.error, relocked.namesReader);
    HeldReader *back = relocked.reader.get();
    const Opened reopened = connect(*back);
    if (reopened.exitCode != Success)
        return outcome.fail(reopened.exitCode, reopened.error, reopened.namesReader);
    const ReaderSession::SettingsRead after = back->readSettings();
    if (!after.result.ok())
        return outcome.fail(ReaderFailed, sessionFailure(after.result));
    outcome.firmware = PageRecord::versionText(after.record.version);
    outcome.details.insert("firmwareAfter", outcome.firmware);
    const QStringList reset = keys(differing(before, after));
    outcome.details.insert("settingsReset", QJsonArray::fromStringList(reset));
    outcome.details.insert("settingsRestored", QJsonArray());
    // The reader that came back is the one kept: its settings go back whatever its version says.
    if (!update.keepReset && !reset.isEmpty()) {
        const Written restored = restore(*back, before, after);
        if (restored.saved) {
            outcome.fields = keys(restored.sent);
            outcome.details.insert("settingsRestored", QJsonArray::fromStringList(outcome.fields));
        }
        if (restored.otherReader)
            return outcome.fail(ReaderFailed, anotherReader(back->listed()));
        if (!restored.result.ok())
            return outcome.fail(ReaderFailed, sessionFailure(restored.result));
        if (!restored.ok())
            return outcome.fail(ReaderFailed, verifyFailed(before.record, restored));
    }
    switch (FirmwareCheck::outcome(before, after.record, update.expectVersion)) {
    case Outcome::Updated:
        outcome.result = Result::Changed;
        //: %1 the firmware version before, %2 after, %3 what became of the settings
        outcome.note = CtlText::tr("updated: firmware %1 -> %2; %3").arg(before.firmware(), outcome.firmware,
                                                                         settingsNote(outcome, update.keepReset));
        break;
    case Outcome::Unchanged:
        if (!update.allowSame) {
            return outcome.fail(ReaderFailed,
                          Message(CtlRoom, QT_TRANSLATE_NOOP("Keylon2ctl", "the firmware writer ended, but the reader still "
                                                                           "reports firmware %1: nothing was updated"))
                              .arg(outcome.firmware)
                              .coded(Code::FirmwareUnchanged));
        }
        outcome.result = Result::Unchanged;
        outcome.note = CtlText::tr("firmware %1 as before (--allow-same); %2").arg(outcome.firmware,
                                                                                   settingsNote(outcome, update.keepReset));
        break;
    case Outcome::UnexpectedVersion:
        return outcome.fail(ReaderFailed,
                      Message(CtlRoom, QT_TRANSLATE_NOOP("Keylon2ctl", "the reader reports firmware %1, not %2 as expected"))
                          .arg(outcome.firmware, update.expectVersion)
                          .coded(Code::UnexpectedVersion));
    case Outcome::NotBack:
    case Outcome::AnotherReader:
        break;  // found above
    }
    outcome.note += CtlText::tr("; backup %1").arg(path);
    return outcome;
}

}  // namespace Ctl
