#include <gtest/gtest.h>

#include "enginefixture.h"

namespace sw {
namespace {

TEST(Records, SubAreaCountIsTheWholePartOfNumOfAreasAndAFreeSlotEndsTheCulverts)
{
    CulvertRecord c = testing::completeCulvert();
    for (const char* none : {"", "0", "abc", "-2", "0.9"}) {
        c.NumOfAreas = none;
        EXPECT_EQ(validAreaCount(c), 0u) << "NumOfAreas \"" << none << "\"";
    }
    c.NumOfAreas = "1.7";
    EXPECT_EQ(validAreaCount(c), 1u);
    c.NumOfAreas = "5";  // more than the list holds
    EXPECT_EQ(declaredAreaCount(c), 5);
    EXPECT_EQ(validAreaCount(c), 2u);

    // A free slot ends the used culverts.
    CulvertList list(3);
    list[0].CulvertNo = "1";
    list[2].CulvertNo = "3";
    EXPECT_EQ(usedCulvertCount(list), 1u);
    EXPECT_EQ(usedCulvertCount({}), 0u);
}

}  // namespace
}  // namespace sw
