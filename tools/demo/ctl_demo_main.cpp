// keylon2ctl on the virtual readers, for the tests and the benchmarks: the readers come from
// the environment (see the hidapi stand-in), and a sysfs tree of their own gives them their
// USB identity.
#include <QTemporaryDir>

#include <hidapi.h>

#include "ctl.h"
#include "link/usb_identity.h"
#include "virtual_sysfs.h"

int main(int argc, char *argv[])
{
    hid_init();  // the readers the environment asks for
    QTemporaryDir sysfs;
    if (sysfs.isValid() && VirtualReader::writeSysfsTree(sysfs.path()))
        UsbIdentity::setSysfsRoot(sysfs.path());
    return Ctl::processMain(argc, argv);
}
