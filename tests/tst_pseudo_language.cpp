#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabBar>
#include <QTabWidget>
#include <QTranslator>
#include <QtTest>

#include "build_paths.h"
#include "window/app/mainwindow.h"
#include "reader_fixture.h"
#include "test_support.h"
#include "window/settings_page/file_dialogs.h"
#include "window/ui/ui_mainwindow.h"
#include "window_probe.h"

namespace {

QString noFile(QWidget *, const QString &, const QString &, const QString &) { return QString(); }

// What is left of a text once every pseudo-translated part ([Ácçéñtéd ····]) is taken out: a
// word of two letters or more there is English that skipped the translation. Key names of a
// tool tip's shortcut are Qt's, not ours.
QString englishIn(const QString &text)
{
    static const QRegularExpression translated(QStringLiteral("\\[[^\\[\\]]*·\\]"));
    static const QRegularExpression word(QStringLiteral("[A-Za-z]{2,}"));
    static const QStringList keys{"Alt", "Ctrl", "Shift", "Meta", "Return", "Enter", "Space", "Tab", "Esc", "Del"};
    // Innermost first: a translated text may hold another one (a name in a sentence).
    QString rest = text;
    for (QString before; before != rest;) {
        before = rest;
        rest.remove(translated);
    }
    auto words = word.globalMatch(rest);
    while (words.hasNext()) {
        const QString found = words.next().captured();
        if (!keys.contains(found))
            return found;
    }
    return QString();
}

// Every text a person sees or hears of the window: widget texts, titles, tabs, tool tips, the
// screen reader's names and descriptions, the keyboard countries. The affix pickers list ASCII
// control names (NUL, STX, ...), the same in every language; edits hold the operator's data.
// Each text comes after its widget's name and a line break.
QStringList textsOf(QWidget &window)
{
    QStringList texts{window.objectName() + QLatin1Char('\n') + window.windowTitle()};
    for (QWidget *widget : window.findChildren<QWidget *>()) {
        const QString name = widget->objectName();
        // Qt's own parts (the tab bar's scroll buttons) speak Qt's translations.
        if (name.startsWith(QLatin1String("qt_")) || qobject_cast<QTabBar *>(widget->parentWidget()))
            continue;
        const QString where = name + QLatin1Char('\n');
        if (auto label = qobject_cast<QLabel *>(widget))
            texts << where + label->text();
        else if (auto button = qobject_cast<QAbstractButton *>(widget))
            texts << where + button->text();
        else if (auto box = qobject_cast<QGroupBox *>(widget))
            texts << where + box->title();
        else if (auto tabs = qobject_cast<QTabWidget *>(widget)) {
            for (int i = 0; i < tabs->count(); ++i)
                texts << where + tabs->tabText(i);
        } else if (auto combo = qobject_cast<QComboBox *>(widget); combo && name == QLatin1String("KB_cmb")) {
            for (int i = 0; i < combo->count(); ++i)
                texts << where + combo->itemText(i);
        }
        texts << where + widget->toolTip() << where + widget->accessibleName();
        // A combo box describes itself by its value: an item, taken above where it is ours.
        const auto combo = qobject_cast<QComboBox *>(widget);
        if (!combo || widget->accessibleDescription() != combo->currentText())
            texts << where + widget->accessibleDescription();
    }
    return texts;
}

}  // namespace

// The window in the pseudo-language: any text left in English shows.
class PseudoLanguageTest : public QObject
{
    Q_OBJECT

    ReaderFixture::Bench bench;
    QTranslator pseudo;

    static void verifyTranslated(const QStringList &texts)
    {
        for (const QString &text : texts) {
            const QString english = englishIn(text.section(QLatin1Char('\n'), 1));
            QVERIFY2(english.isEmpty(), qPrintable(QStringLiteral("\"%1\" in %2").arg(english, text)));
        }
    }

private slots:
    void initTestCase()
    {
        QVERIFY(pseudo.load(QStringLiteral("keylon2_pseudo"), buildPath("KEYLON2_PSEUDO_DIR")));
        QVERIFY(QCoreApplication::installTranslator(&pseudo));
        FileDialogs::getSaveFileName = noFile;
        FileDialogs::getOpenFileName = noFile;
        QFile::remove("Default.cfg");
    }
    void cleanupTestCase() { FileDialogs::reset(); }
    void init() { bench.start(); }
    void cleanup() { bench.stop(); }

    void shouldCatchEnglish()
    {
        QCOMPARE(englishIn(QStringLiteral("[Ímpórt ··] (Alt+I)")), QString());
        QCOMPARE(englishIn(QStringLiteral("[Ímpórt ··] Export")), QStringLiteral("Export"));
        QCOMPARE(englishIn(QStringLiteral("Import")), QStringLiteral("Import"));
    }

    void shouldLeaveNoEnglishInTheWindow()
    {
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        verifyTranslated(textsOf(window));

        ReaderFixture::Reader reader;
        QVERIFY(reader.connect(window, false));
        QVERIFY(!reader.outcome.boxes.isEmpty());
        verifyTranslated(textsOf(window));
        QStringList boxes;
        for (const ModalCloser::Box &box : reader.outcome.boxes)
            boxes << box.title << box.text;

        // The boxes of the Setting page's buttons: a write, a write the reader cannot keep, no
        // default file, the file dialogs cancelled, the interface change declined.
        for (const char *button : {"SetKLNStatusBut", "DefaultBut", "ExportBut", "ImportBut", "ChangeModeBut"}) {
            ModalCloser closer(QMessageBox::No);
            window.findChild<QAbstractButton *>(button)->click();
            QVERIFY2(closer.waitForBoxes(1), button);
            boxes << closer.last().title << closer.last().text;
        }
        uiOf(window)->PreAmbleChk->setChecked(true);
        uiOf(window)->PreAmbleEdit->setText(QString(40, QLatin1Char('A')));
        const QList<ModalCloser::Box> overlong = ReaderFixture::clickAnswering(window, "SetKLNStatusBut");
        QCOMPARE(overlong.size(), 1);
        boxes << overlong.first().title << overlong.first().text;
        verifyTranslated(boxes);
    }
};

QTEST_MAIN(PseudoLanguageTest)
#include "tst_pseudo_language.moc"
