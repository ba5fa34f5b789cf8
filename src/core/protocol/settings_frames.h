#pragma once

#include <QByteArray>
#include <QList>
#include <QtGlobal>

#include "core/settings/settings_record.h"
#include "core/text/message.h"

// The frames that write a settings record to the reader, in the order the reader expects
// them. Plain functions: the slot reads the page into a SettingsRecord and sends what these
// build.
namespace SettingsWrite {

struct Frame
{
    quint8 command;   // what the frame does (CmdSetRemove even in the other-interface form)
    QByteArray bytes;  // the frame as it goes out on the serial line
};

// Options, output window, keyboard country (withCountry: where the interface carries it), the
// three affixes and the save. When interfaceSetting differs from serialActive the affixes are
// addressed to the other interface, which the reader stores for after the change that follows
// the save.
QList<Frame> settingsFrames(const SettingsRecord &page, quint8 serialActive, quint8 interfaceSetting,
                            bool withCountry);

// True when the write ends with the reader changing interface.
inline bool changesInterface(quint8 serialActive, quint8 interfaceSetting)
{
    return serialActive != interfaceSetting;
}

struct OverlongAffix
{
    const char *name;  // as the page labels it: "PreAmble", "PostAmble", "Remove Data"
    int codes;
};

// The affixes the reader could not give back: reads accept at most 31 codes, and a USB HID
// report cuts an affix after 60 while its count still says more. Empty when all three fit.
QList<OverlongAffix> overlongAffixes(const SettingsRecord &page);

// What the operator is told when a write stops for overlong affixes, naming each and the limit.
Message overlongAffixText(const QList<OverlongAffix> &overlong);

}  // namespace SettingsWrite
