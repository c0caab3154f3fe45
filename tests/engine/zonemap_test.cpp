#include <gtest/gtest.h>

#include "engine/zonemap.h"

namespace sw {
namespace {

// Map positions in twips, and pixels of 15 twips each.
TEST(FindZone, ClassifiesTheClickAndThePixel)
{
    struct Case {
        float x, y;
        const char* zone;
    };
    const Case cases[] = {
        {3000, 100, "A"}, {10000, 5000, "C"}, {6000, 0, "B"},
        {4000, 1000, "A"},  // segment 4 of A-B: d = 1212
        {4000, 3000, "B"},  // d = -788
        {4000, 2212, "A"},  // on the line: the western zone
        {4890, 225, "B"},   // the line is not consulted at 4890
        {8000, 2000, "B"},  // segment 4 of B-C: d = 878
        {8000, 3000, "C"},  // d = -122
        {7410, 9000, "B"}, {9750, 0, "C"},
        {3120, 5000, "A"}, {3120, 5400, "B"},  // segment 8 at x = 3120 lies at y = 5345.8
        // a shared end belongs to the earlier segment: segment 1 gives -10, segment 2 would give +5.6
        {4680, 550, "B"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FindZone(c.x, c.y), c.zone) << c.x << "," << c.y;
    struct Pixel {
        int column, row;
        const char* zone;
    };
    const Pixel pixels[] = {
        {326, 15, "B"},   // (4890, 225): the line is not consulted at 4890
        {266, 66, "A"},   // (3990, 990): segment 4 of A-B, d = 1244
        {266, 200, "B"},  // (3990, 3000): d = -766
        {533, 133, "B"},  // (7995, 1995): segment 4 of B-C, d = 893
        {533, 200, "C"},  // (7995, 3000): d = -112
        {207, 356, "A"},  // (3105, 5340): west of the lines
        {208, 356, "A"},  // (3120, 5340): just above segment 8 of A-B, at y 5345.8
        {208, 357, "B"},  // (3120, 5355): just below it
        {0, 0, "A"},      {780, 368, "C"}, {400, 0, "B"},
    };
    for (const Pixel& p : pixels)
        EXPECT_EQ(FindZoneAtPixel(p.column, p.row), p.zone) << p.column << "," << p.row;
    // Outside the segments a line gives "NA".
    const DesignTables& t = designTables();
    EXPECT_EQ(SideOfLine(5000, 0, t.ZoneLineAB, "A", "B"), "NA");
    EXPECT_EQ(SideOfLine(3000, 0, t.ZoneLineAB, "A", "B"), "NA");
    EXPECT_EQ(SideOfLine(8000, 2000, t.ZoneLineBC, "B", "C"), "B");
}

}  // namespace
}  // namespace sw
