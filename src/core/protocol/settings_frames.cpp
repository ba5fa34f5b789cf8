#include "core/protocol/settings_frames.h"

#include <QCoreApplication>
#include <QStringList>

#include "core/protocol/frames.h"

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

QList<OverlongAffix> overlongAffixes(const SettingsRecord &page)
{
    const OverlongAffix affixes[] = {
        {"PreAmble", int(page.pre.size())},
        {"PostAmble", int(page.post.size())},
        {"Remove Data", int(page.remove.size())},
    };
    QList<OverlongAffix> overlong;
    for (const OverlongAffix &affix : affixes) {
        if (affix.codes > Frames::MaxAffixCodes)
            overlong.append(affix);
    }
    return overlong;
}

QString overlongAffixText(const QList<OverlongAffix> &overlong)
{
    const auto tr = [](const char *text) { return QCoreApplication::translate("MainWindow", text); };
    QStringList parts;
    for (const OverlongAffix &affix : overlong) {
        parts << (parts.isEmpty() ? tr("The %1 has %2 codes") : tr("the %1 has %2 codes"))
                     .arg(tr(affix.name))
                     .arg(affix.codes);
    }
    return tr("%1; the reader keeps at most %2. Nothing was sent.")
        .arg(parts.join(QStringLiteral("; ")), QString::number(Frames::MaxAffixCodes));
}

}  // namespace SettingsWrite
