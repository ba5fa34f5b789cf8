#pragma once

#include <QList>
#include <QString>

#include <functional>

#include "config/config_mapping.h"
#include "link/reader_list.h"
#include "protocol/settings_record.h"
#include "session/reader_session.h"

namespace Ctl {

// What one reader's job came to.
struct JobResult
{
    int exitCode = 0;  // 0 done
    QString message;   // why not, in one line
};

// Reads the reader's settings as the page a configuration file holds.
struct ReadJob
{
    JobResult result;
    ConfigPage page;
};
ReadJob readReader(const ReaderList::Reader &reader);

// Writes the record, saves it and, with verify, reads it back: a field that differs fails the
// job and is named. The record goes to the interface the reader is on.
JobResult writeReader(const ReaderList::Reader &reader, const SettingsRecord &record, bool verify);

// The fields of `wrote` that `read` does not hold, by their configuration keys. The country
// only where the read carries one.
QStringList differences(const SettingsRecord &wrote, const ReaderSession::SettingsRead &read);

// Runs the job for each reader, up to `jobs` at once (0: all at once), each in a thread of its
// own that opens, uses and closes its link. Results in the readers' order.
QList<JobResult> forEachReader(const QList<ReaderList::Reader> &readers, int jobs,
                               const std::function<JobResult(const ReaderList::Reader &)> &job);

}  // namespace Ctl
