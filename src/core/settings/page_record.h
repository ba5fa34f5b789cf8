#pragma once

#include "core/settings/config_mapping.h"
#include "core/settings/settings_record.h"

// Between the settings page (as a configuration file and the window's widgets hold it: texts,
// switches, a country index) and the record that goes to and comes from the reader.
namespace PageRecord {

// The firmware version's text: its bytes up to the first NUL, each byte one character, or as
// UTF-8 (the window reads the serial line's answers so).
QString versionText(const QByteArray &version, bool utf8 = false);

// What "&Set Status" sends for the page. The output window's texts are read in base 10 (not a
// number reads as 0) and cut to one byte, so 300 goes out as 0x2C and -1 as 0xFF; the
// country index likewise. Logs "t1num: %d", "t2num: %d" and each literal affix byte
// ("PreVal=%x", "PosVal=%x", "RemoveVal=%x"), in that order.
SettingsRecord recordOfPage(const ConfigPage &page);

// The page the window shows after reading the record from a reader over USB HID
// (serial false) or the serial line: affixes in the bracket notation of that read path,
// the output window as signed numbers, the version text up to its first NUL. The country is
// the record's when the list of countries holds it, -1 (no entry) otherwise.
ConfigPage pageOfRecord(const SettingsRecord &record, bool serial);

// Where the window read the record; each path spells some fields its own way.
enum class ReadPath {
    UsbHid,      // "&Get Status" over USB HID: the version up to its NUL padding
    Serial,      // the serial line's answers: the version as UTF-8
    StatusPage,  // the one-shot status read: the output window unsigned, each affix code as
                 // a one-byte UTF-8 text
};
// The page the window shows after a read: as pageOfRecord, but the country is the reader's
// own, whether or not the list holds it.
ConfigPage pageOfRead(const SettingsRecord &record, ReadPath path);

}  // namespace PageRecord
