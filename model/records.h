#pragma once
// The records of a project: its header, its culverts and their drainage sub-areas. Plain data;
// the rules about free slots and NumOfAreas are kept by the helpers at the end.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace sw {

struct ProjectInfo {
    std::string ProjectName;
    std::string ProjectNo;
    std::string ControlNo;
    std::string ProDescrpt;
    std::string ProjectDate;
    std::string ProjectTime;
    std::string Designer;

    bool operator==(const ProjectInfo&) const = default;
};

struct SubArea {
    std::string Surface;
    double C = 0.0;
    std::string AreaText;  // the number, one space, the unit letter: "2.5 a"
    double AreaAcres = 0.0;
    std::string Description;

    bool operator==(const SubArea&) const = default;
};

// What the intensity interpolation of a culvert used: kept so that the intensity can be repeated
// for every tabulated return period.
struct IntensityBracket {
    double CorTC = 0.0;
    double Dur1 = 0.0;
    double Dur2 = 0.0;
    double A1 = 0.0;
    double B1 = 0.0;
    double A2 = 0.0;
    double B2 = 0.0;

    bool operator==(const IntensityBracket&) const = default;
};

struct CulvertRecord {
    std::string CulvertNo;  // empty: a free slot
    std::string NumOfAreas;  // decimal text; "" or "0" when there are none
    std::string Description;
    std::string RetPeriod;
    std::vector<SubArea> Areas;
    std::string RFZone;  // empty: no intensity inputs given yet
    double EleRemote = 0.0;
    std::string EleRemoteUnit;
    double EleRemoteFt = 0.0;
    double EleCulvert = 0.0;
    std::string EleCulvertUnit;
    double EleCulvertFt = 0.0;
    double LenTravel = 0.0;
    std::string LenTravelUnit;
    double LenTravelFt = 0.0;
    double CorFactor = 0.0;
    std::string CorFactorSource;
    double Slope = 0.0;
    double CorTC = 0.0;
    double WeightedC = 0.0;
    double TotalArea = 0.0;
    double Intensity = 0.0;

    // Set by each intensity computation of this culvert and only meaningful with its Intensity;
    // empty until the culvert has been computed, and again when its inputs could not be computed.
    std::optional<IntensityBracket> Bracket;

    bool operator==(const CulvertRecord&) const = default;
};

using CulvertList = std::vector<CulvertRecord>;

// The number of sub-areas NumOfAreas declares: the whole part of its numeric value, 0 when that
// is not positive. It may exceed what Areas holds in a damaged record; see validAreaCount.
[[nodiscard]] std::int64_t declaredAreaCount(const CulvertRecord& culvert);

// The number of valid sub-areas of a culvert: the declared count, never more than Areas holds.
[[nodiscard]] std::size_t validAreaCount(const CulvertRecord& culvert);

// The number of culverts before the first free slot: what the writer and the run over all
// culverts cover.
[[nodiscard]] std::size_t usedCulvertCount(const CulvertList& list);

}  // namespace sw
