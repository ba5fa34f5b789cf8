#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>

#include "core/settings/config_mapping.h"
#include "core/settings/settings_record.h"

// The thirteen [KEYLON] keys of a configuration file, for tables where each row changes one
// key of a base file: a key that is read or written under another key's name shows up as two
// fields that differ. Values are kept as the file has them ("1", "A", "5").
namespace ConfigKeys {

using Values = QMap<QString, QString>;

// In the order export writes them.
extern const QStringList Keys;

// A complete, valid file: flags 0, affixes "A", "B", "C", output window 1 and 2, country 3,
// the USB keyboard interface. No two keys of one kind hold the same value.
Values base();
// The columns "key" and "value" and one row per key: the value that row puts in its place.
void addRows();
// The base with the current row's key changed (reads the columns addRows() made).
Values ofRow();

// "Key=Value", one per key in the order of Keys: what tests compare.
QStringList lines(const Values &values);
// The file: [FW] with an empty Ver, then [KEYLON] with every key.
QByteArray fileText(const Values &values);
// The key=value lines of the [KEYLON] section of a file as it is on disk (no INI reader in
// between). A key the file lacks is absent.
Values ofFileText(const QByteArray &text);

// The same values as the settings page holds them, and back.
ConfigPage page(const Values &values);
Values ofPage(const ConfigPage &page);
// What a write of these values sends (affix texts are plain letters, one code each); the
// interface is no field of the record.
SettingsRecord record(const Values &values);

}  // namespace ConfigKeys
