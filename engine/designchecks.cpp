#include "engine/designchecks.h"

#include <algorithm>

#include "core/numbers.h"
#include "engine/tables.h"

namespace sw {

std::vector<DesignFlag> designChecks(const CulvertRecord& c, const CulvertComputation& computation)
{
    std::vector<DesignFlag> flags;
    if (computation.Slope && *computation.Slope > kSteepSlope)
        flags.push_back({DesignFlag::Kind::SteepSlope,
                         "Slope " + plainNumber(*computation.Slope) + " ft/ft above " + plainNumber(kSteepSlope)});
    if (computation.Tc && computation.Tc->Floored)
        flags.push_back({DesignFlag::Kind::TcAtFloor,
                         "Tc set by the 5-minute floor (formula " + plainNumber(computation.Tc->TcRounded) + " min)"});
    if (!c.RetPeriod.empty()) {
        const double years = numericValue(c.RetPeriod);
        const auto& periods = designTables().SummaryPeriods;
        if (std::ranges::none_of(periods, [years](std::int16_t p) { return p == years; }))
            flags.push_back({DesignFlag::Kind::UntabulatedPeriod,
                             "Return period " + c.RetPeriod + " years not tabulated"});
    }
    if (computation.Runoff && computation.Runoff->TotalArea > kLargeAreaAcres)
        flags.push_back({DesignFlag::Kind::LargeArea,
                         "Area " + plainNumber(computation.Runoff->TotalArea) + " acres above 10,000"});
    return flags;
}

std::string designChecksText(const std::vector<DesignFlag>& flags)
{
    std::string out;
    for (const DesignFlag& f : flags)
        out += (out.empty() ? "" : "; ") + f.Text;
    return out;
}

}  // namespace sw
