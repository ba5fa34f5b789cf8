// The node half of the access doctor: who this process is, and through what it may open a
// device node.
#include "core/access/access_doctor.h"

#include <QDir>
#include <QFile>
#include <QtEndian>

#ifdef Q_OS_LINUX
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>
#endif

#include <optional>
#include <vector>

namespace AccessDoctor {

namespace {

constexpr uint ReadWrite = 6;  // r and w in the bits of one class

#ifdef Q_OS_LINUX
// The ACL as the kernel stores it in the node's extended attribute: a 4-byte version (2), then
// 8-byte entries of tag, permissions and ID, little-endian.
struct AclEntry
{
    quint16 tag = 0;
    quint16 perm = 0;
    quint32 id = 0;
};
enum AclTag : quint16 { UserObj = 0x01, User = 0x02, GroupObj = 0x04, Group = 0x08, Mask = 0x10, Other = 0x20 };
constexpr quint32 AclVersion = 2;

std::optional<std::vector<AclEntry>> parseAcl(const QByteArray &blob)
{
    if (blob.size() < 4 || (blob.size() - 4) % 8 != 0)
        return std::nullopt;
    const auto *bytes = reinterpret_cast<const uchar *>(blob.constData());
    if (qFromLittleEndian<quint32>(bytes) != AclVersion)
        return std::nullopt;
    std::vector<AclEntry> entries;
    for (int at = 4; at + 8 <= blob.size(); at += 8) {
        AclEntry entry;
        entry.tag = qFromLittleEndian<quint16>(bytes + at);
        entry.perm = qFromLittleEndian<quint16>(bytes + at + 2);
        entry.id = qFromLittleEndian<quint32>(bytes + at + 4);
        entries.push_back(entry);
    }
    return entries;
}

std::optional<std::vector<AclEntry>> readAcl(const QString &file)
{
    const QByteArray path = QFile::encodeName(file);
    const char *const name = "system.posix_acl_access";
    const ssize_t needed = ::getxattr(path.constData(), name, nullptr, 0);
    if (needed <= 0 || needed >= 65536)
        return std::nullopt;
    QByteArray blob(int(needed), '\0');
    const ssize_t size = ::getxattr(path.constData(), name, blob.data(), size_t(blob.size()));
    if (size <= 0)
        return std::nullopt;  // gone, or grown, since it was measured
    blob.truncate(int(size));
    return parseAcl(blob);
}
#endif

}  // namespace

QList<Account> accounts(const Environment &environment, const QString &file)
{
    QList<Account> entries;
    QFile in(environment.path(file));
    if (!in.open(QIODevice::ReadOnly))
        return entries;
    while (!in.atEnd()) {
        const QList<QByteArray> fields = in.readLine(4096).trimmed().split(':');
        bool ok = false;
        const uint id = fields.size() >= 3 ? fields.at(2).toUInt(&ok) : 0;
        if (!ok || fields.at(0).isEmpty())
            continue;
        Account account{QString::fromUtf8(fields.at(0)), id, {}};
        if (fields.size() >= 4 && !fields.at(3).isEmpty())
            account.members = QString::fromUtf8(fields.at(3)).split(QLatin1Char(','));
        entries.append(account);
    }
    return entries;
}

QString accountName(const Environment &environment, const QString &file, uint id)
{
    for (const Account &account : accounts(environment, file)) {
        if (account.id == id)
            return account.name;
    }
    return QString::number(id);
}

QString Environment::path(const QString &absolute) const
{
    return QDir::cleanPath(rootDir + QLatin1Char('/') + absolute);
}

Environment Environment::current()
{
    Environment environment;
#ifdef Q_OS_LINUX
    environment.uid = ::geteuid();
    environment.groups.append(::getegid());
    const int count = ::getgroups(0, nullptr);
    if (count > 0) {
        std::vector<gid_t> ids(size_t(count), 0);
        const int got = ::getgroups(count, ids.data());
        for (int i = 0; i < got; ++i) {
            if (!environment.groups.contains(ids[size_t(i)]))
                environment.groups.append(ids[size_t(i)]);
        }
    }
    if (const passwd *user = ::getpwuid(environment.uid))
        environment.userName = QString::fromLocal8Bit(user->pw_name);
    environment.ownPid = ::getpid();
#endif
    if (environment.userName.isEmpty())
        environment.userName = qEnvironmentVariable("USER");
    environment.seat = qEnvironmentVariable("XDG_SEAT");
    environment.sessionId = qEnvironmentVariable("XDG_SESSION_ID");
    return environment;
}

NodeAccess nodeAccess(const Environment &environment, const QString &node)
{
    NodeAccess access;
#ifdef Q_OS_LINUX
    const QString file = environment.path(node);
    struct stat facts {};
    if (::stat(QFile::encodeName(file).constData(), &facts) != 0)
        return access;
    access.ownerId = facts.st_uid;
    access.groupId = facts.st_gid;
    access.mode = facts.st_mode & 07777;
    const auto acl = readAcl(file);
    access.hasAcl = acl.has_value();
    const auto groupName = [&](uint id) { return accountName(environment, QStringLiteral("/etc/group"), id); };

    if (environment.uid == 0) {
        access.grant = Grant::Root;
        return access;
    }
    // Without an ACL, the mode's three classes; with one, its entries, the named ones and the
    // owning group limited by the mask.
    uint ownerBits = (access.mode >> 6) & 7;
    uint groupBits = (access.mode >> 3) & 7;
    uint otherBits = access.mode & 7;
    uint mask = 7;
    std::vector<AclEntry> named;
    if (acl) {
        for (const AclEntry &entry : *acl) {
            switch (entry.tag) {
            case UserObj: ownerBits = entry.perm; break;
            case GroupObj: groupBits = entry.perm; break;
            case Other: otherBits = entry.perm; break;
            case Mask: mask = entry.perm; break;
            case User:
            case Group: named.push_back(entry); break;
            default: break;
            }
        }
    }
    const auto grants = [](uint bits) { return (bits & ReadWrite) == ReadWrite; };

    if (access.ownerId == environment.uid) {
        access.grant = grants(ownerBits) ? Grant::Owner : Grant::None;
        return access;
    }
    for (const AclEntry &entry : named) {
        if (entry.tag == User && entry.id == environment.uid) {
            access.aclForUser = true;
            access.grant = grants(entry.perm & mask) ? Grant::SeatAcl : Grant::None;
            return access;
        }
    }
    bool inAGroup = false;
    if (environment.groups.contains(access.groupId)) {
        inAGroup = true;
        if (grants(groupBits & mask)) {
            access.grant = Grant::Group;
            access.grantingGroup = groupName(access.groupId);
            return access;
        }
    }
    for (const AclEntry &entry : named) {
        if (entry.tag == Group && environment.groups.contains(entry.id)) {
            inAGroup = true;
            if (grants(entry.perm & mask)) {
                access.grant = Grant::Group;
                access.grantingGroup = groupName(entry.id);
                return access;
            }
        }
    }
    // A group that matched but does not grant ends the search: everyone's bits do not count.
    access.grant = !inAGroup && grants(otherBits) ? Grant::Other : Grant::None;
#else
    Q_UNUSED(environment);
    Q_UNUSED(node);
#endif
    return access;
}

}  // namespace AccessDoctor
