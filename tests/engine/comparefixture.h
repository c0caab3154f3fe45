#pragma once
// Two versions of one project with every kind of difference a comparison names, shared by the
// engine, report, batch and window tests. Each culvert is named after what changes in it.

#include <stdexcept>
#include <string>
#include <vector>

#include "model/document.h"
#include "tests/engine/enginefixture.h"

namespace sw::testing {

// Zone A, 10 years, 1010 ft / 1000 ft over 1000 ft, factor 1: 2 acres of asphalt and 1 of roof,
// both surfaces of the design table, so that it has a summary.
inline CulvertRecord tableCulvert(std::string id)
{
    CulvertRecord c = completeCulvert(std::move(id));
    setAreas(c, {subArea("Asphaltic", "2.0 a", 0.81, "lane"), subArea("Concrete/Roof", "1.0 a", 0.83, "roof")});
    return c;
}

// A culvert ID that a spreadsheet would run, with a comma and a quote in it.
inline const std::string kFormulaId = "=SUM(A1),\"x\"";

// The IDs in the order the comparison lists them: the old project's, then those only in the new.
inline const std::vector<std::string> kComparedIds{"SAME",     "PERIOD", "ZONE", "REMOTE", "LENGTH", "FACTOR",
                                                   "AREAS",    "ONLY-OLD", "BROKEN", "ZERO", "OWN", kFormulaId};

inline Document compareOld()
{
    Document d;
    for (auto id = kComparedIds.begin(); *id != "ZERO"; ++id)
        d.CulvertList.push_back(tableCulvert(*id));
    CulvertRecord zero = tableCulvert("ZERO");  // 0.04 acres: a total area and a Q of 0
    setAreas(zero, {subArea("Asphaltic", "0.04 a", 0.81)});
    d.CulvertList.push_back(zero);
    CulvertRecord own = tableCulvert("OWN");  // a surface of the user's own: no summary
    setAreas(own, {subArea("Gravel", "3.0 a", 0.3)});
    d.CulvertList.push_back(own);
    return d;
}

inline Document compareNew()
{
    Document d = compareOld();
    auto at = [&d](const std::string& id) -> CulvertRecord& {
        for (CulvertRecord& c : d.CulvertList)
            if (c.CulvertNo == id)
                return c;
        throw std::logic_error(id);
    };
    at("PERIOD").RetPeriod = "25";
    at("ZONE").RFZone = "B";
    at("REMOTE").EleRemote = at("REMOTE").EleRemoteFt = 1020;
    at("LENGTH").LenTravel = at("LENGTH").LenTravelFt = 1500;
    at("FACTOR").CorFactor = 1.2;
    at("FACTOR").CorFactorSource = "User Defined";
    // The asphalt removed, the roof grown, grass added.
    setAreas(at("AREAS"), {subArea("Concrete/Roof", "2.5 a", 0.83, "roof"),
                           subArea("Grass Areas (< 50%)-Flat 0~2%", "3 a", 0.37, "verge")});
    at("BROKEN").RetPeriod = "1";
    setAreas(at("ZERO"), {subArea("Asphaltic", "2 a", 0.81)});
    std::erase_if(d.CulvertList, [](const CulvertRecord& c) { return c.CulvertNo == "ONLY-OLD"; });
    d.CulvertList.push_back(tableCulvert(kFormulaId));
    return d;
}

inline bool sameDocument(const Document& a, const Document& b)
{
    return a.ProjectInfo == b.ProjectInfo && a.CulvertList == b.CulvertList;
}

}  // namespace sw::testing
