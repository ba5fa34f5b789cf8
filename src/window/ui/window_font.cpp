#include "window/ui/window_font.h"

#include <QFont>
#include <QWidget>

void useLayoutFont(QWidget &window)
{
#ifdef Q_OS_WIN
    Q_UNUSED(window);
#else
    // Liberation Sans has Arial's widths, which do not exceed those of the dialog font. At 8 pt
    // the style's wider check box indicator still cuts the longest check box texts by a few
    // pixels; 7.75 pt is the largest size at which every text fits.
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(7.75);
    window.setFont(font);
#endif
}
