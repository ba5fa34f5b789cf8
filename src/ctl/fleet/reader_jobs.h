#pragma once

#include <QFileInfo>

#include "ctl/table/settings_file.h"
#include "ctl/fleet/jobs.h"
#include "ctl/output/io.h"
#include "ctl/output/reader_outcome.h"
#include "core/reader/firmware_check.h"
#include "core/reader/held_reader.h"

// What write, apply, diff and set-interface do to one locked reader, each a function that opens
// its link, does its work and leaves the link to close with the reader, in the calling thread. A watch loop calls
// them for one reader; the commands run them for many (forEachReader).
namespace Ctl {

enum class ApplyMode {
    Apply,  // write, save and read back where the reader differs
    Check,  // read only: Changed says what would change
};

// Reads the reader and compares it with the keys the file sets. Unchanged when it holds them;
// otherwise Changed with the differing keys, and (Apply) the reader's own settings with the
// file's keys put in are written, saved and read back. Never writes when the reader matches,
// nor when context.stop came while it was read (Interrupted). `changed`: the save went out.
ReaderOutcome applyToReader(HeldReader &reader, const SettingsFile &file, ApplyMode mode,
                            const JobContext &context = {});

// Writes the file's settings, saves them and (verify) reads them back: Written. partial: the
// reader is read first and only the keys the file sets change.
ReaderOutcome writeToReader(HeldReader &reader, const SettingsFile &file, bool partial, bool verify,
                            const JobContext &context = {});

// The reader goes to its serial (serial) or USB keyboard interface: Changed; Unchanged when it
// is there already, and nothing is sent.
ReaderOutcome switchInterface(HeldReader &reader, bool serial, const JobContext &context = {});

// What firmware-update's command line asks of each reader.
struct FirmwareUpdate
{
    QString backup;         // --backup: a file, or a folder for a file per reader; empty: the state directory's
    int waitBackMs = FirmwareCheck::DefaultWaitBackMs;
    bool allowSame = false;
    bool keepReset = false;
    QString expectVersion;
    int waitMs = 0;         // --wait and --no-lock, for the reader back under another node
    bool withoutLock = false;
    bool writerToErr = false;  // --json: the writer's output goes to standard error

    // --backup names no one file: a file per reader goes to a folder.
    bool backupInFolder() const
    {
        return backup.isEmpty() || backup.endsWith(QLatin1Char('/')) || QFileInfo(backup).isDir();
    }
};
// The reader read and kept in its backup, sent to its loader, the firmware writer run to its end,
// the reader found back, read and compared, and the settings the writer reset written back:
// Changed when its version changed, Unchanged when it did not and that is allowed. details:
// firmwareBefore, firmwareAfter, backup, settingsReset, settingsRestored.
ReaderOutcome updateFirmware(HeldReader &reader, const FirmwareUpdate &update, const JobContext &context, Io &io);

}  // namespace Ctl
