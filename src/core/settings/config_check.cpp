#include "core/settings/config_check.h"

#include <QDir>
#include <QFileInfo>

#include "core/settings/config_mapping.h"

namespace ConfigFile {

QString problem(const QString &path)
{
    const ReadCheck check = checkReadable(path);
    const QString name = QFileInfo(path).fileName();
    switch (check.result) {
    case ReadCheck::Readable:
        return QString();
    case ReadCheck::CannotRead:
        return QStringLiteral("Cannot read %1: %2.").arg(QDir::toNativeSeparators(path), check.reason);
    case ReadCheck::NoKeylonSettings:
        break;
    }
    return QStringLiteral("%1 holds no Keylon settings.").arg(name);
}

}  // namespace ConfigFile
