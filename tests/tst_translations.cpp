#include <QApplication>
#include <QTabWidget>
#include <QtTest>

#include "build_paths.h"
#include "core/text/translations.h"
#include "window/app/mainwindow.h"

// The language the utility speaks, and the translations it ships.
class TranslationsTest : public QObject
{
    Q_OBJECT

    // Where each widget sits in the window, each measured with its tab page shown.
    static QMap<QString, QRect> placesOf(MainWindow &window, const QStringList &names)
    {
        QMap<QString, QRect> places;
        auto *tabs = window.findChild<QTabWidget *>("tabWidget");
        for (int page = 0; page < tabs->count(); ++page) {
            tabs->setCurrentIndex(page);
            QCoreApplication::processEvents();
            for (const QString &name : names) {
                auto *widget = window.findChild<QWidget *>(name);
                if (widget->isVisible())
                    places[name] = QRect(widget->mapTo(&window, QPoint()), widget->size());
            }
        }
        return places;
    }

private slots:
    void shouldSpeakTheDesktopsLanguage_data()
    {
        QTest::addColumn<QString>("language");  // LANGUAGE
        QTest::addColumn<QString>("all");       // LC_ALL
        QTest::addColumn<QString>("messages");  // LC_MESSAGES
        QTest::addColumn<QString>("lang");      // LANG
        QTest::addColumn<QString>("chosen");    // empty: English

        QTest::newRow("LANG alone") << "" << "" << "" << "de_DE.UTF-8" << "de";
        QTest::newRow("region and modifier") << "" << "" << "" << "fr_BE.UTF-8@euro" << "fr";
        QTest::newRow("LC_MESSAGES over LANG") << "" << "" << "it_IT.UTF-8" << "de_DE.UTF-8" << "it";
        QTest::newRow("LC_ALL over both") << "" << "es_ES.UTF-8" << "it_IT.UTF-8" << "de_DE.UTF-8" << "es";
        QTest::newRow("LANGUAGE first") << "he:de" << "" << "" << "de_DE.UTF-8" << "he";
        QTest::newRow("LANGUAGE skips unshipped") << "sv:pt_BR:it" << "" << "" << "de_DE.UTF-8" << "it";
        QTest::newRow("LANGUAGE none shipped") << "sv:pt" << "" << "" << "de_DE.UTF-8" << "de";
        QTest::newRow("C ignores LANGUAGE") << "de" << "C" << "" << "fr_FR.UTF-8" << "";
        QTest::newRow("POSIX") << "" << "" << "POSIX" << "de_DE.UTF-8" << "";
        QTest::newRow("C.UTF-8") << "" << "" << "" << "C.UTF-8" << "";
        QTest::newRow("nothing set") << "de" << "" << "" << "" << "";
        QTest::newRow("unshipped") << "" << "" << "" << "sv_SE.UTF-8" << "";
        QTest::newRow("English") << "" << "" << "" << "en_GB.UTF-8" << "";
    }

    void shouldSpeakTheDesktopsLanguage()
    {
        QFETCH(QString, language);
        QFETCH(QString, all);
        QFETCH(QString, messages);
        QFETCH(QString, lang);
        QFETCH(QString, chosen);
        const QMap<QString, QString> environment{
            {"LANGUAGE", language}, {"LC_ALL", all}, {"LC_MESSAGES", messages}, {"LANG", lang}};
        const auto read = [&](const char *name) { return environment.value(QLatin1String(name)); };
        QCOMPARE(Translations::chooseLanguage(read, {"de", "es", "fr", "he", "it"}), chosen);
    }

    // Every language of the build is there, and speaks the window's and the core's texts.
    void shouldShipEveryLanguage()
    {
        const QStringList directories{buildPath("KEYLON2_TRANSLATIONS_DIR")};
        QStringList shipped = Translations::shipped(directories);
        shipped.sort();
        QCOMPARE(shipped, QStringList({"de", "es", "fr", "he", "it"}));
        for (const QString &language : shipped) {
            QTranslator translator;
            QVERIFY(translator.load(QStringLiteral("keylon2_") + language, directories.first()));
            QVERIFY2(!translator.translate("Window", "Import").isEmpty(), qPrintable(language));
            QVERIFY2(!translator.translate("Core", "preamble").isEmpty(), qPrintable(language));
        }
    }

    // The right-to-left language turns the whole application around; the others leave it.
    void shouldSetTheLayoutDirection_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<bool>("rightToLeft");
        QTest::newRow("de") << "de" << false;
        QTest::newRow("he") << "he" << true;
    }

    void shouldSetTheLayoutDirection()
    {
        QFETCH(QString, language);
        QFETCH(bool, rightToLeft);
        QVERIFY(Translations::install(*qApp, language, {buildPath("KEYLON2_TRANSLATIONS_DIR")}));
        QCOMPARE(qApp->layoutDirection() == Qt::RightToLeft, rightToLeft);
        for (QTranslator *translator : qApp->findChildren<QTranslator *>()) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        }
        QCOMPARE(qApp->layoutDirection(), Qt::LeftToRight);
    }

    // Right to left, the whole window is turned around: a widget at a fixed place, in a group,
    // on a tab page, sits as far from the right edge as it sits from the left in English.
    void shouldMirrorTheWindowRightToLeft()
    {
        const QStringList names{"ConnectBut", "tabWidget", "FWLbl", "PreAmbleChk", "KB_cmb", "ClearBut",
                                "USBKB_radcmd"};
        QMap<QString, QRect> leftToRight;
        {
            MainWindow window;
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            leftToRight = placesOf(window, names);
        }
        qApp->setLayoutDirection(Qt::RightToLeft);
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QMap<QString, QRect> rightToLeft = placesOf(window, names);
        for (const QString &name : names) {
            const QRect english = leftToRight[name];
            QCOMPARE(rightToLeft[name], QRect(window.width() - english.x() - english.width(), english.y(),
                                     english.width(), english.height()));
        }
        qApp->setLayoutDirection(Qt::LeftToRight);
    }
};

QTEST_MAIN(TranslationsTest)
#include "tst_translations.moc"
