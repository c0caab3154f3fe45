#pragma once
// What the results windows share: Esc closes them, and the board keeps its values whole.

class QMainWindow;
class QScrollArea;
class QWidget;

namespace sw {

struct ScreenArea;

// Esc closes the window, wherever the focus is in it.
void closeOnEscape(QWidget& window);

// The window's central widget, already filled, goes into a scroll area, and the window cannot be
// made smaller than that widget needs to show every label and value whole. A screen too small for
// it, or a display that does not hold windows to their minimum, gets scroll bars instead of values
// cut off.
QScrollArea* keepContentsWhole(QMainWindow& window, const ScreenArea& screen);

}  // namespace sw
