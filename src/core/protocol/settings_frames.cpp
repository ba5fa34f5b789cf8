#include "core/protocol/settings_frames.h"

#include "core/protocol/frames.h"
#include "core/settings/settings_table.h"

namespace SettingsWrite {

QList<Frame> settingsFrames(const SettingsRecord &page, quint8 serialActive, quint8 interfaceSetting,
                            bool withCountry)
{
    QList<Frame> frames;
    frames.append({CmdOptions, Frames::writeFrame(CmdOptions, page.options)});
    frames.append({CmdOutput, Frames::writeFrame(CmdOutput, page.outputStart, page.outputLength)});
    if (withCountry)
        frames.append({CmdKBCountry, Frames::writeFrame(CmdKBCountry, quint8(page.kbCountry))});

    const bool other = changesInterface(serialActive, interfaceSetting);
    for (const Settings::Setting *affix : Settings::affixes()) {
        const quint8 command = affix->writeCommand;
        const QByteArray &codes = page.*affix->codes;
        frames.append({command, other ? Frames::otherInterfaceAffixFrame(interfaceSetting, command, codes)
                                      : Frames::affixFrame(command, codes)});
    }

    frames.append({CmdSave, Frames::keyedFrame(CmdSave)});
    return frames;
}

QList<OverlongAffix> overlongAffixes(const SettingsRecord &page)
{
    QList<OverlongAffix> overlong;
    for (const Settings::Setting *affix : Settings::affixes()) {
        const int codes = int((page.*affix->codes).size());
        if (codes > Frames::MaxAffixCodes)
            overlong.append({affix->label, codes});
    }
    return overlong;
}

Message overlongAffixText(const QList<OverlongAffix> &overlong)
{
    QList<Message> parts;
    for (const OverlongAffix &affix : overlong) {
        //: %1 the affix as the page labels it, %n how many codes it holds (more than the reader keeps)
        parts << (Message(CoreRoom, parts.isEmpty() ? QT_TRANSLATE_N_NOOP("Core", "The %1 has %n codes")
                                                        : QT_TRANSLATE_N_NOOP("Core", "the %1 has %n codes"),
                                affix.codes)
                      .arg(Message(CoreRoom, affix.name)));
    }
    return Message(CoreRoom, QT_TRANSLATE_NOOP("Core", "%1; the reader keeps at most %2. Nothing was sent."))
        .arg(Message::joined(parts, QStringLiteral("; ")), Frames::MaxAffixCodes);
}

}  // namespace SettingsWrite
