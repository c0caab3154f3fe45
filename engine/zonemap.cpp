#include "engine/zonemap.h"

namespace sw {

std::string SideOfLine(float x, float y, const BoundaryLine& line, const std::string& westZone,
                       const std::string& eastZone)
{
    for (const BoundarySeg& seg : line) {
        if (seg.XEnd <= x && x <= seg.XStart) {
            const double d = static_cast<double>(x) * seg.K - static_cast<double>(y) + seg.Offset;
            return d >= 0 ? westZone : eastZone;
        }
    }
    return "NA";
}

std::optional<std::string> FindZone(float x, float y)
{
    const DesignTables& t = designTables();
    if (x < 3120)
        return "A";
    if (x >= 9750)
        return "C";
    if (x >= 4890 && x <= 7410)
        return "B";
    std::string zone = SideOfLine(x, y, t.ZoneLineAB, "A", "B");
    if (zone != "NA")
        return zone;
    zone = SideOfLine(x, y, t.ZoneLineBC, "B", "C");
    if (zone != "NA")
        return zone;
    return std::nullopt;
}

std::optional<std::string> FindZoneAtPixel(int column, int row)
{
    return FindZone(static_cast<float>(column * kTwipsPerMapPixel), static_cast<float>(row * kTwipsPerMapPixel));
}

}  // namespace sw
