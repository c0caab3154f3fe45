#pragma once
// Tab and Shift+Tab on a page of the main window: the focus runs round the page's own controls in
// the order of its Enter cycle, skipping those hidden or disabled, and never leaves for a control
// of a tab that is not shown.

#include <vector>

class QWidget;

namespace sw {

// Moves the focus to the next (or previous) control of `ring` that takes it, from the one that has
// it now (or that holds it, as a combo box holds its text box); from elsewhere, to the first.
// True when the focus moved.
bool moveAlongRing(const std::vector<QWidget*>& ring, bool next);

}  // namespace sw
