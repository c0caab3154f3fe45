#pragma once
// The design tables: built once, read-only afterwards.

#include <string>
#include <vector>

#include "model/windowstate.h"
#include "model/designtables.h"

namespace sw {

// The tables, built on first use.
[[nodiscard]] const DesignTables& designTables();

// The start-up initialisation of the engine: tables ready, CurCulvert none, EditorsLive and
// IsPristine true. The date and time are stamped by the window.
void InitTables(WindowState& state);

// The return periods offered to the user, as text: "2", "5", ..., "500".
[[nodiscard]] std::vector<std::string> returnPeriodTexts();

// The surface names in table order.
[[nodiscard]] std::vector<std::string> surfaceNames();

}  // namespace sw
