// The results board's texts: each value as its label shows it.

#include <gtest/gtest.h>

#include "engine/boardtext.h"
#include "enginefixture.h"

namespace sw {
namespace {

TEST(BoardText, TheValuesAsTheLabelsShowThem)
{
    const ProjectInfo p{"Route 9", "P-12", "0412-03", "Widening", "12/01/2003", "10:15:00 AM", "J. Smith"};
    CulvertRecord c = testing::completeCulvert("C-7");
    c.Description = "STA 12+50";
    c.EleRemote = 300;
    c.EleRemoteUnit = "m";
    c.EleRemoteFt = 984.24;
    c.Slope = 0.01;
    c.CorTC = 9.38;
    c.Intensity = 5.3;
    c.TotalArea = 4.0;
    c.WeightedC = 0.45;
    const BoardText b = boardText(p, c, 2);
    EXPECT_EQ(b.PjtName, "Route 9    ");
    EXPECT_EQ(b.DateTime, "12/01/2003 @ 10:15:00 AM    ");
    EXPECT_EQ(b.Desinger, "J. Smith    ");
    EXPECT_EQ(b.CulvertID, "C-7    ");
    EXPECT_EQ(b.CulvertSta, "STA 12+50     ");  // five blanks
    EXPECT_EQ(b.ReturnPd, "10 year    ");
    EXPECT_EQ(b.RemotePt, "300 m (984.24 ft)    ");
    EXPECT_EQ(b.CulvertPt, "1000 ft    ");
    EXPECT_EQ(b.Slope, "0.01 ft/ft    ");
    EXPECT_EQ(b.TC, "09.38 min    ");
    EXPECT_EQ(b.CorFactor, "1 (Design Manual)    ");
    EXPECT_EQ(b.CorTC, "9.38 min    ");
    EXPECT_EQ(b.Intensity, "5.3 in/hr (135 mm/hr)    ");  // 134.62
    EXPECT_EQ(std::tie(b.LotNo, b.TotalArea, b.C), std::make_tuple("2    ", "4    ", "0.45    "));
    EXPECT_EQ(b.AreaRows, (std::vector<std::string>{"Concrete/Roof,  1 a,  0.90,  ", "Gravel,  3 a,  0.30,  "}));
    EXPECT_EQ(b.Q, "9.5 cfs (0.3 cms)    ");  // 5.3 x 0.45 x 4.0 = 9.54

    // Only the count given is listed.
    EXPECT_EQ(boardText(p, c, 1).AreaRows.size(), 1u);
}

TEST(BoardText, TimesAndMillimetresOfTheBoardExamples)
{
    EXPECT_EQ(uncorrectedTcText(5.0, 0.2), "25.00 min");  // raised to the floor, then undone by the factor
    EXPECT_EQ(uncorrectedTcText(9.38, 1), "09.38 min");
    EXPECT_EQ(uncorrectedTcText(9.38, 0), kTcUncorrectedUnknown);
    EXPECT_EQ(roundedMillimetresText(5.3), "135");
    EXPECT_EQ(roundedMillimetresText(4.5), "114");  // 114.3
    EXPECT_EQ(roundedMillimetresText(4.2), "107");  // 106.68
}

}  // namespace
}  // namespace sw
