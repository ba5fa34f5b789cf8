#include "ctl/fleet/jobs.h"

#include "core/settings/settings_table.h"
#include "ctl/table/exit_codes.h"

namespace Ctl {

namespace {

QString codesText(const QByteArray &codes)
{
    return codes.isEmpty() ? QStringLiteral("none") : QString::fromLatin1(codes.toHex(' '));
}

}  // namespace

Message sessionFailure(const SessionResult &result)
{
    // Without the link's own reason, and with it.
    const auto said = [&](const char *failure, const char *withDetail, const char *code) {
        return Message(CtlRoom, result.detail.isEmpty() ? failure : withDetail)
            .arg(SessionResult::stepName(result.step), result.detail)
            .coded(code);
    };
    using Outcome = SessionResult::Outcome;
    switch (result.outcome) {
    case Outcome::Done: return Message();
    //: %1 a step of the exchange: status, options, output window, preamble, save command, ...
    case Outcome::FrameFailed: return said(QT_TRANSLATE_NOOP("Keylon2ctl", "writing the %1 failed"),
                                           QT_TRANSLATE_NOOP("Keylon2ctl", "writing the %1 failed (%2)"), Code::FrameFailed);
    case Outcome::NoAnswer: return said(QT_TRANSLATE_NOOP("Keylon2ctl", "no answer to the %1 read"),
                                        QT_TRANSLATE_NOOP("Keylon2ctl", "no answer to the %1 read (%2)"), Code::NoAnswer);
    case Outcome::BadAnswer: return said(QT_TRANSLATE_NOOP("Keylon2ctl", "bad answer to the %1 read"),
                                         QT_TRANSLATE_NOOP("Keylon2ctl", "bad answer to the %1 read (%2)"), Code::BadAnswer);
    case Outcome::LineGone: return said(QT_TRANSLATE_NOOP("Keylon2ctl", "the reader is gone, at the %1"),
                                        QT_TRANSLATE_NOOP("Keylon2ctl", "the reader is gone, at the %1 (%2)"),
                                        Code::LineGone);
    }
    return Message();
}

QList<Message> differences(const SettingsRecord &wrote, const FirmwareCheck::Written &written)
{
    QList<Message> fields;
    const SettingsRecord &held = written.back.record;
    for (const Settings::Setting *setting : written.wrong) {
        const bool affix = setting->isAffix();
        //: %1 a key of the configuration file, %2 the value read back, %3 the value written
        fields << Message(CtlRoom, QT_TRANSLATE_NOOP("Keylon2ctl", "%1 is %2, wrote %3"))
                      .arg(QLatin1String(setting->key))
                      .arg(affix ? codesText(held.*setting->codes) : QString::number(setting->raw(held)))
                      .arg(affix ? codesText(wrote.*setting->codes) : QString::number(setting->raw(wrote)));
    }
    return fields;
}


}  // namespace Ctl
