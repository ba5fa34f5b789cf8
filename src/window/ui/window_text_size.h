#pragma once

#include <QSize>
#include <QtGlobal>

class QWidget;

namespace WindowTextSize {

// The desktop's usual application font (KDE's and qt5ct's default): at this size or below the
// window keeps the size it was drawn at; a larger one grows the whole window with it.
constexpr qreal UsualPointSize = 10.0;

// How much the window grows for a desktop font of desktopPointSize points, kept to what fits
// on a screen whose available area is available (both in the window's own pixels; reserve is
// what the window manager's frame takes around it). Never 0: a screen too small even for the
// window as drawn gives the factor that fits, below 1.
qreal factorFor(qreal desktopPointSize, QSize drawn, QSize available, QSize reserve);

// Grows (or shrinks) the window and everything in it by the factor that follows the desktop's
// application font on the screen it opens on, and says so in a debug line when the screen
// cannot hold what the font asks for. Call once, after the widgets are made and before the
// window is shown.
void follow(QWidget &window);

}  // namespace WindowTextSize
