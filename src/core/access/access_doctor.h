#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include "core/link/transport_descriptor.h"
#include "core/text/message.h"

// What stands between this user and the readers: the udev rule, the owner, group and ACL of
// each reader's node, the session's seat, ModemManager, brltty, and other programs holding a
// port. Every file it looks at is found under the environment's directories, so that a test
// can lay out a machine in a directory of its own.
namespace AccessDoctor {

struct Environment
{
    QString rootDir = QStringLiteral("/");      // /etc, /usr, /run, /var, /sys and the nodes
    QString procDir = QStringLiteral("/proc");  // the processes
    uint uid = 0;                               // effective user ID
    QList<uint> groups;                         // the process's group IDs
    QString userName;
    QString seat;       // XDG_SEAT
    QString sessionId;  // XDG_SESSION_ID
    qint64 ownPid = 0;  // this process, which holds no port of its own

    // This process on this machine.
    static Environment current();
    // An absolute path of the machine, under rootDir.
    QString path(const QString &absolute) const;
};

enum class Status { Ok, Warning, Problem };

struct Check
{
    QString name;    // "udev-rule", "session", "modemmanager", "brltty", "access", "holder", "lock"
    Status status = Status::Ok;
    Message text;    // what was found
    Message advice;  // what to do about it; empty when nothing
};

// Through what this user may open a node: read and write, by the kernel's rules (the owner's
// bits, then an ACL entry for the user, then the groups, then everyone's bits).
enum class Grant {
    Unknown,  // the node could not be looked at
    None,
    Root,
    Owner,
    SeatAcl,  // an ACL entry for this user, as logind puts on the nodes of the seat's user
    Group,    // the node's group, or an ACL entry for a group, that the process is in
    Other,
};

struct NodeAccess
{
    Grant grant = Grant::Unknown;
    uint ownerId = 0;
    uint groupId = 0;
    uint mode = 0;            // permission bits
    bool hasAcl = false;
    bool aclForUser = false;  // an ACL entry names this user (even one without read and write)
    QString grantingGroup;    // Group: the group's name
};
NodeAccess nodeAccess(const Environment &environment, const QString &node);

// An entry of /etc/passwd or /etc/group under rootDir: "name:x:id:members".
struct Account
{
    QString name;
    uint id = 0;
    QStringList members;  // groups: the users listed in it
};
QList<Account> accounts(const Environment &environment, const QString &file);
// The name of an ID in that file, or the number when it has none.
QString accountName(const Environment &environment, const QString &file, uint id);

// A reader as the doctor is given it.
struct Reader
{
    enum class Open {
        NotTried,  // judged from the node alone (a serial port is not opened: that would
                   // change the line's control signals)
        Opened,
        Refused,   // permission denied
        Failed,
    };
    QString device;  // "hid:PATH" or "serial:PORT"
    const TransportDescriptor *transport = &Transports::usbHid();
    QString node;
    QString serialNumber;
    QString portPath;  // the USB socket, as sysfs names it; empty when unknown
    Open open = Open::NotTried;
    QString openError;
    // Another process holds the reader's lock (talks to it now): its PID (0 when not known) and
    // command, and the lock file.
    bool held = false;
    qint64 holderPid = 0;
    QString holderCommand;
    QString lockFile;
};

struct ReaderReport
{
    Reader reader;
    NodeAccess access;
    bool canOpen = false;
    Message error;  // why not, when it cannot be opened; coded as keylon2ctl's failures are (denied, busy, ...)
    QList<Check> checks;
};

struct Report
{
    QList<Check> checks;  // the machine's and the session's
    QList<ReaderReport> readers;
};
Report examine(const Environment &environment, const QList<Reader> &readers);

QString statusName(Status status);  // "ok", "warning", "problem"
QString grantName(Grant grant);     // "unknown", "none", "root", "owner", "seat-acl", "group", "other"

}  // namespace AccessDoctor
