#include <gtest/gtest.h>

#include "engine/zonemap.h"

namespace sw {
namespace {

TEST(FindZone, ClassifiesTheClick)
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
    for (const Case& c : cases) {
        const auto zone = FindZone(c.x, c.y);
        ASSERT_TRUE(zone) << c.x << "," << c.y;
        EXPECT_EQ(*zone, c.zone) << c.x << "," << c.y;
    }
}

TEST(SideOfLine, OutsideTheSegmentsIsNA)
{
    const DesignTables& t = designTables();
    EXPECT_EQ(SideOfLine(5000, 0, t.ZoneLineAB, "A", "B"), "NA");
    EXPECT_EQ(SideOfLine(3000, 0, t.ZoneLineAB, "A", "B"), "NA");
    EXPECT_EQ(SideOfLine(8000, 2000, t.ZoneLineBC, "B", "C"), "B");
}

}  // namespace
}  // namespace sw
