#pragma once
// The design tables: built once, read-only afterwards.

#include <string>
#include <vector>

#include "model/designtables.h"

namespace sw {

// The tables, built on first use.
[[nodiscard]] const DesignTables& designTables();

// The start-up initialisation of the engine: the tables built. The window that runs it resets its
// own state and stamps the date and time itself.
void InitTables();

// The return periods offered to the user, as text: "2", "5", ..., "500".
[[nodiscard]] std::vector<std::string> returnPeriodTexts();

// The surface names in table order.
[[nodiscard]] std::vector<std::string> surfaceNames();

}  // namespace sw
