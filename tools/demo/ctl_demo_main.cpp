// keylon2ctl on the virtual readers, for the tests and the benchmarks: the readers come from
// the environment (see the hidapi stand-in), and a sysfs tree of their own gives them their
// USB identity.
#include <QDir>
#include <QTemporaryDir>
#include <QThread>

#include <cerrno>
#include <csignal>
#include <hidapi.h>
#include <unistd.h>

#include "ctl/ctl.h"
#include "core/link/usb_identity.h"
#include "core/platform/platform.h"
#include "virtual_sysfs.h"

namespace {

const QString TreePrefix = QStringLiteral("keylon2ctl-demo-sysfs-");

// A second interrupt ends the program at once, without removing its tree: the trees of
// programs that are gone go before a new one is made.
void removeLeftTrees(const QDir &folder)
{
    for (const QString &name : folder.entryList({TreePrefix + QLatin1Char('*')}, QDir::Dirs)) {
        const pid_t pid = pid_t(name.mid(TreePrefix.size()).section(QLatin1Char('-'), 0, 0).toInt());
        if (pid > 0 && kill(pid, 0) != 0 && errno == ESRCH)
            QDir(folder.filePath(name)).removeRecursively();
    }
}

}  // namespace

int main(int argc, char *argv[])
{
    // Tests that start this program a few hundred times shorten the reader's pauses through the
    // same seam as the tests in one process (KEYLON2_DEMO_PAUSE_DIVISOR=10: a tenth of each);
    // the frames and their order stay as they are.
    const int divisor = qEnvironmentVariableIntValue("KEYLON2_DEMO_PAUSE_DIVISOR");
    if (divisor > 1)
        Platform::setSleepFunction([divisor](unsigned ms) { QThread::msleep(qMax(1u, ms / unsigned(divisor))); });
    hid_init();  // the readers the environment asks for
    // In memory where there is a tmpfs: a few hundred readers are thousands of folders, files and
    // links, which a disk takes seconds to make and remove.
    const QDir folder(QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm") : QDir::tempPath());
    removeLeftTrees(folder);
    QTemporaryDir sysfs(folder.filePath(TreePrefix + QString::number(getpid()) + QStringLiteral("-XXXXXX")));
    if (sysfs.isValid() && VirtualReader::writeSysfsTree(sysfs.path()))
        UsbIdentity::setSysfsRoot(sysfs.path());
    return Ctl::processMain(argc, argv);
}
