#pragma once

// Lets the whole window scale with its screen: geometry, fonts and icons by the screen's own
// factor (1.25 at 120 dpi, 1.5 at 144 dpi, times QT_SCALE_FACTOR). Call it before the
// application object exists; every program that shows the window calls it.
void enableScreenScaling();
