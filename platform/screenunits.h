#pragma once
// Positions and sizes of the windows were laid out in twips (1/1440 inch); the screen's logical
// resolution turns them into pixels.

class QWidget;

namespace sw {

struct ScreenArea;

inline constexpr double kTwipsPerInch = 1440.0;

// Pixels for a length in twips, rounded to the nearest pixel.
[[nodiscard]] int twipsToPixels(double twips, double logicalDpi);

// Twips for a length in pixels.
[[nodiscard]] double pixelsToTwips(double pixels, double logicalDpi);

// Places a window at the centre of the screen, moved right and down by the given twips (negative:
// left and up), as every window of the program places itself when it loads.
void centreOnScreen(QWidget& window, const ScreenArea& screen, double rightTwips = 0, double downTwips = 0);

}  // namespace sw
