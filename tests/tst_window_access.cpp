#include <QAbstractButton>
#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTabBar>
#include <QTabWidget>
#include <QtTest>

#include "window/app/mainwindow.h"
#include "core/platform/platform.h"
#include "window/ui/ui_mainwindow.h"
#include "window_probe.h"

namespace {

// What a screen reader says a control is. On Linux Qt names a combo box by its current text,
// and the reader takes what the box is from the labels it is labelled by, less the group it
// sits in (Orca's rule).
QString heard(QWidget *widget)
{
    QAccessibleInterface *control = QAccessible::queryAccessibleInterface(widget);
    if (control->role() != QAccessible::ComboBox)
        return control->text(QAccessible::Name);
    QStringList labels;
    for (const auto &relation : control->relations(QAccessible::Label)) {
        auto *label = qobject_cast<QWidget *>(relation.first->object());
        if (label && !label->isAncestorOf(widget))
            labels << relation.first->text(QAccessible::Name);
    }
    return labels.join(QLatin1Char(' '));
}

QRect placeIn(const QWidget *widget, const QWidget *window)
{
    return QRect(widget->mapTo(window, QPoint(0, 0)), widget->size());
}

// Every control that takes focus, in reading order: the object name, its role and what it is called.
struct Control
{
    const char *name;
    QAccessible::Role role;
    const char *heard;
};

const Control Controls[] = {
    {"USBKB_radcmd", QAccessible::RadioButton, "USB KB"},
    {"Searal_radcmd", QAccessible::RadioButton, "Serial Port"},
    {"SerialNameEdit", QAccessible::EditableText, "Serial port name"},
    {"ConnectBut", QAccessible::Button, "Connect"},
    {"qt_tabwidget_tabbar", QAccessible::PageTabList, "Setting"},  // the page it shows
    {"ScannerEdit", QAccessible::EditableText, "Output"},
    {"ClearBut", QAccessible::Button, "Clear"},
    {"PreAmbleChk", QAccessible::CheckBox, "PreAmble Enable"},
    {"PreAmbleEdit", QAccessible::EditableText, "Preamble"},
    {"Pre_cmb", QAccessible::ComboBox, "Preamble ASCII code"},
    {"PostAmbleChk", QAccessible::CheckBox, "PostAmble Enable"},
    {"PostAmbleEdit", QAccessible::EditableText, "Postamble"},
    {"Post_cmb", QAccessible::ComboBox, "Postamble ASCII code"},
    {"RemoveDataChk", QAccessible::CheckBox, "Remove Data Enable"},
    {"RemoveIDCodeChk", QAccessible::CheckBox, "Remove ID Code Enable"},
    {"RemoveDataEdit", QAccessible::EditableText, "Remove data"},
    {"Remove_cmb", QAccessible::ComboBox, "Remove data ASCII code"},
    {"AutoReportChk", QAccessible::CheckBox, "ID Code Auto Report"},
    {"BuzzerEnableChk", QAccessible::CheckBox, "Buzzer Enable"},
    {"KLNOutStartEdit", QAccessible::EditableText, "Output start"},
    {"KLNOutLengthEdit", QAccessible::EditableText, "Output length"},
    {"KB_cmb", QAccessible::ComboBox, "Keyboard country"},
    {"FWUpdateBut", QAccessible::Button, "FW Update"},
    {"ChangeModeBut", QAccessible::Button, "Change Mode"},
    {"ImportBut", QAccessible::Button, "Import"},
    {"ExportBut", QAccessible::Button, "Export"},
    {"DefaultBut", QAccessible::Button, "Default"},
    {"GetKLNStatusBut", QAccessible::Button, "Get Status"},
    {"SetKLNStatusBut", QAccessible::Button, "Set Status"},
};

}  // namespace

class WindowAccessTest : public QObject
{
    Q_OBJECT

    MainWindow *window = nullptr;
    Ui::MainWindow *ui = nullptr;

    void showActive()
    {
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
    }

    QWidget *control(const char *name) { return window->findChild<QWidget *>(QLatin1String(name)); }

private slots:
    void init()
    {
        Platform::setPortEnumerator([] { return QList<Platform::PortRecord>(); });
        window = new MainWindow;
        ui = uiOf(*window);
    }
    void cleanup()
    {
        delete window;
        Platform::resetSeams();
    }

    void shouldNameEveryControlThatTakesFocus()
    {
        QMap<QAccessible::Role, QStringList> names;
        for (const Control &c : Controls) {
            QWidget *widget = control(c.name);
            QVERIFY2(widget, c.name);
            QVERIFY2(widget->focusPolicy() & Qt::TabFocus, c.name);
            QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(widget);
            QCOMPARE(accessible->role(), c.role);
            QCOMPARE(heard(widget), QString::fromLatin1(c.heard));
            names[c.role] << heard(widget);
        }
        for (auto kind = names.cbegin(); kind != names.cend(); ++kind)
            QCOMPARE(QSet<QString>(kind->begin(), kind->end()).size(), kind->size());

        // Nothing else in the window takes focus, and what lies under other widgets is neither
        // reached nor on screen for a screen reader. On the window as shown: Qt 6 hides the tab
        // bar's scroll buttons only once it lays the tabs out.
        showActive();
        QStringList listed;
        for (const Control &c : Controls)
            listed << QLatin1String(c.name);
        for (QWidget *widget : window->findChildren<QWidget *>()) {
            const bool keptHidden = widget->testAttribute(Qt::WA_WState_ExplicitShowHide) && widget->isHidden();
            if (widget->window() != window || keptHidden || !(widget->focusPolicy() & Qt::TabFocus)
                || widget->focusProxy())
                continue;
            QVERIFY2(listed.contains(widget->objectName()), qPrintable(widget->objectName()));
        }
        ui->tabWidget->setCurrentIndex(0);  // the scan button's page
        showActive();
        for (QWidget *covered : {static_cast<QWidget *>(ui->TestBut), static_cast<QWidget *>(ui->Debuglabel),
                                 static_cast<QWidget *>(ui->TrigBut)}) {
            QCOMPARE(covered->focusPolicy(), Qt::NoFocus);
            QVERIFY(QAccessible::queryAccessibleInterface(covered)->state().invisible);
        }
    }

    // A round of Tab from the first control visits each enabled control on the page shown,
    // in the table's order, never going to a control wholly above the last, and wraps.
    void shouldTabThroughTheControlsInReadingOrder_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<bool>("connected");
        QTest::addColumn<bool>("serial");
        QTest::newRow("not connected") << 1 << false << false;
        QTest::newRow("Setting page") << 1 << true << false;
        QTest::newRow("Setting page, serial") << 1 << true << true;
        QTest::newRow("Status page") << 0 << true << false;
    }
    void shouldTabThroughTheControlsInReadingOrder()
    {
        QFETCH(int, page);
        QFETCH(bool, connected);
        QFETCH(bool, serial);
        ui->tabWidget->setCurrentIndex(page);
        window->EnableControls(connected);
        showActive();
        if (serial) {
            // The keyboard's way to the serial port: an arrow key in the interface box, which
            // opens the port field as a click does.
            ui->USBKB_radcmd->setFocus(Qt::TabFocusReason);
            QTest::keyClick(ui->USBKB_radcmd, Qt::Key_Down);
            QVERIFY(ui->Searal_radcmd->isChecked());
            QVERIFY(ui->SerialNameEdit->isEnabled());
        }

        // Tab enters the interface box at the radio button checked; arrow keys choose another.
        QList<QWidget *> expected;
        for (const Control &c : Controls) {
            QWidget *widget = control(c.name);
            auto *radio = qobject_cast<QRadioButton *>(widget);
            if (widget->isEnabled() && widget->isVisible() && (!radio || radio->isChecked()))
                expected << widget;
        }
        QVERIFY(expected.size() >= (connected ? 5 : 2));
        expected.first()->setFocus(Qt::TabFocusReason);
        QList<QWidget *> visited;
        for (int i = 0; i < expected.size(); ++i) {
            visited << QApplication::focusWidget();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(visited, expected);
        QCOMPARE(QApplication::focusWidget(), expected.first());
        for (int i = 1; i < visited.size(); ++i)
            QVERIFY2(placeIn(visited[i], window).bottom() >= placeIn(visited[i - 1], window).top(),
                     qPrintable(visited[i - 1]->objectName() + " > " + visited[i]->objectName()));
    }

    // Ctrl+Tab and Ctrl+Shift+Tab change the page from any control, a list included (which
    // would take the key for a search), and leave the focus on the page tabs.
    void shouldChangeThePageFromAnyControl_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("pageAfter");
        const int ctrl = Qt::ControlModifier;
        const int ctrlShift = Qt::ControlModifier | Qt::ShiftModifier;
        QTest::newRow("Ctrl+Tab in a list") << "KB_cmb" << 1 << int(Qt::Key_Tab) << ctrl << 0;
        QTest::newRow("Ctrl+Shift+Tab in a list") << "Pre_cmb" << 1 << int(Qt::Key_Backtab) << ctrlShift << 0;
        QTest::newRow("Ctrl+Tab in a field") << "KLNOutStartEdit" << 1 << int(Qt::Key_Tab) << ctrl << 0;
        QTest::newRow("Ctrl+Tab in the output") << "ScannerEdit" << 0 << int(Qt::Key_Tab) << ctrl << 1;
        QTest::newRow("Ctrl+Shift+Tab on a button") << "ClearBut" << 0 << int(Qt::Key_Backtab) << ctrlShift << 1;
        QTest::newRow("Ctrl+Tab on the interface box") << "USBKB_radcmd" << 1 << int(Qt::Key_Tab) << ctrl << 0;
    }
    void shouldChangeThePageFromAnyControl()
    {
        QFETCH(QString, from);
        QFETCH(int, page);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(int, pageAfter);
        ui->tabWidget->setCurrentIndex(page);
        window->EnableControls(true);
        showActive();
        QWidget *start = control(qPrintable(from));
        start->setFocus(Qt::TabFocusReason);
        QCOMPARE(QApplication::focusWidget(), start);

        QTest::keyClick(start, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(ui->tabWidget->currentIndex(), pageAfter);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(ui->tabWidget->tabBar()));
    }

    // A shortcut clicks its button when a click could: on an enabled button of the page shown.
    void shouldClickTheButtonOfAShortcut_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QKeySequence>("keys");
        QTest::addColumn<int>("page");
        QTest::addColumn<bool>("connected");
        QTest::addColumn<int>("clicks");
        const auto row = [](const char *tag, const char *button, QKeySequence keys, int page, bool connected,
                            int clicks) {
            QTest::newRow(tag) << QString::fromLatin1(button) << keys << page << connected << clicks;
        };
        row("connect", "ConnectBut", QKeySequence(Qt::CTRL | Qt::Key_L), 1, false, 1);
        row("disconnect, Status page", "ConnectBut", QKeySequence(Qt::CTRL | Qt::Key_L), 0, true, 1);
        row("import", "ImportBut", QKeySequence::Open, 1, true, 1);
        row("import, not connected", "ImportBut", QKeySequence::Open, 1, false, 0);
        row("import, Status page", "ImportBut", QKeySequence::Open, 0, true, 0);
        row("export", "ExportBut", QKeySequence::Save, 1, true, 1);
        row("get status", "GetKLNStatusBut", QKeySequence::Refresh, 1, true, 1);
        row("get status, not connected", "GetKLNStatusBut", QKeySequence::Refresh, 1, false, 0);
        row("set status", "SetKLNStatusBut", QKeySequence(Qt::CTRL | Qt::Key_Return), 1, true, 1);
        row("set status, Status page", "SetKLNStatusBut", QKeySequence(Qt::CTRL | Qt::Key_Return), 0, true, 0);
    }
    void shouldClickTheButtonOfAShortcut()
    {
        QFETCH(QString, button);
        QFETCH(QKeySequence, keys);
        QFETCH(int, page);
        QFETCH(bool, connected);
        QFETCH(int, clicks);
        auto *pushButton = window->findChild<QPushButton *>(button);
        QVERIFY(pushButton);
        // The click alone is under test: the slot would open a file dialog or talk to a reader.
        QVERIFY(QObject::disconnect(pushButton, nullptr, window, nullptr));
        QSignalSpy clicked(pushButton, &QAbstractButton::clicked);
        ui->tabWidget->setCurrentIndex(page);
        window->EnableControls(connected);
        // From a text field, which takes some Ctrl keys for itself.
        ui->SerialNameEdit->setEnabled(true);
        showActive();
        ui->SerialNameEdit->setFocus();

        QTest::keySequence(window, keys);
        QCOMPARE(clicked.count(), clicks);
        QVERIFY2(pushButton->toolTip().endsWith(QStringLiteral(" (%1)").arg(keys.toString(QKeySequence::NativeText))),
                 qPrintable(pushButton->toolTip()));
    }
};

QTEST_MAIN(WindowAccessTest)
#include "tst_window_access.moc"
