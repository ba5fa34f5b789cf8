#pragma once

#include <QString>

// The settings page as a configuration file sees it. The output window is kept as the edits'
// text: export turns it into a number, import puts the stored value back as text.
struct ConfigPage
{
    QString firmwareVersion;
    bool interfaceSerial = false;
    bool preEnable = false;
    bool postEnable = false;
    bool removeEnable = false;
    bool removeIdCode = false;
    bool autoReport = false;
    bool buzzer = false;
    QString pre;
    QString post;
    QString remove;
    QString outputStart;
    QString outputLength;
    int kbCountry = 0;
};

namespace ConfigFile {

// The integer that export stores for an output-window text: base 10, 0 when it is no number.
int outputNumber(const QString &text);

// Writes the fourteen keys into the INI file at path, as UTF-8. Keys of an existing file that
// are not ours stay. Failures to write are not reported.
void write(const QString &path, const ConfigPage &page);

// Reads the INI file at path as UTF-8. A missing, unreadable or foreign file, and every
// missing key, give the values of a default-constructed ConfigPage; the firmware version is
// not taken from the file.
ConfigPage read(const QString &path);

}  // namespace ConfigFile
