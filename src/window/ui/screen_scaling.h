#pragma once

// Lets the whole window scale with its screen: geometry, fonts and icons by the screen's own
// factor (1.25 at 120 dpi, 1.5 at 144 dpi, times QT_SCALE_FACTOR). Call it before the
// application object exists; every program that shows the window calls it.
void enableScreenScaling();

#include <QIcon>

// The icon of an image in the resources that has an @2x version beside it (NAME.png and
// NAME@2x.png): the 1x image on a screen at 1x, the 2x image on any screen above it, made to
// the screen's pixels.
QIcon iconForScreens(const QString &path);
