#pragma once
// Positions and sizes of the windows were laid out in twips (1/1440 inch); the screen's logical
// resolution turns them into pixels.

namespace sw {

inline constexpr double kTwipsPerInch = 1440.0;

// Pixels for a length in twips, rounded to the nearest pixel.
[[nodiscard]] int twipsToPixels(double twips, double logicalDpi);

// Twips for a length in pixels.
[[nodiscard]] double pixelsToTwips(double pixels, double logicalDpi);

}  // namespace sw
