#pragma once

class QWidget;

// Qt turns around what layouts place when the application runs right to left, but a widget put
// at a fixed position stays where it was put. This places every such widget of the window at
// the same distance from its parent's right edge as it has from the left in a left-to-right
// language, now and whenever its parent changes size. Nothing happens left to right.
void mirrorPlacedWidgets(QWidget &window);
