#include "core/access/access_doctor.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>
#include <cstring>

#ifdef Q_OS_LINUX
#include <sys/stat.h>
#include <sys/sysmacros.h>
#endif

#include "core/link/access_check.h"
#include "core/link/reader_lock.h"

namespace AccessDoctor {

namespace {

const QString Plugdev = QStringLiteral("plugdev");

struct Process
{
    qint64 pid = 0;
    QString name;          // its comm
    QStringList openFiles;  // where its descriptors point
};

// Every process this user may look into, with the files it holds open (the descriptors of
// another user's processes are out of sight without root: those are missed, not an error).
QList<Process> processes(const Environment &environment)
{
    QList<Process> found;
    const QDir proc(environment.procDir);
    const QStringList entries = proc.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString &entry : entries) {
        bool ok = false;
        const qint64 pid = entry.toLongLong(&ok);
        if (!ok || pid == environment.ownPid)
            continue;
        Process process;
        process.pid = pid;
        QFile comm(proc.filePath(entry + QStringLiteral("/comm")));
        if (comm.open(QIODevice::ReadOnly))
            process.name = QString::fromUtf8(comm.readLine(256).trimmed());
        const QDir fds(proc.filePath(entry + QStringLiteral("/fd")));
        const QStringList descriptors = fds.entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot);
        for (const QString &descriptor : descriptors) {
            const QString target = QFile::symLinkTarget(fds.filePath(descriptor));
            if (!target.isEmpty())
                process.openFiles.append(target);
        }
        found.append(process);
    }
    return found;
}

QString processText(const Process &process)
{
    return process.name.isEmpty() ? QStringLiteral("pid %1").arg(process.pid)
                                  : QStringLiteral("pid %1 (%2)").arg(process.pid).arg(process.name);
}

// The udev rule file that udev reads: of the files by that name, the one in the directory
// that comes first. A link to /dev/null there switches the rule off.
struct RuleFile
{
    QString path;
    bool masked = false;
};

RuleFile installedRule(const Environment &environment)
{
    // Where udev looks for rules, the administrator's first.
    for (const QString &directory : {QStringLiteral("/etc/udev/rules.d"), QStringLiteral("/run/udev/rules.d"),
                                     QStringLiteral("/usr/local/lib/udev/rules.d"),
                                     QStringLiteral("/usr/lib/udev/rules.d"), QStringLiteral("/lib/udev/rules.d")}) {
        const QString file = directory + QLatin1Char('/') + AccessCheck::RulesFileName;
        const QFileInfo info(environment.path(file));
        if (info.isSymLink() || info.exists())
            return {file, info.isSymLink() && info.symLinkTarget() == QLatin1String("/dev/null")};
    }
    return {};
}

QString readText(const QString &file, qint64 limit = 65536)
{
    QFile in(file);
    return in.open(QIODevice::ReadOnly) ? QString::fromUtf8(in.read(limit)) : QString();
}

// The seat of this session: XDG_SEAT, else logind's record of the session. An ID that is not
// a plain name is not looked up, so that the environment cannot point anywhere else.
QString seatOf(const Environment &environment)
{
    if (!environment.seat.isEmpty())
        return environment.seat;
    static const QRegularExpression plainName(QStringLiteral("^[A-Za-z0-9_-]+$"));
    if (!plainName.match(environment.sessionId).hasMatch())
        return QString();
    const QString record =
        readText(environment.path(QStringLiteral("/run/systemd/sessions/") + environment.sessionId));
    for (const QString &line : record.split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1String("SEAT=")))
            return line.mid(5).trimmed();
    }
    return QString();
}

struct GroupMembership
{
    bool now = false;     // among this process's groups
    bool listed = false;  // /etc/group lists the user: counts from the next login
};

GroupMembership plugdevMembership(const Environment &environment)
{
    GroupMembership membership;
    for (const Account &group : accounts(environment, QStringLiteral("/etc/group"))) {
        if (group.name != Plugdev)
            continue;
        membership.now = environment.groups.contains(group.id);
        membership.listed = group.members.contains(environment.userName);
    }
    return membership;
}

Message joinPlugdevAdvice(const Environment &environment, const GroupMembership &membership)
{
    if (membership.listed)
        return Message(CtlRoom, QT_TRANSLATE_NOOP("Keylon2ctl", "log in again: this user joined group plugdev after "
                                                                "this session began"));
    return Message(CtlRoom, QT_TRANSLATE_NOOP("Keylon2ctl", "join group plugdev: sudo usermod -aG plugdev %1, then log "
                                                            "in again"))
        .arg(environment.userName.isEmpty() ? QStringLiteral("USER") : environment.userName);
}

// "c166:0": the name udev keeps a character device's properties under.
QString udevDeviceName(const Environment &environment, const ReaderReport &report)
{
    const QString name = QFileInfo(report.reader.node).fileName();
    const QString &subsystem = report.reader.transport->nodeClass;
    const QString numbers =
        readText(environment.path(QStringLiteral("/sys/class/%1/%2/dev").arg(subsystem, name)), 64).trimmed();
    static const QRegularExpression majorMinor(QStringLiteral("^\\d+:\\d+$"));
    if (majorMinor.match(numbers).hasMatch())
        return QLatin1Char('c') + numbers;
#ifdef Q_OS_LINUX
    struct stat facts {};
    if (::stat(QFile::encodeName(environment.path(report.reader.node)).constData(), &facts) == 0
        && S_ISCHR(facts.st_mode))
        return QStringLiteral("c%1:%2").arg(major(facts.st_rdev)).arg(minor(facts.st_rdev));
#endif
    return QString();
}

bool modemManagerIgnores(const Environment &environment, const ReaderReport &report)
{
    const QString device = udevDeviceName(environment, report);
    if (device.isEmpty())
        return false;
    const QString properties = readText(environment.path(QStringLiteral("/run/udev/data/") + device));
    return properties.split(QLatin1Char('\n')).contains(QStringLiteral("E:ID_MM_DEVICE_IGNORE=1"));
}

// The pid in a UUCP lock file: ten ASCII digits (HDB), or the older four binary bytes.
qint64 lockOwner(const QString &file)
{
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray content = in.read(128);
    bool ok = false;
    const qint64 pid = content.split('\n').value(0).trimmed().toLongLong(&ok);
    if (ok)
        return pid > 0 ? pid : 0;
    if (content.size() == 4) {
        qint32 binary = 0;
        std::memcpy(&binary, content.constData(), 4);
        return binary > 0 ? binary : 0;
    }
    return 0;
}

QString modeText(uint mode)
{
    return QStringLiteral("%1").arg(mode, 4, 8, QLatin1Char('0'));
}

Check accessCheck(const Environment &environment, ReaderReport &report, const QString &rule,
                  const GroupMembership &membership)
{
    const Reader &reader = report.reader;
    const NodeAccess &access = report.access;
    Check check{QStringLiteral("access"), Status::Ok, Message(), Message()};
    const Message replug(CtlRoom, QT_TRANSLATE_NOOP("Keylon2ctl", "unplug and plug the reader in again"));
    if (reader.open == Reader::Open::Failed) {
        check.status = Status::Problem;
        check.text = Message(CtlRoom, QT_TRANSLATE_NOOP("Keylon2ctl", "%1 cannot be opened: %2"))
                         .arg(reader.node, reader.openError)
                         .coded("open-failed");
        check.advice = replug;
        return check;
    }
    const bool grantOpens = access.grant != Grant::Unknown && access.grant != Grant::None;
    report.canOpen = reader.open == Reader::Open::Opened || (reader.open == Reader::Open::NotTried && grantOpens);
    if (report.canOpen) {
        const char *through = QT_TRANSLATE_NOOP("Keylon2ctl", "this user may open %1");
        switch (access.grant) {
        case Grant::Root: through = QT_TRANSLATE_NOOP("Keylon2ctl", "this user may open %1, as root"); break;
        case Grant::Owner: through = QT_TRANSLATE_NOOP("Keylon2ctl", "this user may open %1, as its owner"); break;
        case Grant::SeatAcl:
            through = QT_TRANSLATE_NOOP("Keylon2ctl", "this user may open %1, through the seat's ACL entry");
            break;
        case Grant::Group: through = QT_TRANSLATE_NOOP("Keylon2ctl", "this user may open %1, through group %2"); break;
        case Grant::Other:
            through = QT_TRANSLATE_NOOP("Keylon2ctl", "this user may open %1, as every user may (mode %2)");
            break;
        default: break;
        }
        check.text = Message(CtlRoom, through)
                         .arg(reader.node, access.grant == Grant::Group ? access.grantingGroup : modeText(access.mode));
        return check;
    }

    check.status = Status::Problem;
    if (access.grant == Grant::Unknown && reader.open == Reader::Open::NotTried) {
        check.text = Message(CtlRoom, QT_TRANSLATE_NOOP("Keylon2ctl", "%1 is not there to be opened"))
                         .arg(reader.node)
                         .coded("not-found");
        check.advice = replug;
        return check;
    }
    check.text =
        Message(CtlRoom, QT_TRANSLATE_NOOP("Keylon2ctl", "this user may not open %1")).arg(reader.node).coded("denied");
    QString groupName;
    if (access.grant != Grant::Unknown) {
        groupName = accountName(environment, QStringLiteral("/etc/group"), access.groupId);
        check.text = Message(CtlRoom, access.hasAcl && !access.aclForUser
                                          ? QT_TRANSLATE_NOOP("Keylon2ctl", "this user may not open %1 (owner %2, group "
                                                                            "%3, mode %4, no ACL entry for this user)")
                                          : QT_TRANSLATE_NOOP("Keylon2ctl", "this user may not open %1 (owner %2, group "
                                                                            "%3, mode %4)"))
                         .arg(reader.node, accountName(environment, QStringLiteral("/etc/passwd"), access.ownerId))
                         .arg(groupName, modeText(access.mode))
                         .coded("denied");
    }
    if (rule.isEmpty())
        check.advice = Message(CtlRoom, QT_TRANSLATE_NOOP("Keylon2ctl", "install the udev rule (see above), then unplug "
                                                                        "and plug the reader in again"));
    else if (groupName == Plugdev && !membership.now)
        check.advice = joinPlugdevAdvice(environment, membership);
    else
        check.advice = Message(CtlRoom, QT_TRANSLATE_NOOP("Keylon2ctl", "unplug and plug the reader in again: the udev "
                                                                        "rule applies when the reader is added"));
    return check;
}

// Another program with the node open: a live lock file stops the open (the serial port
// honours the UUCP locks), an open descriptor lets two programs talk to one reader at once.
Check holderCheck(const Environment &environment, ReaderReport &report, const QList<Process> &running)
{
    const QString &node = report.reader.node;
    const QString name = QFileInfo(node).fileName();
    Check check{QStringLiteral("holder"), Status::Ok,
                Message(CtlRoom, QT_TRANSLATE_NOOP("Keylon2ctl", "no other program holds %1")).arg(node), Message()};
    if (report.reader.transport->ttyLine) {
        for (const QString &directory : {QStringLiteral("/run/lock"), QStringLiteral("/var/lock")}) {
            const QString lock = directory + QStringLiteral("/LCK..") + name;
            const qint64 pid = lockOwner(environment.path(lock));
            if (pid == 0 || pid == environment.ownPid
                || !QFileInfo(QDir(environment.procDir).filePath(QString::number(pid))).isDir())
                continue;
            const auto owner = std::find_if(running.begin(), running.end(),
                                            [pid](const Process &process) { return process.pid == pid; });
            check.status = Status::Problem;
            check.text = Message(CtlRoom, QT_TRANSLATE_NOOP("Keylon2ctl", "%1 is locked by %2 (%3)"))
                             .arg(node, processText(owner != running.end() ? *owner : Process{pid, {}, {}}), lock)
                             .coded("busy");
            check.advice = Message(CtlRoom, QT_TRANSLATE_NOOP("Keylon2ctl", "end that program, or close the port in it"));
            report.canOpen = false;
            return check;
        }
    }
    QStringList holders;
    for (const Process &process : running) {
        if (process.openFiles.contains(node))
            holders << processText(process);
    }
    if (!holders.isEmpty()) {
        check.status = Status::Warning;
        check.text = Message(CtlRoom, QT_TRANSLATE_NOOP("Keylon2ctl", "%1 is open in %2"))
                         .arg(node, holders.join(QStringLiteral(", ")));
        check.advice = Message(CtlRoom, QT_TRANSLATE_NOOP("Keylon2ctl",
            "end that program before using the reader: two programs on one reader confuse each other's frames"));
    }
    return check;
}

}  // namespace

QString statusName(Status status)
{
    switch (status) {
    case Status::Ok: return QStringLiteral("ok");
    case Status::Warning: return QStringLiteral("warning");
    case Status::Problem: break;
    }
    return QStringLiteral("problem");
}

QString grantName(Grant grant)
{
    switch (grant) {
    case Grant::Unknown: break;
    case Grant::None: return QStringLiteral("none");
    case Grant::Root: return QStringLiteral("root");
    case Grant::Owner: return QStringLiteral("owner");
    case Grant::SeatAcl: return QStringLiteral("seat-acl");
    case Grant::Group: return QStringLiteral("group");
    case Grant::Other: return QStringLiteral("other");
    }
    return QStringLiteral("unknown");
}

Report examine(const Environment &environment, const QList<Reader> &readers)
{
    Report report;

    const RuleFile ruleFile = installedRule(environment);
    const QString rule = ruleFile.masked ? QString() : ruleFile.path;
    if (ruleFile.masked) {
        report.checks.append({QStringLiteral("udev-rule"), Status::Problem,
                              Message(CtlRoom, QT_TRANSLATE_NOOP("Keylon2ctl", "the udev rule is switched off: %1 "
                                                                               "links to /dev/null"))
                                  .arg(ruleFile.path),
                              Message(CtlRoom, QT_TRANSLATE_NOOP("Keylon2ctl",
                                  "remove that link and run sudo udevadm control --reload-rules; then unplug and plug "
                                  "the reader in again"))});
    } else if (rule.isEmpty()) {
        report.checks.append({QStringLiteral("udev-rule"), Status::Problem,
                              Message(CtlRoom, QT_TRANSLATE_NOOP("Keylon2ctl", "the udev rule %1 is not installed"))
                                  .arg(AccessCheck::RulesFileName),
                              Message(CtlRoom, QT_TRANSLATE_NOOP("Keylon2ctl",
                                  "install the keylon2-utility package, or copy %1 to /etc/udev/rules.d/ and run sudo "
                                  "udevadm control --reload-rules; then unplug and plug the reader in again"))
                                  .arg(AccessCheck::RulesFileName)});
    } else if (!readText(environment.path(rule)).contains(QLatin1String("GROUP=\"plugdev\""))) {
        report.checks.append({QStringLiteral("udev-rule"), Status::Warning,
                              Message(CtlRoom, QT_TRANSLATE_NOOP("Keylon2ctl", "the udev rule %1 gives the readers to "
                                                                               "the user at the seat only"))
                                  .arg(rule),
                              Message(CtlRoom, QT_TRANSLATE_NOOP("Keylon2ctl", "install the package's rule, which also "
                                                                               "gives them to group plugdev"))});
    } else {
        report.checks.append({QStringLiteral("udev-rule"), Status::Ok,
                              Message(CtlRoom, QT_TRANSLATE_NOOP("Keylon2ctl", "the udev rule is installed: %1")).arg(rule),
                              Message()});
    }

    const GroupMembership membership = plugdevMembership(environment);
    const QString seat = seatOf(environment);
    Check session{QStringLiteral("session"), Status::Ok, Message(), Message()};
    if (environment.uid == 0) {
        session.text = Message(CtlRoom, QT_TRANSLATE_NOOP("Keylon2ctl", "running as root, which may open every node"));
    } else if (!seat.isEmpty()) {
        session.text = Message(CtlRoom, QT_TRANSLATE_NOOP("Keylon2ctl", "this session is at seat %1, whose user the udev "
                                                                        "rule hands the readers"))
                           .arg(seat);
    } else if (membership.now) {
        session.text = Message(CtlRoom, QT_TRANSLATE_NOOP("Keylon2ctl",
            "this session has no seat (as over SSH); the readers come through group plugdev, which this user is in"));
    } else {
        session.status = Status::Warning;
        session.text = Message(CtlRoom, QT_TRANSLATE_NOOP("Keylon2ctl", "this session has no seat (as over SSH): the "
                                                                        "seat's access does not reach it"));
        session.advice = joinPlugdevAdvice(environment, membership);
    }
    report.checks.append(session);

    const QList<Process> running = processes(environment);
    QStringList modemManagers;
    for (const Process &process : running) {
        if (process.name == QLatin1String("ModemManager"))
            modemManagers << QString::number(process.pid);
    }
    report.checks.append({QStringLiteral("modemmanager"), Status::Ok,
                          modemManagers.isEmpty()
                              ? Message(CtlRoom, QT_TRANSLATE_NOOP("Keylon2ctl", "ModemManager is not running"))
                              : Message(CtlRoom, QT_TRANSLATE_NOOP("Keylon2ctl", "ModemManager is running (pid %1)"))
                                    .arg(modemManagers.join(QStringLiteral(", "))),
                          Message()});

    bool brltty = false;
    for (const QString &directory : {QStringLiteral("/usr/bin"), QStringLiteral("/usr/sbin"), QStringLiteral("/bin"),
                                    QStringLiteral("/sbin")})
        brltty = brltty || QFileInfo(environment.path(directory + QStringLiteral("/brltty"))).isFile();
    if (brltty) {
        report.checks.append({QStringLiteral("brltty"), Status::Warning,
                              Message(CtlRoom, QT_TRANSLATE_NOOP("Keylon2ctl",
                                  "brltty is installed: it takes over USB serial adapters it knows when they are "
                                  "plugged in")),
                              Message(CtlRoom, QT_TRANSLATE_NOOP("Keylon2ctl",
                                  "if the reader's serial port vanishes when it is plugged in, remove it: sudo apt-get "
                                  "remove brltty"))});
    } else {
        report.checks.append({QStringLiteral("brltty"), Status::Ok,
                              Message(CtlRoom, QT_TRANSLATE_NOOP("Keylon2ctl", "brltty is not installed")), Message()});
    }

    for (const Reader &reader : readers) {
        ReaderReport entry;
        entry.reader = reader;
        entry.access = nodeAccess(environment, reader.node);
        entry.checks.append(accessCheck(environment, entry, rule, membership));
        if (entry.checks.last().status == Status::Problem)
            entry.error = entry.checks.last().text;
        entry.checks.append(holderCheck(environment, entry, running));
        if (entry.error.isEmpty() && entry.checks.last().status == Status::Problem)
            entry.error = entry.checks.last().text;
        // Only a held reader gets a line: the lock is free in the usual case.
        if (reader.held) {
            entry.checks.append({QStringLiteral("lock"), Status::Warning,
                                 Message(CtlRoom, QT_TRANSLATE_NOOP("Keylon2ctl", "in use by %1, which holds its lock %2"))
                                     .arg(ReaderLock::holderText({reader.holderPid, reader.holderCommand}))
                                     .arg(reader.lockFile),
                                 Message(CtlRoom, QT_TRANSLATE_NOOP("Keylon2ctl",
                                     "wait until it is done: another program is refused as busy, or waits with "
                                     "keylon2ctl --wait SECONDS"))});
        }
        if (reader.transport->ttyLine && !modemManagers.isEmpty()) {
            if (modemManagerIgnores(environment, entry)) {
                entry.checks.append({QStringLiteral("modemmanager"), Status::Ok,
                                     Message(CtlRoom, QT_TRANSLATE_NOOP("Keylon2ctl", "ModemManager leaves %1 alone"))
                                         .arg(reader.node),
                                     Message()});
            } else {
                entry.checks.append(
                    {QStringLiteral("modemmanager"), Status::Problem,
                     Message(CtlRoom, QT_TRANSLATE_NOOP("Keylon2ctl", "ModemManager may probe %1 with AT commands, "
                                                                      "which the reader takes for frames"))
                         .arg(reader.node),
                     Message(CtlRoom, QT_TRANSLATE_NOOP("Keylon2ctl",
                         "install the udev rule, which marks the port to be left alone, and plug the reader in again; "
                         "or stop ModemManager: sudo systemctl stop ModemManager"))});
            }
        }
        report.readers.append(entry);
    }
    return report;
}

}  // namespace AccessDoctor
