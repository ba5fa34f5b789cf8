#include "config/config_check.h"

#include <QFile>
#include <QFileInfo>
#include <QSettings>

namespace ConfigFile {

QString problem(const QString &path)
{
    const QFileInfo info(path);
    const QString name = info.fileName();
    QFile file(path);
    QString reason;
    if (!info.exists())
        reason = QStringLiteral("No such file or directory");
    else if (!info.isFile())
        reason = QStringLiteral("Not a regular file");
    else if (!file.open(QIODevice::ReadOnly))
        reason = file.errorString();
    else if (file.readAll(), file.error() != QFileDevice::NoError)
        reason = file.errorString();
    if (!reason.isEmpty())
        return QStringLiteral("Cannot read %1: %2.").arg(name, reason);

    QSettings settings(path, QSettings::IniFormat);
    settings.setIniCodec("UTF-8");
    const QStringList groups = settings.childGroups();
    // A malformed line is reported only once a key has been read.
    settings.value(QStringLiteral("KEYLON/Interface"));
    if (settings.status() != QSettings::NoError
        || (!groups.contains(QStringLiteral("FW")) && !groups.contains(QStringLiteral("KEYLON"))))
        return QStringLiteral("%1 holds no Keylon settings.").arg(name);
    return QString();
}

}  // namespace ConfigFile
