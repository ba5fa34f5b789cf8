#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class QCoreApplication;
class QTranslator;

namespace Translations {

// The languages we ship a translation for ("de", "fr", ...), found as keylon2_<language>.qm.
QStringList shipped(const QStringList &directories);

// The language to speak, as the desktop asks for it: LC_ALL, else LC_MESSAGES, else LANG names
// the locale; "C", "POSIX" or none means English whatever LANGUAGE says (as gettext does).
// Otherwise the first entry of LANGUAGE (a colon-separated list), or else the locale itself,
// that is shipped: "de_AT.UTF-8@euro" is tried as "de_AT", then "de". Empty means English.
QString chooseLanguage(const std::function<QString(const char *)> &environment, const QStringList &shipped);

// Where the translations are looked for: beside the program in the build tree, then where the
// package installs them.
QStringList directories();

// Whether Qt's own texts are translated too: the window's standard buttons and file dialogs
// are; keylon2ctl's are not, since Qt words a system error ("No such file or directory") in
// its own texts and such a reason stands in what machines read (the JSON's "error").
enum class QtTexts { Translated, English };

// Loads ours for the language, and Qt's own translation (Debian's qttranslations) unless told
// otherwise, into the application; an empty language loads nothing. Returns false when ours
// could not be loaded.
bool install(QCoreApplication &app, const QString &language, const QStringList &directories,
             QtTexts qtTexts = QtTexts::Translated);

// The whole start-up step: the desktop's language, loaded. Returns our translation as
// installed, or null (English, or none could be loaded).
QTranslator *installDesktopLanguage(QCoreApplication &app, QtTexts qtTexts = QtTexts::Translated);

}  // namespace Translations
