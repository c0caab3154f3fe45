#pragma once
// Everything application-wide: the document and the window state. main owns one; every window gets
// a reference; each test makes its own. Procedures that need only the document take a Document.

#include "model/document.h"
#include "model/windowstate.h"

namespace sw {

struct AppState : Document, WindowState {};

// The culvert being edited, or nothing when CurCulvert names no slot.
[[nodiscard]] CulvertRecord* currentCulvert(AppState& state);
[[nodiscard]] const CulvertRecord* currentCulvert(const AppState& state);

}  // namespace sw
