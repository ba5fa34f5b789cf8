#pragma once

#include <QString>

namespace ConfigFile {

// Why a file cannot be taken as a configuration file, or an empty string when it can: it
// cannot be read ("Cannot read PATH: REASON.", the system's reason; PATH as given, folder and
// all, since a file that is not there may be missing from the folder the caller meant), or it
// reads but holds neither an FW nor a KEYLON group, or the INI reader finds it malformed ("NAME
// holds no Keylon settings.", NAME without its folder).
QString problem(const QString &path);

}  // namespace ConfigFile
