#include "core/link/reader_lock.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QThread>

#include <cerrno>
#include <cstdlib>
#include <utility>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>
#endif

#include "core/platform/platform.h"

namespace {

constexpr int RetryMs = 50;

#ifdef Q_OS_UNIX
struct FileId
{
    quint64 major = 0;
    quint64 minor = 0;
    quint64 inode = 0;
};

std::optional<ReaderLock::Holder> holderOfFile(const FileId &file)
{
    // "1: FLOCK  ADVISORY  WRITE 4242 08:01:1234 0 EOF"; a waiter's line has "->" after the
    // number. The device numbers are hexadecimal, the inode decimal.
    QFile locks(QStringLiteral("/proc/locks"));
    if (!locks.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QList<QByteArray> lines = locks.readAll().split('\n');
    for (const QByteArray &line : lines) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.size() < 6 || fields.at(1) != "FLOCK")
            continue;
        const QList<QByteArray> id = fields.at(5).split(':');
        bool okMajor = false, okMinor = false, okInode = false;
        if (id.size() != 3 || id.at(0).toULongLong(&okMajor, 16) != file.major
            || id.at(1).toULongLong(&okMinor, 16) != file.minor || id.at(2).toULongLong(&okInode, 10) != file.inode
            || !okMajor || !okMinor || !okInode)
            continue;
        ReaderLock::Holder holder;
        holder.pid = qMax<qint64>(0, fields.at(4).toLongLong());
        if (holder.pid > 0) {
            QFile comm(QStringLiteral("/proc/%1/comm").arg(holder.pid));
            if (comm.open(QIODevice::ReadOnly))
                holder.command = QString::fromUtf8(comm.readLine(256).trimmed());
        }
        return holder;
    }
    return std::nullopt;
}

FileId idOf(const struct stat &facts)
{
    return {quint64(major(facts.st_dev)), quint64(minor(facts.st_dev)), quint64(facts.st_ino)};
}

// Opens the lock file, making it when it is not there. It is made under a name of its own
// with its final mode and then linked into place, so that nobody ever finds it with the mode
// a strict umask gives (another user could not open it), and two makers never both win. An
// existing file is opened without O_CREAT: in a sticky directory such as /run/lock the kernel
// refuses O_CREAT on another user's file (protected_regular). Only a regular file is taken: a
// link, a FIFO or a device put there in its place is refused.
int openLockFile(const QByteArray &path, QString *error)
{
    for (int attempt = 0; attempt < 8; ++attempt) {
        const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY);
        if (fd >= 0) {
            struct stat facts {};
            if (::fstat(fd, &facts) == 0 && S_ISREG(facts.st_mode))
                return fd;
            ::close(fd);
            *error = QStringLiteral("%1 is not a regular file").arg(QFile::decodeName(path));
            return -1;
        }
        if (errno != ENOENT) {
            *error = QStringLiteral("cannot open %1: %2").arg(QFile::decodeName(path), Platform::systemErrorText(errno));
            return -1;
        }
        QByteArray temporary = path + ".XXXXXX";
        const int made = ::mkostemp(temporary.data(), O_CLOEXEC);
        if (made < 0) {
            *error = QStringLiteral("cannot make a lock file in %1: %2")
                         .arg(QFileInfo(QFile::decodeName(path)).path(), Platform::systemErrorText(errno));
            return -1;
        }
        ::fchmod(made, 0644);
        const int linked = ::link(temporary.constData(), path.constData());
        const int linkError = errno;
        ::unlink(temporary.constData());
        if (linked == 0)
            return made;
        ::close(made);
        if (linkError != EEXIST) {
            *error = QStringLiteral("cannot make %1: %2").arg(QFile::decodeName(path), Platform::systemErrorText(linkError));
            return -1;
        }
        // Another process made it a moment ago: open that one.
    }
    *error = QStringLiteral("cannot open %1: it comes and goes").arg(QFile::decodeName(path));
    return -1;
}

// Opens the reader's node for its lock alone: no read, no write, no controlling terminal, and
// no wait for a modem line. Only a character device is kept. A serial port that another
// process has opened for itself (TIOCEXCL, as a serial port library does) refuses the open
// with EBUSY: *exclusive is then set, and the reader is busy.
int openNode(const QByteArray &path, QString *error, bool *exclusive, bool *denied)
{
    *exclusive = false;
    *denied = false;
    const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) {
        *exclusive = errno == EBUSY;
        *denied = errno == EACCES || errno == EPERM;
        *error = QStringLiteral("cannot open %1: %2").arg(QFile::decodeName(path), Platform::systemErrorText(errno));
        return -1;
    }
    struct stat facts {};
    if (::fstat(fd, &facts) == 0 && S_ISCHR(facts.st_mode))
        return fd;
    ::close(fd);
    *error = QStringLiteral("%1 is not a device").arg(QFile::decodeName(path));
    return -1;
}

std::optional<ReaderLock::Holder> holderOfPath(const QByteArray &path)
{
    struct stat facts {};
    if (::stat(path.constData(), &facts) != 0)
        return std::nullopt;
    return holderOfFile(idOf(facts));
}

// Tries the flock of fd once: 1 taken, 0 held by another open, -1 no descriptor or failed (error
// set, and fd closed: a descriptor that cannot be locked is let go).
int tryLock(int &fd, const QString &what, QString *error)
{
    if (fd < 0)
        return -1;
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0)
        return 1;
    if (errno == EWOULDBLOCK || errno == EINTR)
        return 0;
    *error = QStringLiteral("cannot lock %1: %2").arg(what, Platform::systemErrorText(errno));
    ::close(fd);
    fd = -1;
    return -1;
}
#endif

}  // namespace

ReaderLock::ReaderLock(ReaderLock &&other) noexcept
{
    *this = std::move(other);
}

ReaderLock &ReaderLock::operator=(ReaderLock &&other) noexcept
{
    if (this != &other) {
        release();
        fd_ = std::exchange(other.fd_, -1);
        nodeFd_ = std::exchange(other.nodeFd_, -1);
        nodeDenied_ = other.nodeDenied_;
        fileError_ = std::move(other.fileError_);
        state_ = std::exchange(other.state_, State::Free);
        holder_ = std::move(other.holder_);
        error_ = std::move(other.error_);
        path_ = std::move(other.path_);
    }
    return *this;
}

ReaderLock::~ReaderLock()
{
    release();
}

void ReaderLock::release()
{
#ifdef Q_OS_UNIX
    // The locks go with the descriptors.
    if (fd_ >= 0)
        ::close(fd_);
    if (nodeFd_ >= 0)
        ::close(nodeFd_);
#endif
    fd_ = -1;
    nodeFd_ = -1;
    if (state_ == State::Held)
        state_ = State::Free;
}

QString ReaderLock::directory()
{
    const QString configured = qEnvironmentVariable("KEYLON2_LOCK_DIR");
    return configured.isEmpty() ? QStringLiteral("/run/lock") : configured;
}

QString ReaderLock::directoryProblem()
{
    const QString dir = directory();
    if (!QFileInfo(dir).isDir())
        return QStringLiteral("the lock directory %1 is not there").arg(dir);
#ifdef Q_OS_UNIX
    if (::access(QFile::encodeName(dir).constData(), W_OK | X_OK) != 0)
        return QStringLiteral("this user may not make files in the lock directory %1").arg(dir);
#endif
    return QString();
}

QString ReaderLock::nodeOf(const QString &name)
{
    QString path = name.contains(QLatin1Char('/')) ? name : QStringLiteral("/dev/") + name;
    const QString canonical = QFileInfo(path).canonicalFilePath();
    if (!canonical.isEmpty())
        path = canonical;
    return path;
}

QString ReaderLock::fileName(const QString &node)
{
    QString name = nodeOf(node);
    if (name.startsWith(QLatin1String("/dev/")))
        name = name.mid(5);
    while (name.startsWith(QLatin1Char('/')))
        name = name.mid(1);
    return QStringLiteral("keylon2-") + name.replace(QLatin1Char('/'), QLatin1Char('-')) + QStringLiteral(".lock");
}

QString ReaderLock::lockFile(const QString &node)
{
    return QDir(directory()).filePath(fileName(node));
}

ReaderLock ReaderLock::take(const QString &node, int waitMs, const std::function<bool()> &stopped)
{
    ReaderLock lock;
    lock.path_ = lockFile(node);
#ifdef Q_OS_UNIX
    const QByteArray nodePath = QFile::encodeName(nodeOf(node));
    if (!QFileInfo(directory()).isDir())
        lock.fileError_ = QStringLiteral("the lock directory %1 is not there").arg(directory());
    else
        lock.fd_ = openLockFile(QFile::encodeName(lock.path_), &lock.fileError_);
    QString nodeError;
    bool exclusive = false;
    lock.nodeFd_ = openNode(nodePath, &nodeError, &exclusive, &lock.nodeDenied_);

    QElapsedTimer waited;
    waited.start();
    int unseen = 0;
    for (;;) {
        // Both locks or neither: a taker that waits holds nothing meanwhile.
        const int file = tryLock(lock.fd_, lock.path_, &lock.fileError_);
        int onNode = tryLock(lock.nodeFd_, QFile::decodeName(nodePath), &nodeError);
        if (exclusive)
            onNode = 0;
        if (file != 0 && onNode != 0) {
            if (file > 0 || onNode > 0) {
                lock.state_ = State::Held;
                lock.holder_ = Holder();
                return lock;
            }
            lock.error_ = lock.fileError_ + QStringLiteral("; ") + nodeError;
            lock.release();
            lock.state_ = State::Unavailable;
            return lock;
        }
        if (file > 0)
            ::flock(lock.fd_, LOCK_UN);
        if (onNode > 0)
            ::flock(lock.nodeFd_, LOCK_UN);

        // Released between the try and the look: try again at once. A holder in another PID
        // namespace is never listed, so only a few times.
        std::optional<Holder> holder;
        struct stat facts {};
        if (file == 0 && ::fstat(lock.fd_, &facts) == 0)
            holder = holderOfFile(idOf(facts));
        if (!holder && onNode == 0)
            holder = holderOfPath(nodePath);
        if (!holder && ++unseen <= 3)
            continue;
        lock.holder_ = holder.value_or(Holder());
        if (waited.elapsed() >= waitMs || (stopped && stopped()))
            break;
        QThread::msleep(RetryMs);
        if (exclusive) {
            if (lock.nodeFd_ >= 0)
                ::close(lock.nodeFd_);
            lock.nodeFd_ = openNode(nodePath, &nodeError, &exclusive, &lock.nodeDenied_);
        }
    }
    lock.release();
    lock.state_ = State::Busy;
#else
    Q_UNUSED(waitMs);
    Q_UNUSED(stopped);
    lock.state_ = State::Unavailable;
    lock.error_ = QStringLiteral("reader locks are not made on this system");
#endif
    return lock;
}

std::optional<ReaderLock::Holder> ReaderLock::holderOf(const QString &node)
{
#ifdef Q_OS_UNIX
    if (const std::optional<Holder> holder = holderOfPath(QFile::encodeName(lockFile(node))))
        return holder;
    return holderOfPath(QFile::encodeName(nodeOf(node)));
#else
    Q_UNUSED(node);
    return std::nullopt;
#endif
}

Message ReaderLock::holderText(const Holder &holder)
{
    if (holder.pid <= 0)
        return Message(CtlRoom, QT_TRANSLATE_NOOP("Keylon2ctl", "another process"));
    //: %1 the program that holds the reader ("keylon2ctl")
    return Message(CtlRoom, QT_TRANSLATE_NOOP("Keylon2ctl", "%1 (process %2)"))
        .arg(holder.command.isEmpty() ? Message(CtlRoom, QT_TRANSLATE_NOOP("Keylon2ctl", "a program"))
                                      : Message::plain(holder.command))
        .arg(holder.pid);
}
