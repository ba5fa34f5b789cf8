#include "core/session/session_result.h"

Message SessionResult::stepName(Step step)
{
    return Message(CoreRoom, [step] {
        switch (step) {
        case Step::None: return "";
        case Step::Status: return QT_TRANSLATE_NOOP("Core", "status");
        case Step::Options: return QT_TRANSLATE_NOOP("Core", "options");
        case Step::OutputWindow: return QT_TRANSLATE_NOOP("Core", "output window");
        case Step::KeyboardCountry: return QT_TRANSLATE_NOOP("Core", "keyboard country");
        case Step::Preamble: return QT_TRANSLATE_NOOP("Core", "preamble");
        case Step::Postamble: return QT_TRANSLATE_NOOP("Core", "postamble");
        case Step::RemoveData: return QT_TRANSLATE_NOOP("Core", "remove data");
        case Step::Save: return QT_TRANSLATE_NOOP("Core", "save command");
        case Step::InterfaceChange: return QT_TRANSLATE_NOOP("Core", "interface change");
        case Step::IspMode: return QT_TRANSLATE_NOOP("Core", "ISP mode command");
        }
        return "";
    }());
}
