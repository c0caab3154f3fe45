#include "platform/screenunits.h"

#include <cmath>

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

}  // namespace sw
