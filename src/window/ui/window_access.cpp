#include "window/ui/window_access.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleObject>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTextEdit>

#include <iterator>

#include "window/ui/ui_mainwindow.h"
#include "window/ui/window_tr.h"

namespace {

// The buttons that have a shortcut: the desktop's standard key where there is one. The others
// stay clear of the keys a text field takes for itself (Ctrl+K, Ctrl+D, Ctrl+E edit the line
// on X11), so they work from any control.
struct Shortcut
{
    QPushButton *Ui::MainWindow::*button;
    const char *actionName;
    QList<QKeySequence> (*keys)();
};

const Shortcut Shortcuts[] = {
    {&Ui::MainWindow::ConnectBut, "ConnectAction", [] { return QList<QKeySequence>{QKeySequence(Qt::CTRL | Qt::Key_L)}; }},
    {&Ui::MainWindow::ImportBut, "ImportAction", [] { return QKeySequence::keyBindings(QKeySequence::Open); }},
    {&Ui::MainWindow::ExportBut, "ExportAction", [] { return QKeySequence::keyBindings(QKeySequence::Save); }},
    // Get Status reads the page anew from the reader.
    {&Ui::MainWindow::GetKLNStatusBut, "GetStatusAction", [] { return QKeySequence::keyBindings(QKeySequence::Refresh); }},
    {&Ui::MainWindow::SetKLNStatusBut, "SetStatusAction",
     [] { return QList<QKeySequence>{QKeySequence(Qt::CTRL | Qt::Key_Return), QKeySequence(Qt::CTRL | Qt::Key_Enter)}; }},
};

// "Import (Ctrl+O)": what the button does and the key that does it too.
void hintShortcut(const Ui::MainWindow &ui, QPushButton *button, const QString &name)
{
    for (const Shortcut &shortcut : Shortcuts) {
        const QList<QKeySequence> keys = shortcut.keys();
        if (ui.*shortcut.button == button && !keys.isEmpty())
            button->setToolTip(QStringLiteral("%1 (%2)").arg(name, keys.first().toString(QKeySequence::NativeText)));
    }
}

// The affix pickers stand in one column under one heading ("Code"), which can label only one of
// them; each gets a label of its own that only a screen reader meets.
void addPickerLabel(QComboBox *picker)
{
    auto *label = new QLabel(picker->parentWidget());
    label->setObjectName(picker->objectName() + QStringLiteral("_label"));
    label->setGeometry(picker->geometry());
    label->setBuddy(picker);
    label->hide();
}

// On Linux Qt names a combo box by its current text, and a screen reader learns what it is from
// the label it is labelled by; other platforms read the combo box's own name.
void namePicker(QComboBox *picker, const QString &name)
{
    picker->setAccessibleName(name);
    auto *label = picker->parentWidget()->findChild<QLabel *>(picker->objectName() + QStringLiteral("_label"),
                                                              Qt::FindDirectChildrenOnly);
    label->setText(name);
    // A label never shown answers with the name of its group unless told its own.
    label->setAccessibleName(name);
}

// On Linux a screen reader takes a combo box's value from the entry selected in its list,
// which Qt does not offer as a selection: it read the box's label and role and no value, and
// heard no change of value (Qt tells of the change as a new name, which screen readers take for
// no news in a combo box). The value as the box's description is read after the label and role
// when the box gets the focus; a change moves the screen reader's attention onto the new entry
// in the list, which it reads out, as it does when the list is open.
void speakValue(QComboBox *box)
{
    box->setAccessibleDescription(box->currentText());
    QObject::connect(box, QOverload<int>::of(&QComboBox::currentIndexChanged), box, [box](int index) {
        box->setAccessibleDescription(box->currentText());
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
        if (index >= 0 && box->hasFocus() && QAccessible::isActive()) {
            QAccessibleEvent entry(box->view(), QAccessible::Focus);
            entry.setChild(index);
            QAccessible::updateAccessibility(&entry);
        }
#else
        Q_UNUSED(index);
#endif
    });
}

// A placeholder that holds a number Qt would otherwise hand out again (see IdKeeper).
class Placeholder : public QAccessibleObject
{
public:
    using QAccessibleObject::QAccessibleObject;
    QAccessibleInterface *parent() const override { return nullptr; }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QString text(QAccessible::Text) const override { return QString(); }
    QAccessible::Role role() const override { return QAccessible::NoRole; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.invisible = true;
        return state;
    }
};

// Qt numbers what it shows a screen reader, and the number of the object made last goes to the
// next object made as soon as that one is gone. A message box's objects are made last and go
// with the box: the next box's text, or a combo box's list, then came under a number that the
// screen reader still knew as a button or an alert, and the text went unread ("alert Connect
// Device. OK push button."). Once a window such as a box is gone, a placeholder takes that
// number, and what is made next gets a number never used.
class IdKeeper : public QObject
{
public:
    using QObject::QObject;

    void retire()
    {
        delete placeholder_;  // its own number lies below the one to take
        placeholder_ = new QObject(this);
        QAccessible::registerAccessibleInterface(new Placeholder(placeholder_));
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show && watched->isWidgetType() && static_cast<QWidget *>(watched)->isWindow()
            && !watched->property(Watched).toBool()) {
            watched->setProperty(Watched, true);
            connect(watched, &QObject::destroyed, this, &IdKeeper::retire);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    static constexpr const char *Watched = "keylon2IdsKept";
    QObject *placeholder_ = nullptr;
};

// Ctrl+Tab and Ctrl+Shift+Tab change the page from any control: a combo box would take them
// for a search in its list, a text field for itself. The focus goes to the page tabs, which a
// screen reader announces by the page's name.
void addPageKeys(Ui::MainWindow &ui, QMainWindow &window)
{
    const struct
    {
        const char *name;
        QKeySequence::StandardKey keys;
        int step;
    } pageKeys[] = {{"NextPageAction", QKeySequence::NextChild, 1}, {"PreviousPageAction", QKeySequence::PreviousChild, -1}};
    for (const auto &pageKey : pageKeys) {
        auto *action = new QAction(&window);
        action->setObjectName(QString::fromLatin1(pageKey.name));
        QList<QKeySequence> keys = QKeySequence::keyBindings(pageKey.keys);
        // Shift+Tab comes as Backtab or as Tab with Shift, as the keyboard's driver has it.
        if (pageKey.step < 0)
            keys << QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab);
        action->setShortcuts(keys);
        window.addAction(action);
        QTabWidget *pages = ui.tabWidget;
        const int step = pageKey.step;
        QObject::connect(action, &QAction::triggered, pages, [pages, step] {
            if (!pages->isEnabled() || pages->count() == 0)
                return;
            pages->setCurrentIndex((pages->currentIndex() + step + pages->count()) % pages->count());
            pages->tabBar()->setFocus(Qt::TabFocusReason);
        });
    }
}

}  // namespace

namespace WindowAccess {

void setUp(Ui::MainWindow &ui, QMainWindow &window)
{
    // The test button and the debug label lie under the connect button, the scan button under
    // the text area: nobody sees them, so neither Tab nor a screen reader meets them. They keep
    // their place, their names and their connections.
    for (QWidget *covered : std::initializer_list<QWidget *>{ui.TestBut, ui.Debuglabel, ui.TrigBut}) {
        covered->setFocusPolicy(Qt::NoFocus);
        covered->hide();
    }

    // The output field holds what the reader sends; a tab typed into it would only trap the
    // keyboard there.
    ui.ScannerEdit->setTabChangesFocus(true);

    for (QComboBox *picker : {ui.Pre_cmb, ui.Post_cmb, ui.Remove_cmb})
        addPickerLabel(picker);
    ui.Label1_2->setBuddy(ui.KB_cmb);
    ui.label->setBuddy(ui.KLNOutStartEdit);
    ui.Label1->setBuddy(ui.KLNOutLengthEdit);

    // Reading order: the interface box and the connect button, the page, its row of buttons.
    std::vector<QWidget *> order = {ui.USBKB_radcmd, ui.Searal_radcmd, ui.SerialNameEdit, ui.ConnectBut,
                                    ui.tabWidget,    ui.ScannerEdit,   ui.ClearBut};
    const std::vector<QWidget *> settings = ui.settingControls();
    order.insert(order.end(), settings.begin(), settings.end());
    order.insert(order.end(), {ui.FWUpdateBut, ui.ChangeModeBut, ui.ImportBut, ui.ExportBut, ui.DefaultBut,
                               ui.GetKLNStatusBut, ui.SetKLNStatusBut});
    for (size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);

    for (const Shortcut &shortcut : Shortcuts) {
        QPushButton *button = ui.*shortcut.button;
        auto *action = new QAction(&window);
        action->setObjectName(QString::fromLatin1(shortcut.actionName));
        action->setShortcuts(shortcut.keys());
        window.addAction(action);
        QObject::connect(action, &QAction::triggered, button, [button] {
            // What a click does, where a click could be: never on a disabled button, nor on one
            // of the page that is not shown (the page decides what a read or write does).
            if (button->isEnabled() && button->isVisible())
                button->click();
        });
    }

    addPageKeys(ui, window);
    for (QComboBox *box : {ui.Pre_cmb, ui.Post_cmb, ui.Remove_cmb, ui.KB_cmb})
        speakValue(box);
    qApp->installEventFilter(new IdKeeper(&window));

    nameControls(ui);
}

void nameControls(Ui::MainWindow &ui)
{
    ui.SerialNameEdit->setAccessibleName(WindowText::tr("Serial port name"));
    ui.ScannerEdit->setAccessibleName(WindowText::tr("Output"));
    ui.PreAmbleEdit->setAccessibleName(WindowText::tr("Preamble"));
    ui.PostAmbleEdit->setAccessibleName(WindowText::tr("Postamble"));
    ui.RemoveDataEdit->setAccessibleName(WindowText::tr("Remove data"));
    ui.KLNOutStartEdit->setAccessibleName(WindowText::tr("Output start"));
    ui.KLNOutLengthEdit->setAccessibleName(WindowText::tr("Output length"));
    namePicker(ui.Pre_cmb, WindowText::tr("Preamble ASCII code"));
    namePicker(ui.Post_cmb, WindowText::tr("Postamble ASCII code"));
    namePicker(ui.Remove_cmb, WindowText::tr("Remove data ASCII code"));
    // The label says "KB Country"; read out, the short form is no word.
    ui.KB_cmb->setAccessibleName(WindowText::tr("Keyboard country"));
    ui.Label1_2->setAccessibleName(WindowText::tr("Keyboard country"));
    // Its name is its text, which says where a press takes the reader ("to Serial"); the
    // heading above it, in another row of the page, is no label a screen reader would find.
    ui.ChangeModeBut->setAccessibleDescription(WindowText::tr("Change Interface"));

    for (QPushButton *button : {ui.ImportBut, ui.ExportBut, ui.GetKLNStatusBut, ui.SetKLNStatusBut})
        hintShortcut(ui, button, QString(button->text()).remove(QLatin1Char('&')));
    showConnectState(ui, false);
}

void showConnectState(Ui::MainWindow &ui, bool connected)
{
    const QString name = connected ? WindowText::tr("Disconnect") : WindowText::tr("Connect");
    ui.ConnectBut->setAccessibleName(name);
    hintShortcut(ui, ui.ConnectBut, name);
    // Without a description of its own a button describes itself by its tool tip; the state
    // comes first, the tool tip after it.
    const QString state = connected ? WindowText::tr("Connected") : WindowText::tr("Not connected");
    ui.ConnectBut->setAccessibleDescription(QStringLiteral("%1. %2").arg(state, ui.ConnectBut->toolTip()));
}

}  // namespace WindowAccess
