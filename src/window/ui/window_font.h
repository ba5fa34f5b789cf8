#pragma once

class QWidget;

// The fixed layout was drawn for the Windows dialog font (8 pt at 96 dpi). Elsewhere the
// desktop's default font is wider, and texts of the layout are cut off; this gives the window
// a sans-serif font with the Windows font's widths. Only the window: message boxes and file
// dialogs keep the desktop's font. Does nothing on Windows.
void useLayoutFont(QWidget &window);
