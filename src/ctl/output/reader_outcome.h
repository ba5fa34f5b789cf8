#pragma once

#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>

#include "core/link/reader_list.h"
#include "core/text/message.h"
#include "ctl/table/exit_codes.h"
#include "ctl/table/settings_file.h"

namespace Ctl {

// What a command did to one reader. One per reader handled: what a result line, a JSON entry,
// a watch loop or an audit record is made of.
struct ReaderOutcome
{
    enum class Result {
        Unchanged,    // held the settings already (set-interface: was on that interface)
        Changed,      // apply: written, saved (and read back); diff, --check: would change
        Written,      // write: written and saved
        Failed,
        Interrupted,  // started, but stopped by an interrupt before any write frame
        NotStarted,   // an interrupt came first
    };

    ReaderList::Reader reader;
    Result result = Result::NotStarted;
    int exitCode = Success;     // with Failed: what kind of failure (ExitCode)
    bool changed = false;       // write frames went out and the save with them
    bool verified = false;      // and the settings read back as written
    QString firmware;           // the version read, when one was
    QStringList fields;         // the keys that differ, were changed or were written
    QList<Difference> differences;
    Message error;              // why it failed or stopped
    bool errorNamesReader = false;  // error names the reader's node: its line on standard error adds nothing
    QString note;               // what the text line says for a success, when not the result
    Message logError;           // the audit log's opening line for it could not be written
    Message warning;            // said on standard error, whatever came of it (no lock, --no-lock)
    QJsonObject details;        // what the command adds to the reader's JSON entry and log line

    ReaderOutcome() = default;
    explicit ReaderOutcome(const ReaderList::Reader &reader) : reader(reader) {}
    bool ok() const;
    // Failed, with what kind of failure (ExitCode) and why.
    ReaderOutcome &fail(int exitCode, const Message &why, bool namesReader = false);
};

QString resultName(ReaderOutcome::Result result);  // "unchanged", ..., "not-started"

// "hid:/dev/hidraw3", "hid", the serial number and USB port: every entry's identity.
QJsonObject identityJson(const ReaderList::Reader &reader);
// The entry of a reader in a command's document, with what the command tells of each reader.
struct EntryFields
{
    bool changed = false;      // write, apply, set-interface
    bool verified = false;     // write, apply
    bool differences = false;  // apply, diff
};
QJsonObject outcomeJson(const ReaderOutcome &outcome, EntryFields fields);

// "hid:/dev/hidraw3  KLN2-000001  1-2.3  " (a dash for what is unknown), then the status.
QString resultLine(const ReaderList::Reader &reader, const QString &status);
// "DEVICE: why", or why alone when it names the reader itself.
Message readerLine(const ReaderList::Reader &reader, const Message &why, bool namesReader = false);
// A reader an interrupt came before: NotStarted, saying so.
ReaderOutcome notStarted(const ReaderList::Reader &reader);

struct Summary
{
    int readers = 0;
    int unchanged = 0;
    int changed = 0;
    int written = 0;
    int failed = 0;
    int interrupted = 0;
    int notStarted = 0;
    QStringList failedDevices;

    Summary() = default;
    explicit Summary(const QList<ReaderOutcome> &outcomes);
    void add(const ReaderOutcome &outcome);
    QJsonObject json() const;
};

// The exit code of a run over readers: a reader this user may not open says more than a busy
// one, and that more than a reader that failed otherwise; an interrupt (stoppedCode, the run's
// stoppedExitCode(); 0 when none) says most.
int exitCodeOf(const QList<ReaderOutcome> &outcomes, int stoppedCode);

}  // namespace Ctl
