#pragma once
// Which rainfall zone a point of the zone map lies in. Positions are in twips from the map's
// top-left corner, y growing downwards.

#include <optional>
#include <string>

#include "engine/tables.h"

namespace sw {

// The west zone when the point is on or above the line (on the screen), the east zone below it,
// "NA" when x is outside the line's segments.
[[nodiscard]] std::string SideOfLine(float x, float y, const BoundaryLine& line, const std::string& westZone,
                                     const std::string& eastZone);

// "A", "B" or "C", or nothing.
[[nodiscard]] std::optional<std::string> FindZone(float x, float y);

}  // namespace sw
