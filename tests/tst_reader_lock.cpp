// Readers shared between processes: the reader's lock at its lowest level (names, holders,
// release at close and at exit, another user's process, the node's own lock when the lock
// file cannot be had), two keylon2ctl processes on one serial reader of the virtual reader's
// program, and a read after one that was killed.
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <atomic>
#include <thread>

#include <csignal>

#include <sys/stat.h>
#include <unistd.h>

#include "build_paths.h"
#include "core/link/reader_lock.h"

namespace {

// A node that stands for a reader; no file of that name needs to be there.
const QString Node = QStringLiteral("/dev/keylon2-test-reader");

enum class Holder {
    ThisProcess,  // another open of the lock file in this process
    OtherProcess,  // a process of its own
    OtherUser,     // a process of nobody's, on a file this process made under umask 077
};

QString ownCommand()
{
    QFile comm(QStringLiteral("/proc/self/comm"));
    return comm.open(QIODevice::ReadOnly) ? QString::fromUtf8(comm.readAll().trimmed()) : QString();
}

// Another program holding file's lock until it is killed: one process, which takes the lock
// itself (flock(1) would leave a copy of its descriptor in the child it starts).
const QString Locker = QStringLiteral("/usr/bin/python3");
QStringList holdLock(const QString &file)
{
    return {"-c",
            "import fcntl, os, sys\n"
            "fd = os.open(sys.argv[1], os.O_RDONLY | os.O_CREAT, 0o644)\n"
            "fcntl.flock(fd, fcntl.LOCK_EX)\n"
            "sys.stdin.read()\n",
            file};
}

// Waits until pid holds the lock of node.
bool heldBy(const QString &node, qint64 pid)
{
    for (int tries = 0; tries < 200; ++tries) {
        const std::optional<ReaderLock::Holder> holder = ReaderLock::holderOf(node);
        if (holder && holder->pid == pid)
            return true;
        QThread::msleep(50);
    }
    return false;
}

}  // namespace

Q_DECLARE_METATYPE(Holder)

class TestReaderLock : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;

private slots:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        // As /run/lock is: sticky, and every user may make files in it.
        QVERIFY(::chmod(QFile::encodeName(dir.path()).constData(), 01777) == 0);
        qputenv("KEYLON2_LOCK_DIR", QFile::encodeName(dir.path()));
    }

    void fileIsNamedAfterTheNode_data()
    {
        QTest::addColumn<QString>("node");
        QTest::addColumn<QString>("file");
        QTest::newRow("hidraw") << "/dev/hidraw3" << "keylon2-hidraw3.lock";
        QTest::newRow("below a folder of /dev") << "/dev/pts/4" << "keylon2-pts-4.lock";
        QTest::newRow("port name alone") << "ttyUSB0" << "keylon2-ttyUSB0.lock";
        QTest::newRow("outside /dev") << "/tmp/keylon2-no-such/port" << "keylon2-tmp-keylon2-no-such-port.lock";
    }
    void fileIsNamedAfterTheNode()
    {
        QFETCH(QString, node);
        QFETCH(QString, file);
        QCOMPARE(ReaderLock::fileName(node), file);
        QCOMPARE(ReaderLock::lockFile(node), QDir(dir.path()).filePath(file));
    }

    // Two names of one node (a link such as /dev/serial/by-id/...) are one lock.
    void aLinkIsTheNodeItNames()
    {
        QTemporaryDir nodes;
        QFile node(nodes.filePath("ttyACM0"));
        QVERIFY(node.open(QIODevice::WriteOnly));
        QVERIFY(QFile::link(node.fileName(), nodes.filePath("by-id")));
        QCOMPARE(ReaderLock::fileName(nodes.filePath("by-id")), ReaderLock::fileName(node.fileName()));
        const ReaderLock first = ReaderLock::take(node.fileName());
        QVERIFY(first.held());
        QVERIFY(ReaderLock::take(nodes.filePath("by-id")).busy());
    }

    // Whoever holds it is named, a second taker is refused at once, and the lock is free again
    // the moment its holder lets go or ends: it never goes stale.
    void heldLockNamesItsHolderUntilItEnds_data()
    {
        QTest::addColumn<Holder>("holder");
        QTest::newRow("this process") << Holder::ThisProcess;
        QTest::newRow("another process") << Holder::OtherProcess;
        QTest::newRow("another user") << Holder::OtherUser;
    }
    void heldLockNamesItsHolderUntilItEnds()
    {
        QFETCH(Holder, holder);
        if (holder == Holder::OtherUser && ::geteuid() != 0)
            QSKIP("needs root to run a process as nobody");
        const QString node = Node + QString::number(int(holder));
        const QString file = ReaderLock::lockFile(node);
        QFile::remove(file);

        ReaderLock own;
        QProcess other;
        qint64 pid = QCoreApplication::applicationPid();
        QString command = ownCommand();
        if (holder == Holder::ThisProcess) {
            own = ReaderLock::take(node);
            QVERIFY(own.held());
        } else {
            if (holder == Holder::OtherUser) {
                // Made here under the strictest umask: still open to the other user.
                const mode_t umask = ::umask(077);
                ReaderLock made = ReaderLock::take(node);
                ::umask(umask);
                QVERIFY(made.held());
                QCOMPARE(QFileInfo(file).permissions() & QFile::ReadOther, QFile::ReadOther);
                other.start("setpriv", QStringList{"--reuid=nobody", "--regid=nogroup", "--clear-groups", Locker} + holdLock(file));
            } else {
                other.start(Locker, holdLock(file));
            }
            QVERIFY(other.waitForStarted());
            pid = other.processId();
            command = QFileInfo(Locker).fileName();
            QVERIFY2(heldBy(node, pid), "the other process never took the lock");
        }

        const ReaderLock second = ReaderLock::take(node);
        QVERIFY(second.busy());
        QCOMPARE(second.holder().pid, pid);
        QCOMPARE(second.holder().command, command);
        QCOMPARE(ReaderLock::holderText(second.holder()).english(), QStringLiteral("%1 (process %2)").arg(command).arg(pid));

        if (holder == Holder::ThisProcess) {
            own.release();
        } else {
            other.kill();  // no chance to let go: the kernel drops the lock with the process
            QVERIFY(other.waitForFinished());
        }
        QVERIFY(!ReaderLock::holderOf(node));
        QVERIFY(ReaderLock::take(node).held());
    }

    // --wait: the taker gets the lock once the holder lets go, or gives up when told to stop.
    void waitEndsWhenTheHolderLetsGoOrAStopComes_data()
    {
        QTest::addColumn<bool>("stop");
        QTest::newRow("holder ends") << false;
        QTest::newRow("stop") << true;
    }
    void waitEndsWhenTheHolderLetsGoOrAStopComes()
    {
        QFETCH(bool, stop);
        const QString node = Node + QStringLiteral("-wait");
        QProcess other;
        other.start(Locker, holdLock(ReaderLock::lockFile(node)));
        QVERIFY(other.waitForStarted());
        QVERIFY(heldBy(node, other.processId()));

        std::atomic<bool> stopped{false};
        std::atomic<int> state{-1};
        std::thread taker([&] {
            state = int(ReaderLock::take(node, 60000, [&] { return stopped.load(); }).state());
        });
        QThread::msleep(200);  // let the taker find it held and wait
        if (stop)
            stopped = true;
        else
            other.kill();
        taker.join();
        other.kill();
        other.waitForFinished();
        QCOMPARE(ReaderLock::State(state.load()), stop ? ReaderLock::State::Busy : ReaderLock::State::Held);
    }

    // No lock directory and no node to open: no lock at all, and the lock says why.
    void noLockDirectoryIsNoLock()
    {
        qputenv("KEYLON2_LOCK_DIR", QFile::encodeName(dir.filePath("not-there")));
        const ReaderLock lock = ReaderLock::take(Node);
        qputenv("KEYLON2_LOCK_DIR", QFile::encodeName(dir.path()));
        QCOMPARE(lock.state(), ReaderLock::State::Unavailable);
        QVERIFY(lock.error().contains("not-there") && lock.error().contains(Node));
    }

    // Two keylon2ctl processes on one serial reader: the second refuses at once with "busy"
    // (exit 6), naming the first; with --wait it writes once the first is done. Nothing of
    // the refused one reaches the reader, and the reader takes the waiting one's frames as
    // it takes those of a write on its own, whole.
    void twoProcessesOnOneReader()
    {
        QProcess reader;
        reader.start(buildPath("KEYLON2_VIRTUAL_READER"), QStringList());
        QVERIFY(reader.waitForReadyRead(10000));
        const QString port = QString::fromUtf8(reader.readLine()).trimmed();
        QVERIFY(port.startsWith("/dev/"));
        const QString device = "serial:" + port;
        QFile site(dir.filePath("site.cfg"));
        QVERIFY(site.open(QIODevice::WriteOnly));
        site.write("[KEYLON]\nPreEnable=1\nPre=ID\nBuzzer=0\n");
        site.close();
        const auto ctl = [&](const QStringList &arguments) {
            auto process = std::make_unique<QProcess>();
            process->start(buildPath("KEYLON2CTL_DEMO"), arguments);
            return process;
        };

        // The first: a monitor holds the reader until it is interrupted, sending nothing.
        auto monitor = ctl({"monitor", "--device", device});
        QVERIFY(monitor->waitForStarted());
        QVERIFY2(heldBy(port, monitor->processId()), "monitor never took the reader's lock");

        auto refused = ctl({"apply", site.fileName(), "--device", device});
        QVERIFY(refused->waitForFinished(30000));
        const QString error = QString::fromUtf8(refused->readAllStandardError());
        QCOMPARE(refused->exitCode(), 6);
        QVERIFY2(error.contains("busy") && error.contains(QStringLiteral("keylon2ctl-demo (process %1)").arg(monitor->processId())),
                 qPrintable(error));

        auto waiting = ctl({"apply", site.fileName(), "--device", device, "--wait", "60"});
        QVERIFY(waiting->waitForStarted());
        QThread::msleep(300);  // under way, and waiting
        ::kill(pid_t(monitor->processId()), SIGINT);
        QVERIFY(monitor->waitForFinished(30000));
        QVERIFY(waiting->waitForFinished(60000));
        QCOMPARE(waiting->exitCode(), 0);
        QVERIFY(waiting->readAllStandardOutput().contains("changed: "));

        // The same file once more, on its own: unchanged, one read. What the reader took in all
        // is the waiting one's whole run and this read, and nothing of the refused one.
        auto alone = ctl({"apply", site.fileName(), "--device", device});
        QVERIFY(alone->waitForFinished(30000));
        QVERIFY(alone->readAllStandardOutput().contains("unchanged"));
        QThread::msleep(300);  // the reader's program shows frames every 100 ms
        reader.terminate();
        QVERIFY(reader.waitForFinished(10000));
        QList<QByteArray> frames;
        for (const QByteArray &line : reader.readAllStandardOutput().split('\n')) {
            if (line.startsWith("frame: "))
                frames << line.mid(7);
        }
        // The waiting apply: its read, its writes, one save, its read back; then the lone
        // apply's read, the same read again. Had the refused one sent anything, its read would
        // come first.
        const QByteArray save = "1B 42 80 55 AA 55 AA 0D";
        QCOMPARE(frames.count(save), 1);
        const QList<QByteArray> after = frames.mid(frames.indexOf(save) + 1);
        QVERIFY(!after.isEmpty() && after.size() % 2 == 0);
        const QList<QByteArray> read = after.mid(0, after.size() / 2);
        QCOMPARE(after.mid(read.size()), read);
        QCOMPARE(frames.mid(0, read.size()), read);
        QVERIFY(frames.value(read.size()) != read.first());  // a write frame follows the first read
    }

    // Whatever the lock directory is for each of two processes, they never both talk to one
    // reader: the node's own lock stands in for the file that cannot be had, and the second
    // is told busy, with the first named, never that it may not open the reader.
    void twoProcessesNeverShareAReaderWhateverTheLockDirectory_data()
    {
        QTest::addColumn<QString>("firstLocks");   // "" the test's lock directory
        QTest::addColumn<QString>("secondLocks");
        QTest::addColumn<bool>("secondAsNobody");
        QTest::newRow("lock directory missing") << "missing" << "missing" << false;
        QTest::newRow("only the second's missing") << "" << "missing" << false;
        QTest::newRow("lock directory not writable") << "missing" << "closed" << true;
        QTest::newRow("lock file of another user, mode 0640") << "" << "" << true;
    }
    void twoProcessesNeverShareAReaderWhateverTheLockDirectory()
    {
        QFETCH(QString, firstLocks);
        QFETCH(QString, secondLocks);
        QFETCH(bool, secondAsNobody);
        if (secondAsNobody && ::geteuid() != 0)
            QSKIP("needs root to run a process as nobody");
        QTemporaryDir closed;
        QVERIFY(::chmod(QFile::encodeName(closed.path()).constData(), 0755) == 0);
        const auto lockDir = [&](const QString &which) {
            return which.isEmpty() ? dir.path() : which == "missing" ? dir.filePath("not-there") : closed.path();
        };
        QProcess reader;
        reader.start(buildPath("KEYLON2_VIRTUAL_READER"), QStringList());
        QVERIFY(reader.waitForReadyRead(10000));
        const QString port = QString::fromUtf8(reader.readLine()).trimmed();
        QVERIFY(::chmod(QFile::encodeName(port).constData(), 0666) == 0);  // for nobody
        const QString file = ReaderLock::lockFile(port);
        QFile::remove(file);
        const auto ctl = [&](const QStringList &arguments, const QString &locks, bool asNobody) {
            auto process = std::make_unique<QProcess>();
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            environment.insert("KEYLON2_LOCK_DIR", locks);
            process->setProcessEnvironment(environment);
            if (asNobody)
                process->start("setpriv", QStringList{"--reuid=nobody", "--regid=nogroup", "--clear-groups",
                                                      buildPath("KEYLON2CTL_DEMO")} + arguments);
            else
                process->start(buildPath("KEYLON2CTL_DEMO"), arguments);
            return process;
        };

        auto monitor = ctl({"monitor", "--device", "serial:" + port}, lockDir(firstLocks), false);
        QVERIFY(monitor->waitForStarted());
        QVERIFY2(heldBy(port, monitor->processId()), "monitor never took the reader's lock");
        if (QFileInfo::exists(file))  // made by root: another user's, and closed to others
            QVERIFY(::chmod(QFile::encodeName(file).constData(), 0640) == 0);

        auto second = ctl({"read", "--device", "serial:" + port}, lockDir(secondLocks), secondAsNobody);
        QVERIFY(second->waitForFinished(30000));
        const QString error = QString::fromUtf8(second->readAllStandardError());
        QCOMPARE(second->exitCode(), 6);
        QVERIFY2(error.contains(QStringLiteral("busy: in use by keylon2ctl-demo (process %1)").arg(monitor->processId())),
                 qPrintable(error));
        QCOMPARE(error.count('\n'), 1);
        ::kill(pid_t(monitor->processId()), SIGINT);
        QVERIFY(monitor->waitForFinished(30000));
        QFile::remove(file);
        reader.terminate();
        QVERIFY(reader.waitForFinished(10000));
        QVERIFY(!reader.readAllStandardOutput().contains("frame: "));  // monitor and the refused read send nothing
    }

    // A run killed while it reads a serial reader (an Ansible or a stop time-out) leaves the
    // reader's answers to its frames on the line. The next run, at once, reads the reader's
    // own settings: a diff against the file the reader holds finds nothing.
    void aReadAfterAKilledReadTakesTheReadersSettings_data()
    {
        QTest::addColumn<int>("killAfterMs");
        // The six frames go out 100 ms apart once the process has started.
        for (int ms : {150, 300, 450, 600, 750})
            QTest::newRow(qPrintable(QStringLiteral("killed at %1 ms").arg(ms))) << ms;
    }
    void aReadAfterAKilledReadTakesTheReadersSettings()
    {
        QFETCH(int, killAfterMs);
        QProcess reader;
        reader.start(buildPath("KEYLON2_VIRTUAL_READER"), QStringList());
        QVERIFY(reader.waitForReadyRead(10000));
        const QString device = "serial:" + QString::fromUtf8(reader.readLine()).trimmed();
        QFile site(dir.filePath("killed.cfg"));
        QVERIFY(site.open(QIODevice::WriteOnly));
        site.write("[KEYLON]\nPreEnable=1\nPre=ID\nPostEnable=1\nPost=[CR]\nOutputStart=2\nOutputLength=6\n");
        site.close();
        const auto run = [&](const QStringList &arguments) {
            QProcess ctl;
            ctl.start(buildPath("KEYLON2CTL_DEMO"), arguments);
            ctl.waitForFinished(30000);
            return ctl.exitCode();
        };
        QCOMPARE(run({"apply", site.fileName(), "--device", device}), 0);

        QProcess killed;
        killed.start(buildPath("KEYLON2CTL_DEMO"), {"diff", site.fileName(), "--device", device});
        QVERIFY(killed.waitForStarted());
        QThread::msleep(unsigned(killAfterMs));
        ::kill(pid_t(killed.processId()), SIGKILL);
        QVERIFY(killed.waitForFinished(10000));

        QProcess again;
        again.start(buildPath("KEYLON2CTL_DEMO"), {"diff", site.fileName(), "--device", device});
        QVERIFY(again.waitForFinished(30000));
        QVERIFY2(again.exitCode() == 0, again.readAllStandardOutput() + again.readAllStandardError());
        reader.terminate();
        QVERIFY(reader.waitForFinished(10000));
    }
};

QTEST_GUILESS_MAIN(TestReaderLock)
#include "tst_reader_lock.moc"
