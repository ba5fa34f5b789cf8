#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

#include <sys/stat.h>
#include <sys/xattr.h>

#include <algorithm>

#include "build_paths.h"
#include "ctl/ctl.h"
#include "ctl_runs.h"
#include "ctl/commands/doctor.h"
#include "core/access/access_doctor.h"
#include "core/link/reader_lock.h"
#include "reader_bench.h"
#include "reader_model.h"

using AccessDoctor::Status;

namespace {

const QString Node = QStringLiteral("/dev/ttyACM0");

// An access ACL as logind leaves it on the seat user's nodes: the owner, the named user and
// the mask may read and write, the owning group and everyone else nothing.
QByteArray seatAclBlob(uint uid)
{
    QByteArray blob(4 + 5 * 8, '\0');
    auto *bytes = reinterpret_cast<uchar *>(blob.data());
    qToLittleEndian<quint32>(2, bytes);
    const struct { quint16 tag, perm; quint32 id; } entries[] = {
        {0x01, 6, 0xFFFFFFFF}, {0x02, 6, uid}, {0x04, 0, 0xFFFFFFFF}, {0x10, 6, 0xFFFFFFFF}, {0x20, 0, 0xFFFFFFFF}};
    int at = 4;
    for (const auto &entry : entries) {
        qToLittleEndian<quint16>(entry.tag, bytes + at);
        qToLittleEndian<quint16>(entry.perm, bytes + at + 2);
        qToLittleEndian<quint32>(entry.id, bytes + at + 4);
        at += 8;
    }
    return blob;
}

CtlRun doctorRun(const QStringList &arguments)
{
    return runCtlHere(QStringList{"doctor"} + arguments);
}

}  // namespace

class DoctorTest : public QObject
{
    Q_OBJECT

    ReaderFixture::Bench bench;

private slots:
    void init() { bench.start(); }
    void cleanup()
    {
        VirtualReader::Model::setCount(1);
        bench.stop();
    }

    // A machine laid out in a directory: files are "path=content" ("%GID" the node's group),
    // "path->target" a symbolic link. The serial reader's node is /dev/ttyACM0; the user is
    // alice, who does not own it.
    void checksReadTheMachine_data()
    {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<int>("nodeMode");
        QTest::addColumn<bool>("inNodeGroup");
        QTest::addColumn<bool>("seatAcl");
        QTest::addColumn<QString>("seat");     // XDG_SEAT
        QTest::addColumn<QString>("session");  // XDG_SESSION_ID
        QTest::addColumn<QString>("check");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("says");     // in the text or the advice
        QTest::addColumn<bool>("canOpen");

        const QString rule = "usr/lib/udev/rules.d/60-keylon2.rules=TAG+=\"uaccess\", GROUP=\"plugdev\"";
        const QString mmPort = "sys/class/tty/ttyACM0/dev=166:0";
        const int ok = int(Status::Ok), warning = int(Status::Warning), problem = int(Status::Problem);
        QTest::newRow("rule missing") << QStringList{} << 0660 << true << false << "" << "" << "udev-rule"
                                      << problem << "60-keylon2.rules is not installed" << true;
        QTest::newRow("rule installed") << QStringList{rule} << 0660 << true << false << "" << "" << "udev-rule" << ok
                                        << "/usr/lib/udev/rules.d/60-keylon2.rules" << true;
        QTest::newRow("rule for the seat only")
            << QStringList{"etc/udev/rules.d/60-keylon2.rules=TAG+=\"uaccess\""} << 0660 << true << false << ""
            << "" << "udev-rule" << warning << "to the user at the seat only" << true;
        QTest::newRow("rule switched off") << QStringList{rule, "etc/udev/rules.d/60-keylon2.rules->/dev/null"}
                                           << 0660 << true << false << "" << "" << "udev-rule" << problem
                                           << "/etc/udev/rules.d/60-keylon2.rules links to /dev/null" << true;
        QTest::newRow("node through its group") << QStringList{"etc/group=keys:x:%GID:"} << 0660 << true << false
                                                << "" << "" << "access" << ok << "through group keys" << true;
        QTest::newRow("node through the seat's ACL") << QStringList{} << 0600 << false << true << "" << ""
                                                     << "access" << ok << "seat's ACL entry" << true;
        QTest::newRow("node for everyone") << QStringList{} << 0666 << false << false << "" << "" << "access" << ok
                                           << "every user may (mode 0666)" << true;
        QTest::newRow("node refused, no rule")
            << QStringList{} << 0600 << false << false << "" << "" << "access" << problem
            << "may not open /dev/ttyACM0 (owner" << false;
        QTest::newRow("node refused, rule installed")
            << QStringList{rule} << 0600 << false << false << "" << "" << "access" << problem
            << "unplug and plug the reader in again" << false;
        QTest::newRow("node of plugdev, user not in it")
            << QStringList{rule, "etc/group=plugdev:x:%GID:"} << 0660 << false << false << "" << "" << "access"
            << problem << "sudo usermod -aG plugdev alice" << false;
        QTest::newRow("joined plugdev after logging in")
            << QStringList{rule, "etc/group=plugdev:x:%GID:bob,alice"} << 0660 << false << false << "" << ""
            << "access" << problem << "log in again" << false;
        QTest::newRow("seat named") << QStringList{} << 0660 << true << false << "seat0" << "" << "session" << ok
                                    << "at seat seat0" << true;
        QTest::newRow("seat from logind") << QStringList{"run/systemd/sessions/7=ACTIVE=1\nSEAT=seat0\n"} << 0660
                                          << true << false << "" << "7" << "session" << ok << "at seat seat0" << true;
        QTest::newRow("no seat (SSH)") << QStringList{"run/systemd/sessions/7=ACTIVE=1\nREMOTE=1\n"} << 0660 << true
                                       << false << "" << "7" << "session" << warning
                                       << "sudo usermod -aG plugdev alice" << true;
        QTest::newRow("no seat, in plugdev") << QStringList{"etc/group=plugdev:x:%GID:alice"} << 0660 << true << false
                                             << "" << "7" << "session" << ok << "through group plugdev" << true;
        QTest::newRow("session id is a path") << QStringList{"seatfile=SEAT=seat9"} << 0660 << true << false << ""
                                              << "../../../seatfile" << "session" << warning << "no seat" << true;
        QTest::newRow("ModemManager on the port")
            << QStringList{"proc/812/comm=ModemManager", mmPort, "run/udev/data/c166:0=E:ID_VENDOR_ID=0416"} << 0660
            << true << false << "" << "" << "modemmanager" << problem << "AT commands" << true;
        QTest::newRow("ModemManager told to ignore it")
            << QStringList{"proc/812/comm=ModemManager", mmPort, "run/udev/data/c166:0=E:ID_MM_DEVICE_IGNORE=1\n"}
            << 0660 << true << false << "" << "" << "modemmanager" << ok << "leaves /dev/ttyACM0 alone" << true;
        QTest::newRow("ModemManager not running") << QStringList{"proc/812/comm=bash"} << 0660 << true << false << ""
                                                  << "" << "modemmanager" << ok << "not running" << true;
        QTest::newRow("brltty installed") << QStringList{"usr/bin/brltty="} << 0660 << true << false << "" << ""
                                          << "brltty" << warning << "sudo apt-get remove brltty" << true;
        QTest::newRow("locked by a live process")
            << QStringList{"run/lock/LCK..ttyACM0=       812\n", "proc/812/comm=minicom"} << 0660 << true << false
            << "" << "" << "holder" << problem << "locked by pid 812 (minicom)" << false;
        QTest::newRow("stale lock file") << QStringList{"var/lock/LCK..ttyACM0=999\n"} << 0660 << true << false << ""
                                         << "" << "holder" << ok << "no other program holds" << true;
        QTest::newRow("open in another process")
            << QStringList{"proc/77/comm=cat", "proc/77/fd/5->/dev/ttyACM0"} << 0660 << true << false << "" << ""
            << "holder" << warning << "open in pid 77 (cat)" << true;
    }
    void checksReadTheMachine()
    {
        QFETCH(QStringList, files);
        QFETCH(int, nodeMode);
        QFETCH(bool, inNodeGroup);
        QFETCH(bool, seatAcl);
        QFETCH(QString, seat);
        QFETCH(QString, session);
        QFETCH(QString, check);
        QFETCH(int, status);
        QFETCH(QString, says);
        QFETCH(bool, canOpen);

        QTemporaryDir machine;
        QVERIFY(QDir(machine.path()).mkpath("dev") && QDir(machine.path()).mkpath("proc"));
        const QString node = machine.path() + Node;
        QFile nodeFile(node);
        QVERIFY(nodeFile.open(QIODevice::WriteOnly));
        nodeFile.close();
        QVERIFY(::chmod(QFile::encodeName(node).constData(), mode_t(nodeMode)) == 0);
        const QFileInfo nodeInfo(node);
        const uint gid = nodeInfo.groupId();

        AccessDoctor::Environment environment;
        environment.rootDir = machine.path();
        environment.procDir = machine.path() + "/proc";
        environment.uid = nodeInfo.ownerId() + 1;
        environment.groups = {inNodeGroup ? gid : gid + 1};
        environment.userName = "alice";
        environment.seat = seat;
        environment.sessionId = session;
        if (seatAcl) {
            const QByteArray acl = seatAclBlob(environment.uid);
            if (::setxattr(QFile::encodeName(node).constData(), "system.posix_acl_access", acl.constData(),
                           size_t(acl.size()), 0) != 0)
                QSKIP("this file system keeps no ACLs");
        }
        for (const QString &file : files) {
            const int link = file.indexOf("->");
            const int equals = file.indexOf('=');
            const QString path = machine.path() + '/' + file.left(link >= 0 ? link : equals);
            QVERIFY(QDir().mkpath(QFileInfo(path).path()));
            if (link >= 0) {
                QVERIFY(QFile::link(file.mid(link + 2), path));
                continue;
            }
            QFile out(path);
            QVERIFY(out.open(QIODevice::WriteOnly));
            out.write(file.mid(equals + 1).replace("%GID", QString::number(gid)).toUtf8());
        }

        AccessDoctor::Reader reader;
        reader.device = "serial:" + Node;
        reader.transport = &Transports::serial();
        reader.node = Node;
        const AccessDoctor::Report report = AccessDoctor::examine(environment, {reader});
        QCOMPARE(report.readers.size(), 1);
        QList<AccessDoctor::Check> checks = report.readers.first().checks;
        checks += report.checks;  // the reader's own first
        const auto found = std::find_if(checks.cbegin(), checks.cend(),
                                        [&](const AccessDoctor::Check &c) { return c.name == check; });
        QVERIFY(found != checks.cend());
        const QString said = found->text.english() + " / " + found->advice.english();
        QVERIFY2(said.contains(says), qPrintable(said));
        QCOMPARE(int(found->status), status);
        QCOMPARE(report.readers.first().canOpen, canOpen);
    }

    // The node of a refused reader is named on both outputs, whatever else the machine shows.
    void refusedReaderIsNamed()
    {
        VirtualReader::Faults faults;
        faults.openRefused = true;
        VirtualReader::Model::instance().setFaults(faults);
        const CtlRun run = doctorRun({});
        QCOMPARE(run.exitCode, 4);
        QVERIFY2(run.out.contains("problem  hid:/dev/virtual-hidraw1: this user may not open /dev/virtual-hidraw1"),
                 qPrintable(run.out));
        QVERIFY2(run.err.contains("hid:/dev/virtual-hidraw1: this user may not open /dev/virtual-hidraw1"),
                 qPrintable(run.err));
    }

    // A reader that another program talks to now, and a lock directory this user cannot use,
    // each get a warning line; neither keeps the readers from being opened.
    void locksAreLookedAt_data()
    {
        QTest::addColumn<bool>("held");
        QTest::addColumn<bool>("noDirectory");
        QTest::newRow("reader held") << true << false;
        QTest::newRow("no lock directory") << false << true;
    }
    void locksAreLookedAt()
    {
        QFETCH(bool, held);
        QFETCH(bool, noDirectory);
        QTemporaryDir locks;
        const QString dir = noDirectory ? locks.filePath("not-there") : locks.path();
        const QByteArray before = qgetenv("KEYLON2_LOCK_DIR");
        qputenv("KEYLON2_LOCK_DIR", QFile::encodeName(dir));
        const auto restore = qScopeGuard([&] { qputenv("KEYLON2_LOCK_DIR", before); });
        ReaderLock holder;
        if (held)
            holder = ReaderLock::take("/dev/virtual-hidraw1");
        const CtlRun run = doctorRun({});
        QCOMPARE(run.exitCode, 0);
        const QString line = held ? QStringLiteral("warning  hid:/dev/virtual-hidraw1: in use by %1 (process %2)")
                                        .arg(QCoreApplication::applicationName().left(15))
                                        .arg(QCoreApplication::applicationPid())
                                  : QStringLiteral("warning  the lock directory %1 is not there").arg(dir);
        QVERIFY2(run.out.contains(line), qPrintable(run.out));
        QCOMPARE(run.out.contains("in use by"), held);
        QCOMPARE(run.out.contains("lock directory"), noDirectory);
    }

    void jsonFollowsItsSchema_data()
    {
        QTest::addColumn<int>("readers");
        QTest::addColumn<bool>("refused");
        QTest::addColumn<int>("exitCode");
        QTest::newRow("reader opens") << 1 << false << 0;
        QTest::newRow("reader refused") << 1 << true << 4;
        QTest::newRow("no reader") << 0 << false << 3;
    }
    void jsonFollowsItsSchema()
    {
        QFETCH(int, readers);
        QFETCH(bool, refused);
        QFETCH(int, exitCode);
        VirtualReader::Model::setCount(readers);
        VirtualReader::Faults faults;
        faults.openRefused = refused;
        VirtualReader::Model::instance().setFaults(faults);
        const CtlRun run = doctorRun({"--json"});
        QCOMPARE(run.exitCode, exitCode);
        const QJsonObject document = QJsonDocument::fromJson(run.out.toUtf8()).object();
        QCOMPARE(document.value("exitCode").toInt(-1), exitCode);

        QTemporaryDir dir;
        const QString file = dir.filePath("doctor.json");
        QFile out(file);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(run.out.toUtf8());
        out.close();
        QProcess python;
        python.start("python3", {"-c",
                                 "import json, sys, jsonschema\n"
                                 "schema = json.load(open(sys.argv[1]))\n"
                                 "jsonschema.Draft202012Validator(schema).validate(json.load(open(sys.argv[2])))\n",
                                 buildPath("KEYLON2_SOURCE_DIR", "/data/schema/keylon2ctl-doctor.schema.json"), file});
        QVERIFY(python.waitForFinished(30000));
        QVERIFY2(python.exitStatus() == QProcess::NormalExit && python.exitCode() == 0,
                 qPrintable(python.readAllStandardError() + run.out));
    }
};

QTEST_GUILESS_MAIN(DoctorTest)
#include "tst_doctor.moc"
