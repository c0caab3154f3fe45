#include <gtest/gtest.h>

#include "engine/zonemap.h"

namespace sw {
namespace {

struct ZoneCase {
    float x;
    float y;
    const char* zone;  // nullptr: none
};

class FindZoneCases : public ::testing::TestWithParam<ZoneCase> {};

TEST_P(FindZoneCases, ClassifiesTheClick)
{
    const ZoneCase& c = GetParam();
    const auto zone = FindZone(c.x, c.y);
    if (c.zone) {
        ASSERT_TRUE(zone) << c.x << "," << c.y;
        EXPECT_EQ(*zone, c.zone) << c.x << "," << c.y;
    } else {
        EXPECT_FALSE(zone) << c.x << "," << c.y;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FindZoneCases,
    ::testing::Values(ZoneCase{3000, 100, "A"}, ZoneCase{10000, 5000, "C"}, ZoneCase{6000, 0, "B"},
                      ZoneCase{4000, 1000, "A"},  // d = 1212
                      ZoneCase{4000, 3000, "B"},  // d = -788
                      ZoneCase{4000, 2212, "A"},  // on the line: the western zone
                      ZoneCase{4890, 225, "B"},   // the line is not consulted at 4890
                      ZoneCase{8000, 2000, "B"},  // d = 878
                      ZoneCase{8000, 3000, "C"},  // d = -122
                      ZoneCase{7410, 9000, "B"}, ZoneCase{9750, 0, "C"},
                      // segment 8 at x = 3120: the line lies at y = 5345.8
                      ZoneCase{3120, 5000, "A"}, ZoneCase{3120, 5400, "B"},
                      // a shared end belongs to the earlier segment: segment 1 gives -10 here,
                      // segment 2 would give +5.6
                      ZoneCase{4680, 550, "B"}));

TEST(SideOfLine, OutsideTheSegmentsIsNA)
{
    const DesignTables& t = designTables();
    EXPECT_EQ(SideOfLine(5000, 0, t.ZoneLineAB, "A", "B"), "NA");
    EXPECT_EQ(SideOfLine(3000, 0, t.ZoneLineAB, "A", "B"), "NA");
    EXPECT_EQ(SideOfLine(8000, 2000, t.ZoneLineBC, "B", "C"), "B");
}

}  // namespace
}  // namespace sw
