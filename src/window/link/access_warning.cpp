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
    QMessageBox::warning(nullptr, QCoreApplication::translate("MainWindow", "Connect Device"),
                         AccessCheck::deniedText(diagnosis.node));
#endif
}
