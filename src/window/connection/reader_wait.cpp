#include "window/connection/reader_wait.h"

#include <QApplication>
#include <QCursor>
#include <QEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QWidget>

#include "window/connection/exchange_runner.h"
#include "window/connection/operator_input.h"
#include "window/ui/ui_mainwindow.h"

namespace {

bool belongsTo(QObject *object, const QObject *window)
{
    for (; object; object = object->parent()) {
        if (object == window)
            return true;
    }
    return false;
}

}  // namespace

ReaderWait::ReaderWait(QWidget &window, Ui::MainWindow &ui, ExchangeRunner &runner)
    : window_(window)
    , ui_(ui)
    , runner_(runner)
{
    window_.installEventFilter(this);
    connect(&runner_, &ExchangeRunner::started, this, &ReaderWait::begin);
    connect(&runner_, &ExchangeRunner::finished, this, &ReaderWait::end);
}

ReaderWait::~ReaderWait()
{
    if (waiting_)
        QApplication::restoreOverrideCursor();
}

void ReaderWait::begin()
{
    waiting_ = true;
    focus_ = window_.focusWidget();
    // Another connect, read, write, file or interface choice while this exchange runs would
    // meet a link in the middle of it.
    const std::initializer_list<QWidget *> mustWait = {
        ui_.ConnectBut,    ui_.USBKB_radcmd, ui_.Searal_radcmd, ui_.SerialNameEdit,
        ui_.GetKLNStatusBut, ui_.SetKLNStatusBut, ui_.ChangeModeBut, ui_.FWUpdateBut,
        ui_.ImportBut,     ui_.ExportBut,    ui_.DefaultBut};
    for (QWidget *control : mustWait) {
        if (control->testAttribute(Qt::WA_ForceDisabled))
            continue;
        control->setEnabled(false);
        disabled_.push_back(control);
    }
    QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    qApp->installEventFilter(this);
}

void ReaderWait::end()
{
    qApp->removeEventFilter(this);
    QApplication::restoreOverrideCursor();
    for (const QPointer<QWidget> &control : disabled_) {
        if (control)
            control->setEnabled(true);
    }
    disabled_.clear();
    // A focused control that was disabled handed the focus on; it gets it back.
    if (focus_ && focus_->isEnabled() && window_.focusWidget() != focus_)
        focus_->setFocus(Qt::OtherFocusReason);
    focus_.clear();
    waiting_ = false;
    if (closeAsked_)
        QTimer::singleShot(0, this, &ReaderWait::closeWhenIdle);
}

// After the exchange the action shows its box; the window closes once it is answered and
// the action is over.
void ReaderWait::closeWhenIdle()
{
    if (runner_.busy() || QApplication::activeModalWidget()) {
        QTimer::singleShot(50, this, &ReaderWait::closeWhenIdle);
        return;
    }
    closeAsked_ = false;
    window_.close();
}

bool ReaderWait::eventFilter(QObject *watched, QEvent *event)
{
    if (!waiting_)
        return false;
    if (watched == &window_ && event->type() == QEvent::Close) {
        closeAsked_ = true;
        event->ignore();
        return true;
    }
    if (event->type() == QEvent::ShortcutOverride && belongsTo(watched, &window_)) {
        // Taken as the control's own key, so that no shortcut fires; the key press itself is
        // held off below.
        event->accept();
        return true;
    }
    return isOperatorInput(event->type()) && belongsTo(watched, &window_);
}
