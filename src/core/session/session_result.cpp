#include "core/session/session_result.h"

QString SessionResult::stepName(Step step)
{
    switch (step) {
    case Step::None: return QString();
    case Step::Status: return QStringLiteral("status");
    case Step::Options: return QStringLiteral("options");
    case Step::OutputWindow: return QStringLiteral("output window");
    case Step::KeyboardCountry: return QStringLiteral("keyboard country");
    case Step::Preamble: return QStringLiteral("preamble");
    case Step::Postamble: return QStringLiteral("postamble");
    case Step::RemoveData: return QStringLiteral("remove data");
    case Step::Save: return QStringLiteral("save command");
    case Step::InterfaceChange: return QStringLiteral("interface change");
    case Step::IspMode: return QStringLiteral("ISP mode command");
    }
    return QString();
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
