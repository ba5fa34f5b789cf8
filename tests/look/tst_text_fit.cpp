// Runs on a real X server (Xvfb): the offscreen platform does not use the desktop's fonts.
// CTest runs it once per screen (DPI and QT_SCALE_FACTOR) and names the factor the window must
// be scaled by in KEYLON2_SCREEN_FACTOR.
#include <QAbstractButton>
#include <QCheckBox>
#include <QIcon>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QWindow>
#include <QtTest>

#include "build_paths.h"
#include "window/app/mainwindow.h"
#include "core/platform/platform.h"
#include "window/ui/screen_scaling.h"
#include "window/ui/ui_mainwindow.h"
#include "window/ui/window_tr.h"
#include "core/text/translations.h"
#include "window_probe.h"

namespace {

// The width a widget's text needs, with what its style draws beside it (indicator, frame,
// margins), and the width the layout gives it. Null when the widget shows no text.
struct Need
{
    int need = 0;
    int room = 0;
};

Need needOf(QWidget *widget)
{
    const QFontMetrics fm(widget->font());
    if (auto label = qobject_cast<QLabel *>(widget)) {
        if (label->text().isEmpty())
            return {};
        return {label->sizeHint().width(), label->contentsRect().width() + 2 * label->margin()};
    }
    if (qobject_cast<QCheckBox *>(widget) || qobject_cast<QRadioButton *>(widget)) {
        auto button = static_cast<QAbstractButton *>(widget);
        if (button->text().isEmpty())
            return {};
        // The text is drawn in the contents rectangle, right of the indicator.
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        const bool check = qobject_cast<QCheckBox *>(widget);
        const QRect contents = button->style()->subElementRect(
            check ? QStyle::SE_CheckBoxContents : QStyle::SE_RadioButtonContents, &option, button);
        return {fm.size(Qt::TextShowMnemonic, button->text()).width(), contents.width()};
    }
    if (auto button = qobject_cast<QPushButton *>(widget)) {
        if (button->text().isEmpty())
            return {};
        // The style's own minimum width of a push button is no part of the text's need.
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        const QRect contents = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        return {fm.size(Qt::TextShowMnemonic, button->text()).width(), contents.width()};
    }
    if (auto box = qobject_cast<QGroupBox *>(widget)) {
        if (box->title().isEmpty())
            return {};
        QStyleOptionGroupBox option;
        option.initFrom(box);
        option.text = box->title();
        option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
        option.textAlignment = box->alignment();
        const QRect label = box->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box);
        // Right to left the title stands at the right edge and runs to the left.
        const int edge = box->isRightToLeft() ? box->width() - label.left() : label.right() + 1;
        return {edge + fm.horizontalAdvance(' '), box->width()};
    }
    return {};
}

// The texts of a shown window that do not fit their rooms; how many were measured in measured.
QStringList cutTexts(QWidget &window, int &measured)
{
    // These lie under the connect button and the text area on purpose, or only a screen
    // reader meets them (the affix pickers' labels); nobody sees them.
    const QStringList covered = {"TestBut", "Debuglabel", "TrigBut", "Pre_cmb_label", "Post_cmb_label",
                                 "Remove_cmb_label"};
    QStringList cut;
    measured = 0;
    for (QWidget *widget : window.findChildren<QWidget *>()) {
        if (covered.contains(widget->objectName()))
            continue;
        const Need need = needOf(widget);
        if (need.need == 0)
            continue;
        ++measured;
        if (need.need > need.room)
            cut << QStringLiteral("%1 (needs %2, has %3)").arg(widget->objectName()).arg(need.need).arg(need.room);
    }
    return cut;
}

}  // namespace

class TextFitTest : public QObject
{
    Q_OBJECT

public:
    // Before the application object exists, as the utility's main() does.
    static void initMain() { enableScreenScaling(); }

private slots:
    // The desktop's language (LANG and the rest, as CTest sets them per language), from the
    // translations this build made; English when none is asked for.
    void initTestCase()
    {
        const QStringList directories{buildPath("KEYLON2_TRANSLATIONS_DIR")};
        const auto environment = [](const char *name) { return QString::fromLocal8Bit(qgetenv(name)); };
        const QString language = Translations::chooseLanguage(environment, Translations::shipped(directories));
        QCOMPARE(language, qEnvironmentVariable("KEYLON2_EXPECTED_LANGUAGE"));
        QVERIFY(Translations::install(*qApp, language, directories));
    }

    void init() { Platform::setPortEnumerator([] { return QList<Platform::PortRecord>(); }); }
    void cleanup() { Platform::resetSeams(); }

    void shouldScaleByTheScreensExactFactor()
    {
        bool given = false;
        const double factor = qEnvironmentVariable("KEYLON2_SCREEN_FACTOR").toDouble(&given);
        if (!given)
            QSKIP("KEYLON2_SCREEN_FACTOR names the factor this screen must give");
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY2(qAbs(window.devicePixelRatioF() - factor) < 0.001,
                 qPrintable(QStringLiteral("scaled by %1").arg(window.devicePixelRatioF())));
        QCOMPARE(window.size(), QSize(591, 451));
    }

    // Each icon comes from an image with at least as many pixels as it covers on this screen,
    // never enlarged: at 1x the 48 x 48 image, above 1x the 2x image.
    void shouldDrawTheConnectIconsAtTheScreensPixels()
    {
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        if (window.devicePixelRatioF() > 2.0)
            QSKIP("the icons have 1x and 2x images; this screen's factor is above 2");
        const QSize box = uiOf(window)->ConnectBut->iconSize();
        // The icons as the connect button gets them: the one it shows now, and each state's.
        const QList<std::pair<const char *, QIcon>> icons = {
            {"shown", uiOf(window)->ConnectBut->icon()},
            {"connect_creating", iconForScreens(QStringLiteral(":/image/connect_creating.png"))},
            {"connect_established", iconForScreens(QStringLiteral(":/image/connect_established.png"))},
            {"connect_no", iconForScreens(QStringLiteral(":/image/connect_no.png"))}};
        for (const auto &[name, icon] : icons) {
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
            const QPixmap shown = icon.pixmap(box, window.devicePixelRatioF());
#else
            const QPixmap shown = icon.pixmap(window.windowHandle(), box);
#endif
            QVERIFY2(qAbs(shown.devicePixelRatioF() - window.devicePixelRatioF()) < 0.001,
                     qPrintable(QStringLiteral("%1: %2 x %3 pixels at %4 for a %5 screen")
                                    .arg(QLatin1String(name))
                                    .arg(shown.width())
                                    .arg(shown.height())
                                    .arg(shown.devicePixelRatioF())
                                    .arg(window.devicePixelRatioF())));
        }
    }

    // Texts that the slots put in place after start-up are measured too.
    void shouldFitEveryTextInItsRoom_data()
    {
        QTest::addColumn<QString>("changeMode");
        QTest::addColumn<QString>("version");
        QTest::newRow("at start-up") << QString() << QString();
        QTest::newRow("connected over USB KB") << "to Serial" << "1.20";
        QTest::newRow("connected over the serial port") << "to USB KB" << "QKR1.20";
    }
    void shouldFitEveryTextInItsRoom()
    {
        QFETCH(QString, changeMode);
        QFETCH(QString, version);
        MainWindow window;
        if (!changeMode.isEmpty()) {
            uiOf(window)->ChangeModeBut->setText(WindowText::tr(qPrintable(changeMode)));
            uiOf(window)->CodeType_lbl->setText(WindowText::tr("ASCII Code"));
            uiOf(window)->FWLbl->setText(WindowText::tr("F/W Version: %1").arg(version));
        }
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        int measured = 0;
        const QStringList cut = cutTexts(window, measured);
        QVERIFY(measured >= 25);
        QVERIFY2(cut.isEmpty(), qPrintable("cut off with " + window.font().toString() + ": " + cut.join(", ")));
    }

    // The desktop's application font grows the whole window with it, above the usual 10 pt,
    // as far as the screen's available area goes (less room for a title bar and a border as
    // the style draws them), in steps of a hundredth; every text still fits. One row
    // per screen this test runs on and font; the rows of the screens it does not run on now
    // are left out.
    void shouldFollowTheDesktopsFontWithinTheScreen_data()
    {
        QTest::addColumn<double>("pointSize");
        QTest::addColumn<QSize>("windowSize");
        struct Row
        {
            const char *screen;  // CTest's name for the screen: DPI, scale factor, size
            double pointSize;
            QSize windowSize;
        };
        const Row rows[] = {
            // 1920 x 1200 at 96 dpi: room for up to 2.6 times the window.
            {"dpi96", 9, {591, 451}},
            {"dpi96", 10, {591, 451}},
            {"dpi96", 16, {946, 722}},
            {"dpi96", 24, {1418, 1082}},
            // The other screens hold a 16 pt window whole: 2400 x 1536 (100 dpi), 1920 x 1200 (120
            // and 144 dpi), 1536 x 960 and 1280 x 800 (scaled by 1.25 and 1.5).
            {"dpi100", 16, {946, 722}},
            {"dpi120", 16, {946, 722}},
            {"dpi144", 16, {946, 722}},
            {"scale1.25", 16, {946, 722}},
            {"scale1.5", 16, {946, 722}},
            // 960 x 600 of the window's pixels (1920 x 1200 at 192 dpi, or scaled by 2): room
            // for 1.25 times.
            {"dpi192", 10, {591, 451}},
            {"dpi192", 16, {739, 564}},
            {"scale2", 16, {739, 564}},
            // 1920 x 1080 under QT_FONT_DPI=192 and QT_SCALE_FACTOR=2: 480 x 270, room for 0.52
            // times; the window as drawn would be 2364 x 1804 screen pixels.
            {"limit", 10, {307, 235}},
            {"limit", 16, {307, 235}},
        };
        const QByteArray screen = qgetenv("KEYLON2_SCREEN");
        int added = 0;
        for (const Row &row : rows) {
            if (screen == row.screen) {
                QTest::addRow("%s, %g pt", row.screen, row.pointSize) << row.pointSize << row.windowSize;
                ++added;
            }
        }
        if (added == 0)
            QSKIP("KEYLON2_SCREEN names no screen of the table");
    }
    void shouldFollowTheDesktopsFontWithinTheScreen()
    {
        QFETCH(double, pointSize);
        QFETCH(QSize, windowSize);
        const QFont desktop = QApplication::font();
        QFont font = desktop;
        font.setPointSizeF(pointSize);
        QApplication::setFont(font);
        MainWindow window;
        QApplication::setFont(desktop);
        uiOf(window)->ChangeModeBut->setText("to USB KB");
        uiOf(window)->FWLbl->setText("F/W Version: QKR1.20");
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        QCOMPARE(window.size(), windowSize);
        const QRect available = window.screen()->availableGeometry();
        QVERIFY2(available.contains(QRect(available.topLeft(), window.frameGeometry().size())),
                 qPrintable(QStringLiteral("%1 x %2 on %3 x %4")
                                .arg(window.frameGeometry().width())
                                .arg(window.frameGeometry().height())
                                .arg(available.width())
                                .arg(available.height())));
        int measured = 0;
        const QStringList cut = cutTexts(window, measured);
        // KEYLON2_TEXT_FIT_SHOTS=DIR keeps a picture of each row's window, to look at.
        const QString shots = qEnvironmentVariable("KEYLON2_TEXT_FIT_SHOTS");
        if (!shots.isEmpty()) {
            const QString name = QStringLiteral("%1-%2pt.png").arg(QString::fromLatin1(qgetenv("KEYLON2_SCREEN"))).arg(pointSize);
            QVERIFY(window.grab().save(QDir(shots).filePath(name)));
        }
        QVERIFY(measured >= 25);
        QVERIFY2(cut.isEmpty(), qPrintable("cut off with " + window.font().toString() + ": " + cut.join(", ")));
    }
};

QTEST_MAIN(TextFitTest)
#include "tst_text_fit.moc"
