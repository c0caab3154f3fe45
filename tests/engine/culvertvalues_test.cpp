// The culvert's values as the outputs show them, and the results board's texts laid out of them.

#include <gtest/gtest.h>

#include "engine/boardtext.h"
#include "engine/culvertvalues.h"
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
    const BoardText b = boardText(p, c);
    for (const auto& [shown, expected] : std::vector<std::pair<std::string, std::string>>{
             {b.PjtName, "Route 9    "}, {b.DateTime, "12/01/2003 @ 10:15:00 AM    "}, {b.Desinger, "J. Smith    "},
             {b.CulvertID, "C-7    "}, {b.CulvertSta, "STA 12+50     "},  // five blanks
             {b.ReturnPd, "10 year    "}, {b.RemotePt, "300 m (984.24 ft)    "}, {b.CulvertPt, "1000 ft    "},
             {b.Slope, "0.01 ft/ft    "}, {b.TC, "09.38 min    "}, {b.CorFactor, "1 (Design Manual)    "},
             {b.CorTC, "9.38 min    "}, {b.Intensity, "5.3 in/hr (135 mm/hr)    "},  // 134.62
             {b.LotNo, "2    "}, {b.TotalArea, "4    "}, {b.C, "0.45    "},
             {b.Q, "9.5 cfs (0.3 cms)    "}})  // 5.3 x 0.45 x 4.0 = 9.54
        EXPECT_EQ(shown, expected);
    EXPECT_EQ((std::vector<std::string>{boardAreaRow(c.Areas[0]), boardAreaRow(c.Areas[1])}),
              (std::vector<std::string>{"Concrete/Roof,  1 a,  0.90,  ", "Gravel,  3 a,  0.30,  "}));
}

// The board's examples, and the forms the reports write instead: lengths and Q without leading
// "0"s (the printed page), the millimetres unrounded (the all-culverts file). C 0.3 on 2 acres.
TEST(CulvertValues, TimesMillimetresAndTheReportsForms)
{
    struct Case {
        double corTC, factor, intensity, length, lengthFt;
        const char *unit, *tc, *tcText, *intensityText, *unrounded, *lengthShown, *lengthText, *q;
    };
    const Case cases[] = {
        {5, 0.2, 5.3, 0.5, 0.5, "ft", "25", "25.00 min", "5.3 in/hr (135 mm/hr)", "5.3 in/hr (134.62 mm/hr)",
         "0.5 ft", ".5 ft", "3.2 cfs (.1 cms)"},
        {9.38, 1, 4.5, 365.8, 1200.1, "m", "9.38", "09.38 min", "4.5 in/hr (114 mm/hr)", "4.5 in/hr (114.3 mm/hr)",
         "365.8 m (1200.1 ft)", "365.8 m (1200.1 ft)", "2.7 cfs (.1 cms)"},
        {9.38, 0, 4.2, 1000, 1000, "ft", "", "not available (correction factor is 0)", "4.2 in/hr (107 mm/hr)",
         "4.2 in/hr (106.68 mm/hr)", "1000 ft", "1000 ft", "2.5 cfs (.1 cms)"},
    };
    for (const Case& k : cases) {
        CulvertRecord c = testing::completeCulvert();
        std::tie(c.CorTC, c.CorFactor, c.Intensity, c.TotalArea, c.WeightedC) =
            std::make_tuple(k.corTC, k.factor, k.intensity, 2.0, 0.3);
        std::tie(c.LenTravel, c.LenTravelFt, c.LenTravelUnit) = std::make_tuple(k.length, k.lengthFt, k.unit);
        const CulvertValues v = culvertValues(c);
        EXPECT_EQ(std::tie(v.Tc, v.TcText, v.IntensityText, v.IntensityTextUnrounded, v.Travel.Shown,
                           v.Travel.Reported, v.QPrinted),
                  std::make_tuple(k.tc, k.tcText, k.intensityText, k.unrounded, k.lengthShown, k.lengthText, k.q));
    }
}

}  // namespace
}  // namespace sw
