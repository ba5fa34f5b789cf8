#include "link/access_warning.h"

#include <QCoreApplication>
#include <QMessageBox>

void warnIfAccessDenied(const AccessCheck::Diagnosis &diagnosis)
{
#ifdef Q_OS_WIN
    Q_UNUSED(diagnosis);
#else
    if (diagnosis.finding != AccessCheck::Finding::Denied)
        return;
    // A udev rule applies when the device is added, so a new rule needs the reader plugged in
    // again.
    const QString text = QCoreApplication::translate(
        "MainWindow", "The reader is attached, but this user may not open %1. Install the udev rules "
                      "(%2, see the README), then unplug and plug the reader in again.")
                             .arg(diagnosis.node, AccessCheck::RulesFileName);
    QMessageBox::warning(nullptr, QCoreApplication::translate("MainWindow", "Connect Device"), text);
#endif
}
