#include "ctl/output/audit_log.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSysInfo>

#include <cerrno>
#include <cstdio>
#include <ctime>

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include "core/platform/platform.h"
#include "ctl/output/document.h"
#include "ctl/table/exit_codes.h"

namespace Ctl {

namespace {

// 2: a reader that gets write frames has a line that opens it ("started") before its result
// line, where schema 1 had one line per reader: a consumer that counted lines as readers would
// count wrong.
constexpr int Schema = 2;

// The user who runs the command (not whom it may run as), by name where the system knows it.
QString userName()
{
    const uid_t uid = getuid();
    if (const passwd *entry = getpwuid(uid))
        return QString::fromLocal8Bit(entry->pw_name);
    return QString::number(uid);
}

// 2026-03-04T09:12:45.120Z, made without Qt's date classes: every reader's thread writes its
// own lines, and Qt 5 builds its calendar table on first use without a lock, so two threads
// that format their first date at once can get an empty text (seen: a line whose time was "").
QString utcStamp(qint64 msecs)
{
    const qint64 rest = ((msecs % 1000) + 1000) % 1000;
    const std::time_t seconds = std::time_t((msecs - rest) / 1000);
    std::tm parts {};
    if (!gmtime_r(&seconds, &parts))
        return QString();
    char text[64];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d.%03dZ", parts.tm_year + 1900,
                  parts.tm_mon + 1, parts.tm_mday, parts.tm_hour, parts.tm_min, parts.tm_sec, int(rest));
    return QString::fromLatin1(text);
}

QJsonValue textOrNull(const QString &text)
{
    return text.isEmpty() ? QJsonValue(QJsonValue::Null) : QJsonValue(text);
}

Message logFailure(const char *source, const QString &path)
{
    return Message(CtlRoom, source).arg(path).coded(Code::LogFailed);
}

Message closedLog(const QString &path)
{
    return logFailure(QT_TRANSLATE_NOOP("Keylon2ctl", "the log %1 is closed"), path);
}

Message unsaved(const QString &path, int error)
{
    return logFailure(QT_TRANSLATE_NOOP("Keylon2ctl", "cannot save the log %1: %2"), path)
        .arg(Platform::systemErrorText(error));
}

}  // namespace

std::unique_ptr<AuditLog> AuditLog::open(const QString &path, const AuditRun &run, Message *error)
{
    if (path.isEmpty()) {
        *error = fileNameWanted(QStringLiteral("log"));
        return nullptr;
    }
    // Non-blocking, so that a FIFO nobody reads refuses instead of hanging the command.
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC | O_NONBLOCK, 0666);
    if (fd < 0) {
        *error = logFailure(QT_TRANSLATE_NOOP("Keylon2ctl", "cannot open the log %1: %2"), path)
                     .arg(Platform::systemErrorText(errno));
        return nullptr;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        *error = logFailure(QT_TRANSLATE_NOOP("Keylon2ctl", "cannot use %1 as the log: not a regular file"), path);
        return nullptr;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return std::unique_ptr<AuditLog>(new AuditLog(fd, path, run));
}

AuditLog::AuditLog(int fd, const QString &path, const AuditRun &run)
    : fd_(fd), path_(path), run_(run), host_(QSysInfo::machineHostName()), user_(userName()),
      pid_(qint64(::getpid()))
{
}

AuditLog::~AuditLog()
{
    close();
}

QByteArray AuditLog::line(const AuditEntry &entry, qint64 msecsSinceEpoch) const
{
    QJsonObject object;
    object.insert(QStringLiteral("schema"), Schema);
    object.insert(QStringLiteral("time"), utcStamp(msecsSinceEpoch));
    object.insert(QStringLiteral("host"), host_);
    object.insert(QStringLiteral("user"), user_);
    object.insert(QStringLiteral("pid"), pid_);
    object.insert(QStringLiteral("command"), run_.command);
    object.insert(QStringLiteral("check"), run_.check);
    object.insert(QStringLiteral("device"), entry.device);
    object.insert(QStringLiteral("portPath"), entry.portPath);
    object.insert(QStringLiteral("serialNumber"), entry.serialNumber);
    object.insert(QStringLiteral("firmware"), textOrNull(entry.firmware));
    object.insert(QStringLiteral("file"), textOrNull(run_.file));
    object.insert(QStringLiteral("fileSha256"), textOrNull(run_.fileSha256));
    object.insert(QStringLiteral("result"), entry.result);
    object.insert(QStringLiteral("fields"), QJsonArray::fromStringList(entry.fields));
    for (auto detail = entry.details.begin(); detail != entry.details.end(); ++detail)
        object.insert(detail.key(), detail.value());
    insertError(object, entry.error);
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

bool AuditLog::append(const AuditEntry &entry, Message *error)
{
    if (fd_ < 0) {
        if (error)
            *error = closedLog(path_);
        return false;
    }
    // After a line that went out in part, this one ends that piece first, so that it stands
    // whole on a line of its own.
    const bool afterCut = cut_.exchange(false);
    const QByteArray text = (afterCut ? QByteArray("\n") : QByteArray()) + line(entry, QDateTime::currentMSecsSinceEpoch()) + '\n';
    // One write: the kernel appends it at the end in one piece, whoever else appends. A line
    // written in parts could have another run's line land between them.
    ssize_t written;
    do {
        written = ::write(fd_, text.constData(), size_t(text.size()));
    } while (written < 0 && errno == EINTR);
    if (written == ssize_t(text.size()))
        return true;
    // Only what came whole counts: a part of a line is no record of the reader.
    const ssize_t ofThisLine = written - (afterCut ? 1 : 0);
    if (ofThisLine > 0 || (afterCut && written <= 0))
        cut_.store(true);
    if (error) {
        *error = written < 0
            ? logFailure(QT_TRANSLATE_NOOP("Keylon2ctl", "cannot write to the log %1: %2"), path_)
                  .arg(Platform::systemErrorText(errno))
            : logFailure(QT_TRANSLATE_NOOP("Keylon2ctl", "cannot write to the log %1: only %2 of %3 bytes of a line "
                                                         "went out"),
                         path_)
                  .arg(qint64(written), text.size());
    }
    return false;
}

bool AuditLog::sync(Message *error)
{
    if (fd_ >= 0 && ::fsync(fd_) == 0)
        return true;
    if (error)
        *error = fd_ < 0 ? closedLog(path_) : unsaved(path_, errno);
    return false;
}

bool AuditLog::close(Message *error)
{
    if (fd_ < 0)
        return true;
    const bool synced = ::fsync(fd_) == 0;
    const int syncError = errno;
    const bool closed = ::close(fd_) == 0;
    const int closeError = errno;
    fd_ = -1;
    if (synced && closed)
        return true;
    if (error)
        *error = unsaved(path_, synced ? closeError : syncError);
    return false;
}

QString AuditLog::sha256Hex(const QByteArray &bytes)
{
    return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex());
}

}  // namespace Ctl
