#include "platform/screenunits.h"

#include <cmath>

#include <QWidget>

#include "platform/desktop.h"

namespace sw {

int twipsToPixels(double twips, double logicalDpi)
{
    return static_cast<int>(std::lround(twips * logicalDpi / kTwipsPerInch));
}

double pixelsToTwips(double pixels, double logicalDpi)
{
    if (logicalDpi <= 0)
        return 0;
    return pixels * kTwipsPerInch / logicalDpi;
}

void centreOnScreen(QWidget& window, const ScreenArea& screen, double rightTwips, double downTwips)
{
    window.move(screen.left + (screen.width - window.width()) / 2 + twipsToPixels(rightTwips, screen.logicalDpi),
                screen.top + (screen.height - window.height()) / 2 + twipsToPixels(downTwips, screen.logicalDpi));
}

}  // namespace sw
