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
    for (const auto& [shown, expected] : std::vector<std::pair<std::string, std::string>>{
             {b.PjtName, "Route 9    "}, {b.DateTime, "12/01/2003 @ 10:15:00 AM    "}, {b.Desinger, "J. Smith    "},
             {b.CulvertID, "C-7    "}, {b.CulvertSta, "STA 12+50     "},  // five blanks
             {b.ReturnPd, "10 year    "}, {b.RemotePt, "300 m (984.24 ft)    "}, {b.CulvertPt, "1000 ft    "},
             {b.Slope, "0.01 ft/ft    "}, {b.TC, "09.38 min    "}, {b.CorFactor, "1 (Design Manual)    "},
             {b.CorTC, "9.38 min    "}, {b.Intensity, "5.3 in/hr (135 mm/hr)    "},  // 134.62
             {b.LotNo, "2    "}, {b.TotalArea, "4    "}, {b.C, "0.45    "},
             {b.Q, "9.5 cfs (0.3 cms)    "}})  // 5.3 x 0.45 x 4.0 = 9.54
        EXPECT_EQ(shown, expected);
    EXPECT_EQ(b.AreaRows, (std::vector<std::string>{"Concrete/Roof,  1 a,  0.90,  ", "Gravel,  3 a,  0.30,  "}));

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
