#include "window/connection/port_field.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLineEdit>
#include <QWidget>

#include "core/link/port_choice.h"
#include "core/platform/platform.h"
#include "window/connection/operator_input.h"

namespace {

const QEvent::Type FillEvent = QEvent::Type(QEvent::registerEventType());

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
        } else if (isOperatorInput(event->type()) || event->type() == QEvent::InputMethod) {
            // Anything by which the operator can change something: the list must come first.
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
