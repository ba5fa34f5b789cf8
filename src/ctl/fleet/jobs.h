#pragma once

#include <QList>

#include <atomic>
#include <functional>
#include <mutex>

#include "core/reader/firmware_check.h"
#include "core/reader/held_reader.h"
#include "core/session/reader_session.h"
#include "core/settings/settings_record.h"
#include "ctl/output/reader_outcome.h"

namespace Ctl {

// Why an exchange with the reader failed ("no answer to the preamble read"), with its code.
Message sessionFailure(const SessionResult &result);

// The settings of `wrote` that read back otherwise ("Pre is 42, wrote 41").
QList<Message> differences(const SettingsRecord &wrote, const FirmwareCheck::Written &written);

// What a reader's job is given besides the reader.
struct JobContext
{
    // Looked at before the first write frame and after the save: an interrupt lets a reader
    // that is being written finish its settings and save.
    const std::atomic<bool> *stop = nullptr;
    // Called once, right before the reader's first write frame, with the outcome as it stands
    // (its fields: the keys about to be written), from the job's thread: the audit log's
    // opening line, so that a reader is in the log before any frame can change it. It may set
    // outcome.logError.
    std::function<void(ReaderOutcome &)> beforeWrite;
    // Held while a job writes to standard error, which the interrupt's notice shares
    // (forEachReader sets it).
    std::mutex *reporting = nullptr;

    bool stopped() const { return stop && stop->load(); }
    void writing(ReaderOutcome &outcome) const
    {
        if (beforeWrite)
            beforeWrite(outcome);
    }
};

// A job on a reader whose lock is held; it opens the link when it needs one (connect).
using LockedReaderJob = std::function<ReaderOutcome(HeldReader &, const JobContext &)>;

}  // namespace Ctl
