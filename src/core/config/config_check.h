#pragma once

#include <QString>

namespace ConfigFile {

// Why a file cannot be taken as a configuration file, or an empty string when it can: it
// cannot be read ("Cannot read NAME: REASON.", the system's reason), or it reads but holds
// neither an FW nor a KEYLON group, or the INI reader finds it malformed ("NAME holds no
// Keylon settings."). NAME is the file's name without its folder.
QString problem(const QString &path);

}  // namespace ConfigFile
