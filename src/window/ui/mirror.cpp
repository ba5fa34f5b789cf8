#include "window/ui/mirror.h"

#include <QEvent>
#include <QHash>
#include <QPointer>
#include <QWidget>

namespace {

// Watches the parents of the fixed widgets and keeps each child's left-to-right x.
class Mirror : public QObject
{
public:
    explicit Mirror(QWidget &window)
        : QObject(&window)
    {
    }

    void add(QWidget *widget)
    {
        QWidget *parent = widget->parentWidget();
        if (!lefts_.contains(parent))
            parent->installEventFilter(this);
        lefts_[parent].append({widget, widget->x()});
    }

    void placeChildrenOf(QWidget *parent)
    {
        for (const Placed &placed : lefts_.value(parent)) {
            if (placed.widget)
                placed.widget->move(parent->width() - placed.left - placed.widget->width(), placed.widget->y());
        }
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Resize && watched->isWidgetType())
            placeChildrenOf(static_cast<QWidget *>(watched));
        return false;
    }

    QList<QWidget *> parents() const { return lefts_.keys(); }

private:
    struct Placed
    {
        QPointer<QWidget> widget;
        int left;
    };
    QHash<QWidget *, QList<Placed>> lefts_;
};

}  // namespace

void mirrorPlacedWidgets(QWidget &window)
{
    if (window.layoutDirection() != Qt::RightToLeft)
        return;
    auto *mirror = new Mirror(window);
    for (QWidget *widget : window.findChildren<QWidget *>()) {
        QWidget *parent = widget->parentWidget();
        // A layout's widgets (the tab pages, the rows) are mirrored by Qt already; Qt's own
        // parts of a widget (names starting with qt_) are placed by their widget.
        if (widget->isWindow() || !parent || parent->layout() || widget->objectName().isEmpty()
            || widget->objectName().startsWith(QLatin1String("qt_")))
            continue;
        mirror->add(widget);
    }
    for (QWidget *parent : mirror->parents())
        mirror->placeChildrenOf(parent);
}
