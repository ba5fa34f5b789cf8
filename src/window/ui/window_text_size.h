#pragma once

class QWidget;

namespace WindowTextSize {

// Grows (or shrinks) the window and everything in it by the factor that follows the desktop's
// application font on the screen it opens on, and says so in a debug line when the screen
// cannot hold what the font asks for. Call once, after the widgets are made and before the
// window is shown.
void follow(QWidget &window);

}  // namespace WindowTextSize
