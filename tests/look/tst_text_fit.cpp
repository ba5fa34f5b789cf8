// Runs on a real X server (Xvfb): the offscreen platform does not use the desktop's fonts.
#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QtTest>

#include "app/mainwindow.h"
#include "platform/platform.h"
#include "ui/ui_mainwindow.h"
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
        return {label.right() + 1 + fm.horizontalAdvance(' '), box->width()};
    }
    return {};
}

}  // namespace

class TextFitTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { Platform::setPortEnumerator([] { return QList<Platform::PortRecord>(); }); }
    void cleanup() { Platform::resetSeams(); }

    // Texts that the slots put in place after start-up are measured too.
    void shouldFitEveryTextInItsRoom_data()
    {
        QTest::addColumn<QString>("changeMode");
        QTest::addColumn<QString>("version");
        QTest::newRow("at start-up") << QString() << QString();
        QTest::newRow("connected over USB KB") << "to Serial" << "F/W Version: 1.20";
        QTest::newRow("connected over the serial port") << "to USB KB" << "F/W Version: QKR1.20";
    }
    void shouldFitEveryTextInItsRoom()
    {
        QFETCH(QString, changeMode);
        QFETCH(QString, version);
        MainWindow window;
        if (!changeMode.isEmpty()) {
            uiOf(window)->ChangeModeBut->setText(changeMode);
            uiOf(window)->CodeType_lbl->setText("ASCII Code");
            uiOf(window)->FWLbl->setText(version);
        }
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        // These lie under the connect button and the text area on purpose; nobody sees them.
        const QStringList covered = {"TestBut", "Debuglabel", "TrigBut"};
        QStringList cut;
        int measured = 0;
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
        QVERIFY(measured >= 25);
        QVERIFY2(cut.isEmpty(), qPrintable("cut off with " + window.font().toString() + ": " + cut.join(", ")));
    }
};

QTEST_MAIN(TextFitTest)
#include "tst_text_fit.moc"
