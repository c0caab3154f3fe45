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

// The map image: 781 x 369 pixels, each 15 twips square, so that it covers x 0 to 11715 and
// y 0 to 5535.
inline constexpr int kZoneMapWidth = 781;
inline constexpr int kZoneMapHeight = 369;
inline constexpr int kTwipsPerMapPixel = 15;

// The zone of the image pixel in that column and row: FindZone at the pixel's twips position.
// Drawing the map and pressing on it both go through here, so that the colour under the pointer
// is the zone a press gives.
[[nodiscard]] std::optional<std::string> FindZoneAtPixel(int column, int row);

}  // namespace sw
