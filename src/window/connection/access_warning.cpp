#include "window/connection/access_warning.h"

#include <QMessageBox>

#include "window/ui/window_tr.h"

void warnIfAccessDenied(const AccessCheck::Diagnosis &diagnosis)
{
#ifdef Q_OS_WIN
    Q_UNUSED(diagnosis);
#else
    if (diagnosis.finding != AccessCheck::Finding::Denied)
        return;
    QMessageBox::warning(nullptr, WindowText::tr("Connect Device"),
                         AccessCheck::deniedText(diagnosis.node).human());
#endif
}

void warnReaderBusy(const QString &node, const ReaderLock::Holder &holder)
{
    const QString command = holder.command.isEmpty() ? WindowText::tr("another program") : holder.command;
    const QString pid = holder.pid > 0 ? QString::number(holder.pid) : WindowText::tr("unknown");
    QMessageBox::warning(nullptr, WindowText::tr("Connect Device"),
                         WindowText::tr("The reader %1 is in use by %2 (process %3). Connect again when it is free.")
                             .arg(node, command, pid));
}

void warnNoLock(const QString &node, const QString &error)
{
    QMessageBox::warning(nullptr, WindowText::tr("Connect Device"),
                         WindowText::tr("No lock can be had for the reader %1 (%2), so another program could talk to it "
                                  "at the same time. Make the lock directory %3 writable for this user, then "
                                  "connect again.")
                             .arg(node, error, ReaderLock::directory()));
}
