#include "window/ui/window_text_size.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QFontInfo>
#include <QLayout>
#include <QProxyStyle>
#include <QScreen>
#include <QStyle>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace {

// The desktop's usual application font (KDE's and qt5ct's default): at this size or below the
// window keeps the size it was drawn at; a larger one grows the whole window with it.
constexpr qreal UsualPointSize = 10.0;

// Edges, not sizes, are scaled, so that widgets that touch still touch and none overlaps.
QRect scaled(const QRect &rect, qreal factor)
{
    const int left = qRound(rect.left() * factor);
    const int top = qRound(rect.top() * factor);
    const int right = qRound((rect.right() + 1) * factor);
    const int bottom = qRound((rect.bottom() + 1) * factor);
    return QRect(left, top, right - left, bottom - top);
}

// A size of QWIDGETSIZE_MAX means "no limit" and stays so.
QSize scaled(const QSize &size, qreal factor)
{
    return QSize(size.width() >= QWIDGETSIZE_MAX ? QWIDGETSIZE_MAX : qRound(size.width() * factor),
                 size.height() >= QWIDGETSIZE_MAX ? QWIDGETSIZE_MAX : qRound(size.height() * factor));
}

bool placedByLayout(const QWidget *widget)
{
    const QWidget *parent = widget->parentWidget();
    return parent && parent->layout() && parent->layout()->indexOf(const_cast<QWidget *>(widget)) >= 0;
}

QFont scaledFont(QFont font, qreal factor)
{
    if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() * factor);
    else if (font.pixelSize() > 0)
        font.setPixelSize(std::max(1, qRound(font.pixelSize() * factor)));
    return font;
}

// The application's style with every length it measures in pixels (a check box's indicator,
// frames, margins) scaled: what the style draws beside a text grows and shrinks with the text,
// so a text keeps the room it has at 100 %.
class ScaledStyle : public QProxyStyle
{
public:
    explicit ScaledStyle(qreal factor)
        : factor_(factor)
    {
    }

    int pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const override
    {
        const int value = QProxyStyle::pixelMetric(metric, option, widget);
        return value > 0 ? std::max(1, qRound(value * factor_)) : value;
    }

private:
    qreal factor_;
};

// Whether a text of the window's own font is wider than its room: a label's, or a check box's
// or radio button's beside its indicator.
bool textCut(const QWidget &window)
{
    for (QWidget *widget : window.findChildren<QWidget *>()) {
        if (widget->testAttribute(Qt::WA_SetFont) || !widget->isVisibleTo(&window))
            continue;
        if (auto *label = qobject_cast<QLabel *>(widget)) {
            if (!label->text().isEmpty() && label->sizeHint().width() > label->contentsRect().width() + 2 * label->margin())
                return true;
            continue;
        }
        const bool check = qobject_cast<QCheckBox *>(widget);
        if (!check && !qobject_cast<QRadioButton *>(widget))
            continue;
        auto *button = static_cast<QAbstractButton *>(widget);
        if (button->text().isEmpty())
            continue;
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        const QRect contents = button->style()->subElementRect(
            check ? QStyle::SE_CheckBoxContents : QStyle::SE_RadioButtonContents, &option, button);
        if (button->fontMetrics().size(Qt::TextShowMnemonic, button->text()).width() > contents.width())
            return true;
    }
    return false;
}

// Glyphs do not grow in proportion to their size: a text that just fits its room at the drawn
// size (a long translation) can be a few pixels too wide at another. The window's font is then
// the largest below the scaled one at which every text fits, as it is at the drawn size.
void keepTextsWhole(QWidget &window, qreal factor)
{
    QFont font = window.font();
    if (font.pointSizeF() <= 0)
        return;
    const qreal step = 0.125 * factor;
    const qreal floor = font.pointSizeF() * 0.9;
    while (textCut(window) && font.pointSizeF() - step >= floor) {
        font.setPointSizeF(font.pointSizeF() - step);
        window.setFont(font);
    }
}

void scaleTree(QWidget &window, qreal factor)
{
    // Made for this window alone, and gone once its widgets are: the message boxes and file
    // dialogs keep the desktop's style and font.
    auto *style = new ScaledStyle(factor);
    style->setParent(qApp);
    QObject::connect(&window, &QObject::destroyed, style, &QObject::deleteLater);
    window.setStyle(style);
    const QList<QWidget *> widgets = window.findChildren<QWidget *>();
    for (QWidget *widget : widgets) {
        widget->setStyle(style);
        // Only a font set on the widget itself: the others inherit the window's.
        if (widget->testAttribute(Qt::WA_SetFont))
            widget->setFont(scaledFont(widget->font(), factor));
        if (auto *button = qobject_cast<QAbstractButton *>(widget))
            button->setIconSize(scaled(button->iconSize(), factor));
        if (QLayout *layout = widget->layout()) {
            if (layout->spacing() > 0)
                layout->setSpacing(qRound(layout->spacing() * factor));
            const QMargins m = layout->contentsMargins();
            layout->setContentsMargins(qRound(m.left() * factor), qRound(m.top() * factor),
                                       qRound(m.right() * factor), qRound(m.bottom() * factor));
        }
        if (!widget->isWindow() && !placedByLayout(widget))
            widget->setGeometry(scaled(widget->geometry(), factor));
    }
    window.setFont(scaledFont(window.font(), factor));
    keepTextsWhole(window, factor);
    const QSize size = scaled(window.size(), factor);
    window.setMinimumSize(scaled(window.minimumSize(), factor));
    window.setMaximumSize(scaled(window.maximumSize(), factor));
    window.resize(size);
}

qreal desktopPointSize()
{
    // Without a desktop (Qt's offscreen and minimal platforms, tests and pictures) the
    // application's font is Qt's own choice, not a user's: the window keeps its drawn size.
    const QString platform = QGuiApplication::platformName();
    if (platform == QLatin1String("offscreen") || platform == QLatin1String("minimal"))
        return UsualPointSize;
    const QFont font = QApplication::font();
    if (font.pointSizeF() > 0)
        return font.pointSizeF();
    return QFontInfo(font).pointSizeF();
}

// How much the window grows for a desktop font of pointSize points, kept to what fits
// on a screen whose available area is available (both in the window's own pixels; reserve is
// what the window manager's frame takes around it). Never 0: a screen too small even for the
// window as drawn gives the factor that fits, below 1.
qreal factorFor(qreal pointSize, QSize drawn, QSize available, QSize reserve)
{
    const qreal asked = std::max(1.0, pointSize / UsualPointSize);
    if (drawn.isEmpty() || available.isEmpty())
        return asked;
    const qreal widthFits = qreal(available.width() - reserve.width()) / drawn.width();
    const qreal heightFits = qreal(available.height() - reserve.height()) / drawn.height();
    // Two decimals: a factor that fits stays one that fits after the window's edges are rounded.
    const qreal fits = std::floor(std::min(widthFits, heightFits) * 100.0) / 100.0;
    return std::max(0.01, std::min(asked, fits));
}

}  // namespace

namespace WindowTextSize {

void follow(QWidget &window)
{
#if QT_VERSION >= QT_VERSION_CHECK(5, 14, 0)
    const QScreen *screen = window.screen();
#else
    const QScreen *screen = QGuiApplication::primaryScreen();
#endif
    const QSize available = screen ? screen->availableGeometry().size() : QSize();
    // The frame is the window manager's and is known only once the window is shown: room is
    // kept for a title bar and a border as the style draws them.
    const QStyle *style = window.style();
    const int border = style->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth);
    const QSize reserve(2 * border, style->pixelMetric(QStyle::PM_TitleBarHeight) + 2 * border);
    const qreal pointSize = desktopPointSize();
    const qreal asked = std::max(1.0, pointSize / UsualPointSize);
    const qreal factor = factorFor(pointSize, window.size(), available, reserve);
    if (factor < asked) {
        qDebug("The window at %d %% (the desktop's %g pt font) would not fit on the screen's %d x %d: "
               "it opens at %d %%.",
               qRound(asked * 100), pointSize, available.width(), available.height(), qRound(factor * 100));
    }
    if (factor != 1.0)
        scaleTree(window, factor);
}

}  // namespace WindowTextSize
