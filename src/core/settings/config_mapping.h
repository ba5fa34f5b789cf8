#pragma once

#include <QString>

#include "core/settings/settings_record.h"

class QSettings;

namespace ConfigFile {

// Makes an INI file's texts UTF-8 both ways, as the exported files are (Qt 6 always reads and
// writes INI files so; Qt 5 reads and writes Latin-1 unless told).
void useUtf8(QSettings &file);

// Writes [FW] Ver and every setting's key into the INI file at path, as UTF-8. Keys of an
// existing file that are not ours stay. Returns false when the file could not be written, with
// the system's reason in *reason. Without withCountry, the keys that only a USB HID read gives
// (the keyboard country) are left out, so that the file leaves other readers' countries alone.
bool write(const QString &path, const ConfigPage &page, QString *reason = nullptr, bool withCountry = true);

// Whether a file is one that read() may fill the page from. A file that cannot be read gives
// nothing but default values, so it must not get that far: it is refused with the system's
// reason. One that reads but holds neither a FW nor a KEYLON group, or that the INI reader
// finds malformed, is no configuration file. Never blocks on a pipe or a device node.
struct ReadCheck
{
    enum Result { Readable, CannotRead, NoKeylonSettings };
    Result result = Readable;
    QString reason;  // with CannotRead: why, as the system put it

    bool ok() const { return result == Readable; }
};
ReadCheck checkReadable(const QString &path);

// Reads the INI file at path as UTF-8. A missing, unreadable or foreign file, and every
// missing key, give the values of a default-constructed ConfigPage; the firmware version is
// not taken from the file.
ConfigPage read(const QString &path);

}  // namespace ConfigFile
