#include "ui/screen_scaling.h"

#include <QGuiApplication>

void enableScreenScaling()
{
    // The layout is fixed in pixels. Unscaled, point-size fonts grow with the screen's DPI while
    // the rooms they sit in do not, and texts are cut from 100 dpi up. Scaled, Qt reports 96 dpi
    // to the widgets and multiplies everything by the screen's factor, so a text keeps the room
    // it has at 96 dpi. On X11 the factor comes from Xft.dpi, or from the screen's size in
    // millimetres when Xft.dpi is not set.
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    // Icons with an @2x version are drawn from it on a screen whose factor is above 1.
    QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
#if QT_VERSION >= QT_VERSION_CHECK(5, 14, 0)
    // The exact factor: rounded, a 150 % screen would show the window at 200 %, and a 125 % one
    // at 100 % with its fonts at 125 %.
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
#endif
}
