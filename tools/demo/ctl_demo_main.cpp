// keylon2ctl on the virtual readers, for the tests and the benchmarks: the readers come from
// the environment (see the hidapi stand-in), and a sysfs tree of their own gives them their
// USB identity.
#include <QDir>
#include <QTemporaryDir>

#include <hidapi.h>

#include "ctl.h"
#include "link/usb_identity.h"
#include "virtual_sysfs.h"

int main(int argc, char *argv[])
{
    hid_init();  // the readers the environment asks for
    // In memory where there is a tmpfs: a few hundred readers are thousands of folders, files and
    // links, which a disk takes seconds to make and remove.
    const QString shm = QStringLiteral("/dev/shm");
    QTemporaryDir sysfs(QDir(shm).exists() ? shm + QStringLiteral("/keylon2ctl-demo-sysfs-XXXXXX")
                                           : QDir::tempPath() + QStringLiteral("/keylon2ctl-demo-sysfs-XXXXXX"));
    if (sysfs.isValid() && VirtualReader::writeSysfsTree(sysfs.path()))
        UsbIdentity::setSysfsRoot(sysfs.path());
    return Ctl::processMain(argc, argv);
}
