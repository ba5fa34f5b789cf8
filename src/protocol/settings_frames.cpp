#include "protocol/settings_frames.h"

#include <QStringList>

#include "protocol/frames.h"

namespace SettingsWrite {

QList<Frame> settingsFrames(const SettingsRecord &page, quint8 serialActive, quint8 interfaceSetting)
{
    QList<Frame> frames;
    frames.append({CmdOptions, Frames::writeFrame(CmdOptions, page.options)});
    frames.append({CmdOutput, Frames::writeFrame(CmdOutput, page.outputStart, page.outputLength)});
    if (!serialActive)
        frames.append({CmdKBCountry, Frames::writeFrame(CmdKBCountry, quint8(page.kbCountry))});

    const bool other = changesInterface(serialActive, interfaceSetting);
    const auto affix = [&](quint8 command, const QByteArray &codes) {
        frames.append({command, other ? Frames::otherInterfaceAffixFrame(interfaceSetting, command, codes)
                                      : Frames::affixFrame(command, codes)});
    };
    affix(CmdSetPre, page.pre);
    affix(CmdSetPost, page.post);
    affix(CmdSetRemove, page.remove);

    frames.append({CmdSave, Frames::keyedFrame(CmdSave)});
    return frames;
}

QString overlongAffixWarning(const SettingsRecord &page)
{
    const struct {
        const char *name;
        const QByteArray &codes;
    } affixes[] = {{"PreAmble", page.pre}, {"PostAmble", page.post}, {"Remove Data", page.remove}};

    QStringList parts;
    for (const auto &affix : affixes) {
        if (affix.codes.size() > Frames::MaxAffixCodes)
            parts << QStringLiteral("The %1 has %2 codes").arg(QLatin1String(affix.name)).arg(affix.codes.size());
    }
    if (parts.isEmpty())
        return {};
    return parts.join(QStringLiteral("; ")) +
           QStringLiteral("; the reader keeps at most %1. Nothing was sent.").arg(Frames::MaxAffixCodes);
}

}  // namespace SettingsWrite
