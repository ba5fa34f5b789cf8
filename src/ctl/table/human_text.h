#pragma once

#include <QString>

class QCoreApplication;
class QTranslator;

namespace Ctl {

// A reason keylon2ctl gives for a failure is made once, in English, where the failure is met:
// the same text stands in --json's "error" and in the audit log, which never change with the
// language. Where such a text is printed for a person (standard error, the text lines, doctor's
// lines) it goes through human(): the English pattern it was made from is recognised, that
// pattern is said in the desktop's language, and the same arguments are filled in (an argument
// that is itself a reason, such as why a node could not be opened, is said in the language too).
// A text no pattern knows is shown as it is.
QString human(const QString &english);

// Sets keylon2ctl's translation up: texts (our translation for the desktop's language, already
// installed; null for English) is taken out of the application again and only keylon2ctl's own
// context stays installed, so the core's texts that end up in machine output stay English;
// human() says those in the language from the full translation.
void installHumanTexts(QCoreApplication &app, QTranslator *texts);

}  // namespace Ctl
