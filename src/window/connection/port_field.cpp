#include "window/connection/port_field.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLineEdit>
#include <QWidget>

#include "core/link/port_choice.h"
#include "core/platform/platform.h"

namespace {

const QEvent::Type FillEvent = QEvent::Type(QEvent::registerEventType());

// Events by which the operator can change something: what the list must come before.
bool fromOperator(QEvent::Type type)
{
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::Wheel:
    case QEvent::TouchBegin:
    case QEvent::TabletPress:
    case QEvent::ContextMenu:
    case QEvent::InputMethod:
    case QEvent::Drop:
        return true;
    default:
        return false;
    }
}

}  // namespace

PortFieldFill::PortFieldFill(QWidget &window, QLineEdit &field)
    : window_(window)
    , field_(field)
{
    field_.setText(Platform::defaultPortName());
    connect(&field_, &QLineEdit::textChanged, this, &PortFieldFill::stop);
    // On the application: a click or a key for any widget of the window passes here before the
    // widget has it, even one that was already queued when the first frame was painted.
    QCoreApplication::instance()->installEventFilter(this);
}

void PortFieldFill::fillNow()
{
    if (!pending_)
        return;
    stop();
    field_.setText(PortChoice::readerPort(Platform::enumeratePorts()));
}

void PortFieldFill::stop()
{
    if (!pending_)
        return;
    pending_ = false;
    disconnect(&field_, &QLineEdit::textChanged, this, &PortFieldFill::stop);
    QCoreApplication::instance()->removeEventFilter(this);
}

bool PortFieldFill::eventFilter(QObject *watched, QEvent *event)
{
    if (pending_) {
        if (watched == &window_ && event->type() == QEvent::Paint && !painted_) {
            painted_ = true;
            // At low priority: what waits in the queue, and what painting the frame queued, goes
            // first.
            QCoreApplication::postEvent(this, new QEvent(FillEvent), Qt::LowEventPriority);
        } else if (fromOperator(event->type())) {
            fillNow();
        }
    }
    return false;
}

void PortFieldFill::customEvent(QEvent *event)
{
    if (event->type() == FillEvent)
        fillNow();
}
