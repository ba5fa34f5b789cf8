#pragma once

#include <QJsonObject>
#include <QString>

#include <functional>

#include "ctl/fleet/jobs.h"
#include "ctl/output/io.h"
#include "ctl/output/reader_outcome.h"
#include "ctl/table/invocation.h"

// How write, apply, diff and set-interface go through their readers: once over the readers
// attached (runFleet), or, for apply --watch, over every reader plugged in until an interrupt
// (watchFleet).
namespace Ctl {

class AuditLog;
class Metrics;

// What a command over many readers does to each, and how it reports them.
struct Fleet
{
    LockedReaderJob job;
    std::function<QString(const ReaderOutcome &)> status;  // a done reader's line, after its identity; null: its note
    QString changedWord;       // how the summary counts Changed: "changed", "would change", ...
    bool writes = false;       // write: the summary counts done and failed
    EntryFields entries;       // what each reader's JSON entry tells
    QString progress;          // "writing", ...: the line for each reader when on a terminal
    AuditLog *log = nullptr;   // --log: a line per reader handled
    Metrics *metrics = nullptr;  // --metrics: the counts and readers for Prometheus
    bool check = false;        // diff, apply --check: a reader that would change is drift (exit 5)
    bool tellsCheck = false;   // the document says "check" (apply and diff)
    // firmware-update: one reader at a time (readers in their loader cannot be told apart), and
    // --metrics counts the updates.
    bool updatesFirmware = false;
};

// The fleet's job on one reader with the reader's lock held around it (--wait). A reader that
// another process holds is Failed with exit code Busy and nothing is sent to it; one whose wait
// an interrupt ended is NotStarted. One for which no lock can be had is Failed, unless
// --no-lock lets it go on with a warning.
ReaderOutcome lockedJob(const Fleet &fleet, const ReaderList::Reader &reader, const JobContext &context,
                        const Invocation &invocation);

// What a reader's result line says after its identity.
// "unchanged" for a reader that held the settings (without a note of its own), else the fleet's.
QString statusText(const ReaderOutcome &outcome, const Fleet &fleet);
// The progress word of a command that only reads.
QString readingWord();
QString summaryLine(const Summary &summary, const Fleet &fleet, bool interrupted);

// The fleet's document at its end: its outcome, an entry per reader and the summary; the log's
// failure, when it lost a line, as its error.
QJsonObject fleetDocument(const QString &command, const QList<ReaderOutcome> &outcomes, const Fleet &fleet,
                          const Summary &summary, int exitCode, const Message &logFailure);

// What the fleet's job is given: the stop flag, and the audit log's opening line of a reader
// right before its first write frame (when the fleet has a log).
JobContext jobContext(const Fleet &fleet, const std::atomic<bool> *stop);

// A reader done: its warning, and why when it failed, on standard error; `line` on standard
// output; then its line in the fleet's log, when there is one: the line that completes the
// opening line of a reader that was written; with sync, the log is then saved to disk. On
// failure (of this line, of the opening line before it, or of the save) says why on standard
// error and keeps the first such text in *logFailure.
void reportDone(const Fleet &fleet, const ReaderOutcome &outcome, const QString &line, Io &io, Message *logFailure,
                bool sync = false);
// Syncs and closes the log before the command ends, and returns the exit code to end with: a
// log that lost a line (*failure) or could not be synced (then kept in *failure) turns success
// into ReaderFailed.
int closeLog(const Fleet &fleet, Message *failure, int exitCode, Io &io);

// Each reader's line the moment it is done, then a summary; with --json, one document at the end.
int runFleet(const Invocation &invocation, Io &io, const Fleet &fleet);

// apply --watch: the readers attached, then each reader plugged in, once per plug, until the
// first interrupt; the readers under way then finish, and the summary ends it. Exit 0 when no
// reader failed, else 1: an interrupt is how a station is meant to end. With --json, one line
// per reader as it is done ({"schema": 1, "command": "apply", "reader": {...}}) and a last
// line that is apply's whole document.
int watchFleet(const Invocation &invocation, Io &io, const Fleet &fleet);

}  // namespace Ctl
