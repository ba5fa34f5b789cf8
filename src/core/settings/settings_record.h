#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

// The reader's settings as the read paths take them from its answers and the write path
// sends them.
struct SettingsRecord
{
    QByteArray version;        // the firmware version bytes as answered
    quint8 options = 0;        // bit 0 remove data, 1 postamble, 2 preamble, 3 auto report,
                               // 4 buzzer, 5 remove ID code
    quint8 outputStart = 0;
    quint8 outputLength = 0;
    int kbCountry = 0;
    QByteArray pre, post, remove;  // device codes
};

namespace OptionBits {
constexpr quint8 RemoveEnable = 0x01;
constexpr quint8 PostEnable = 0x02;
constexpr quint8 PreEnable = 0x04;
constexpr quint8 AutoReport = 0x08;
constexpr quint8 Buzzer = 0x10;
constexpr quint8 RemoveIDCode = 0x20;
}  // namespace OptionBits

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

// Which parts of a record a read took from the reader's answers. The remove ID code switch
// is apart from the others: the serial line's answers leave it out.
namespace RecordFields {
enum : quint8 { Version = 0x01, Options = 0x02, RemoveIdCode = 0x04, OutputWindow = 0x08, Country = 0x10, Pre = 0x20 };
constexpr quint8 Status = Version | Options | RemoveIdCode | OutputWindow;
constexpr int AffixCount = 3;  // the settings table's affix rows
constexpr quint8 affix(int index) { return quint8(Pre << index); }  // 0 pre, 1 post, 2 remove
}  // namespace RecordFields
