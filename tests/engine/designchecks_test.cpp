// The flags a designer questions before signing: each on its boundary, and only from values the
// computation reached.

#include <gtest/gtest.h>

#include <functional>

#include "engine/designchecks.h"
#include "enginefixture.h"

namespace sw {
namespace {

using Kind = DesignFlag::Kind;

TEST(DesignChecks, EachFlagOnItsBoundary)
{
    struct Case {
        const char* name;
        std::function<void(CulvertRecord&)> change;
        std::string text;  // the flags joined, as the table shows them
        std::vector<Kind> kinds;
    };
    const auto drop = [](double feet, double length) {
        return [feet, length](CulvertRecord& c) {
            c.EleRemote = c.EleRemoteFt = c.EleCulvertFt + feet;
            c.LenTravel = c.LenTravelFt = length;
        };
    };
    const auto period = [](const char* years) { return [years](CulvertRecord& c) { c.RetPeriod = years; }; };
    const auto acres = [](const char* area) {
        return [area](CulvertRecord& c) { testing::setAreas(c, {testing::subArea("Gravel", area, 0.3)}); };
    };
    const std::vector<Case> cases = {
        {"plain", [](CulvertRecord&) {}, "", {}},
        {"slope 0.5 is not above", drop(500, 1000), "Tc set by the 5-minute floor (formula 2.08 min)", {Kind::TcAtFloor}},
        {"slope 0.50001", drop(500.01, 1000), "Slope 0.50001 ft/ft above 0.5; Tc set by the 5-minute floor (formula 2.08 min)",
         {Kind::SteepSlope, Kind::TcAtFloor}},
        {"Tc 5.00 by the formula", drop(10, 580), "", {}},
        {"Tc 4.99", drop(10, 579), "Tc set by the 5-minute floor (formula 4.99 min)", {Kind::TcAtFloor}},
        {"each tabulated period", period("500"), "", {}},
        {"10.0 is 10", period("10.0"), "", {}},
        {"10.5 years", period("10.5"), "Return period 10.5 years not tabulated", {Kind::UntabulatedPeriod}},
        {"15 years", period("15"), "Return period 15 years not tabulated", {Kind::UntabulatedPeriod}},
        {"10,000 acres", acres("10000.0 a"), "", {}},
        {"10,000.1 acres", acres("10000.1 a"), "Area 10000.1 acres above 10,000", {Kind::LargeArea}},
        {"4047 ha", acres("4047.0 h"), "Area 10000.3 acres above 10,000", {Kind::LargeArea}},
        {"all four",
         [&](CulvertRecord& c) {
             drop(800, 1000)(c);
             period("3")(c);
             acres("20000.0 a")(c);
         },
         "Slope 0.8 ft/ft above 0.5; Tc set by the 5-minute floor (formula 1.74 min); Return period 3 years not "
         "tabulated; Area 20000 acres above 10,000",
         {Kind::SteepSlope, Kind::TcAtFloor, Kind::UntabulatedPeriod, Kind::LargeArea}},
        // Where the computation stops, what it did not reach raises nothing; the record's period still does.
        {"no factor", [&](CulvertRecord& c) { c.CorFactor = 0; period("7")(c); acres("20000.0 a")(c); },
         "Return period 7 years not tabulated", {Kind::UntabulatedPeriod}},
        {"an unknown unit", [&](CulvertRecord& c) { c.EleRemoteUnit = "yd"; drop(800, 1000)(c); },
         "", {}},
        {"no return period", period(""), "", {}},
    };
    for (const Case& k : cases) {
        CulvertRecord c = testing::completeCulvert();
        k.change(c);
        const std::vector<DesignFlag> flags = designChecks(c, computeCulvert(c));
        std::vector<Kind> kinds;
        for (const DesignFlag& f : flags)
            kinds.push_back(f.kind);
        EXPECT_EQ(kinds, k.kinds) << k.name;
        EXPECT_EQ(designChecksText(flags), k.text) << k.name;
    }
}

}  // namespace
}  // namespace sw
