#include "core/session/session_result.h"

#include "core/text/core_text.h"

// The steps as a person reads them in a message; the same words in every language where a
// machine reads them (describe()).
static const char *stepLiteral(SessionResult::Step step)
{
    switch (step) {
    case SessionResult::Step::None: return "";
    case SessionResult::Step::Status: return QT_TRANSLATE_NOOP("Core", "status");
    case SessionResult::Step::Options: return QT_TRANSLATE_NOOP("Core", "options");
    case SessionResult::Step::OutputWindow: return QT_TRANSLATE_NOOP("Core", "output window");
    case SessionResult::Step::KeyboardCountry: return QT_TRANSLATE_NOOP("Core", "keyboard country");
    case SessionResult::Step::Preamble: return QT_TRANSLATE_NOOP("Core", "preamble");
    case SessionResult::Step::Postamble: return QT_TRANSLATE_NOOP("Core", "postamble");
    case SessionResult::Step::RemoveData: return QT_TRANSLATE_NOOP("Core", "remove data");
    case SessionResult::Step::Save: return QT_TRANSLATE_NOOP("Core", "save command");
    case SessionResult::Step::InterfaceChange: return QT_TRANSLATE_NOOP("Core", "interface change");
    case SessionResult::Step::IspMode: return QT_TRANSLATE_NOOP("Core", "ISP mode command");
    }
    return "";
}

QString SessionResult::stepName(Step step)
{
    return QString::fromLatin1(stepLiteral(step));
}

QString SessionResult::translatedStepName(Step step)
{
    const char *name = stepLiteral(step);
    return *name ? CoreText::tr(name) : QString();
}

QString SessionResult::describe() const
{
    const QString name = stepName(step);
    const QString reason = detail.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(detail);
    switch (outcome) {
    case Outcome::Done: return QStringLiteral("done");
    case Outcome::FrameFailed: return QStringLiteral("writing the %1 failed%2").arg(name, reason);
    case Outcome::NoAnswer: return QStringLiteral("no answer to the %1 read%2").arg(name, reason);
    case Outcome::BadAnswer: return QStringLiteral("bad answer to the %1 read%2").arg(name, reason);
    case Outcome::LineGone: return QStringLiteral("the reader is gone, at the %1%2").arg(name, reason);
    }
    return QString();
}
