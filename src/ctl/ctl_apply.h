#pragma once

#include <atomic>

#include "ctl/ctl_file.h"
#include "ctl/ctl_jobs.h"
#include "ctl/ctl_outcome.h"
#include "core/link/reader_list.h"

// What write, apply, diff and set-interface do to one reader, each a function that opens the
// reader, does its work and closes the link again, in the calling thread. A watch loop calls
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
ReaderOutcome applyToReader(const ReaderList::Reader &reader, const SettingsFile &file, ApplyMode mode,
                            const JobContext &context = {});

// Writes the file's settings, saves them and (verify) reads them back: Written. partial: the
// reader is read first and only the keys the file sets change.
ReaderOutcome writeToReader(const ReaderList::Reader &reader, const SettingsFile &file, bool partial, bool verify,
                            const JobContext &context = {});

// The reader goes to its serial (serial) or USB keyboard interface: Changed; Unchanged when it
// is there already, and nothing is sent.
ReaderOutcome switchInterface(const ReaderList::Reader &reader, bool serial, const JobContext &context = {});

}  // namespace Ctl
