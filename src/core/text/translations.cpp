#include "core/text/translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>

namespace Translations {

namespace {

const QString Prefix = QStringLiteral("keylon2_");

// Qt turns the whole application around when a loaded translation answers this with "RTL";
// ours says it too, so the window mirrors even where Qt's own translations are missing.
//: "RTL" for a language written from right to left, "LTR" otherwise; no other text
[[maybe_unused]] const char *const LayoutDirection = QT_TRANSLATE_NOOP("QGuiApplication", "QT_LAYOUT_DIRECTION");

// "de_AT.UTF-8@euro" gives "de_AT" and "de"; "C" and "POSIX" give nothing.
QStringList candidates(QString locale)
{
    locale = locale.section(QLatin1Char('@'), 0, 0).section(QLatin1Char('.'), 0, 0);
    if (locale.isEmpty() || locale == QLatin1String("C") || locale == QLatin1String("POSIX"))
        return {};
    QStringList names{locale};
    const QString language = locale.section(QLatin1Char('_'), 0, 0);
    if (language != locale)
        names << language;
    return names;
}

QString firstShipped(const QStringList &names, const QStringList &shipped)
{
    for (const QString &name : names) {
        for (const QString &candidate : candidates(name)) {
            if (shipped.contains(candidate))
                return candidate;
        }
    }
    return QString();
}

QString qtTranslationsPath()
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath);
#else
    return QLibraryInfo::location(QLibraryInfo::TranslationsPath);
#endif
}

}  // namespace

QStringList shipped(const QStringList &directories)
{
    QStringList languages;
    for (const QString &directory : directories) {
        const QStringList files = QDir(directory).entryList({Prefix + QStringLiteral("*.qm")}, QDir::Files);
        for (const QString &file : files) {
            const QString language = QFileInfo(file).completeBaseName().mid(Prefix.size());
            if (!languages.contains(language))
                languages << language;
        }
    }
    return languages;
}

QString chooseLanguage(const std::function<QString(const char *)> &environment, const QStringList &shipped)
{
    QString locale;
    for (const char *name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        locale = environment(name);
        if (!locale.isEmpty())
            break;
    }
    if (candidates(locale).isEmpty())
        return QString();
    const QString chosen = firstShipped(environment("LANGUAGE").split(QLatin1Char(':'), Qt::SkipEmptyParts), shipped);
    return chosen.isEmpty() ? firstShipped({locale}, shipped) : chosen;
}

QStringList directories()
{
    const QString program = QCoreApplication::applicationDirPath();
    return {program + QStringLiteral("/translations"),
            program + QStringLiteral("/../share/keylon2-utility/translations")};
}

namespace {

QTranslator *installOurs(QCoreApplication &app, const QString &language, const QStringList &directories, QtTexts qtTexts)
{
    // Qt's standard buttons and dialogs; a missing file leaves them in English.
    if (qtTexts == QtTexts::Translated) {
        auto *qt = new QTranslator(&app);
        if (qt->load(QStringLiteral("qtbase_") + language, qtTranslationsPath()))
            QCoreApplication::installTranslator(qt);
        else
            delete qt;
    }
    for (const QString &directory : directories) {
        auto *ours = new QTranslator(&app);
        if (ours->load(Prefix + language, directory)) {
            QCoreApplication::installTranslator(ours);
            return ours;
        }
        delete ours;
    }
    return nullptr;
}

}  // namespace

bool install(QCoreApplication &app, const QString &language, const QStringList &directories, QtTexts qtTexts)
{
    return language.isEmpty() || installOurs(app, language, directories, qtTexts);
}

QTranslator *installDesktopLanguage(QCoreApplication &app, QtTexts qtTexts)
{
    const QStringList where = directories();
    const auto environment = [](const char *name) { return QString::fromLocal8Bit(qgetenv(name)); };
    const QString language = chooseLanguage(environment, shipped(where));
    return language.isEmpty() ? nullptr : installOurs(app, language, where, qtTexts);
}

}  // namespace Translations
