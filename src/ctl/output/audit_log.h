#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QString>
#include <QStringList>

#include <atomic>
#include <memory>

#include "core/text/message.h"

namespace Ctl {

// What every line of one run carries besides the reader.
struct AuditRun
{
    QString command;      // "apply", "write", "set-interface"
    bool check = false;   // apply --check: the results say what would change
    QString file;         // the configuration file as named on the command line; empty: none
    QString fileSha256;   // of the bytes the command took from it (sha256Hex)
};

// One reader handled.
struct AuditEntry
{
    QString device;        // hid:PATH or serial:PORT
    QString portPath;      // "" when unknown
    QString serialNumber;  // "" when none
    QString firmware;      // as read; empty when none was read
    QString result;        // as the JSON document says it: "changed", "unchanged", "written", "failed", ...
    QStringList fields;    // configuration keys changed (or, with check, that would change)
    Message error;         // why it failed (its English and its code); empty otherwise
    QJsonObject details {};  // what the command adds (firmware-update: the versions, the backup)
};

// The audit trail of --log FILE: JSON Lines, one line per reader handled, appended to FILE.
// Several runs, at once or one after another, may share one file: each line goes out whole in
// one write(2) on an O_APPEND descriptor, so no line cuts into another, and the file is never
// truncated. The line's schema is data/schema/keylon2ctl-audit.schema.json.
class AuditLog
{
public:
    // Opens FILE for appending, making it when missing. Null, with *error saying why, when it
    // cannot be opened or is not a regular file: the command then stops before it sends
    // anything (exit 2).
    static std::unique_ptr<AuditLog> open(const QString &path, const AuditRun &run, Message *error);
    ~AuditLog();  // syncs and closes what close() has not; its errors then go unreported

    AuditLog(const AuditLog &) = delete;
    AuditLog &operator=(const AuditLog &) = delete;

    // Appends the reader's line. Safe from several threads at once. False, with *error, when
    // the line did not go out whole (a full disk, a file size limit): a line of which only a
    // part reached the file is not written. The next line then starts on a line of its own.
    bool append(const AuditEntry &entry, Message *error = nullptr);
    // The line as append() writes it, without the line break, stamped with the time given.
    QByteArray line(const AuditEntry &entry, qint64 msecsSinceEpoch) const;
    // Syncs the file to the disk and keeps it open: a station that runs for hours syncs each
    // line, so that a power cut takes none of the readers already done.
    bool sync(Message *error = nullptr);
    // Syncs the file to the disk and closes it; before the command exits.
    bool close(Message *error = nullptr);

    static QString sha256Hex(const QByteArray &bytes);

private:
    AuditLog(int fd, const QString &path, const AuditRun &run);

    int fd_;
    QString path_;
    AuditRun run_;
    QString host_;
    QString user_;
    qint64 pid_;
    std::atomic<bool> cut_{false};  // a line went out in part: the file does not end with a line break
};

}  // namespace Ctl
