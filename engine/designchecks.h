#pragma once
// Inputs a designer would question before signing a culvert's numbers: nothing that stops the
// computation, but values outside what the method is meant for or that the tables only bound.
// The All Culverts table and the calculation sheet list the same flags.

#include <string>
#include <vector>

#include "engine/compute.h"
#include "model/records.h"

namespace sw {

inline constexpr double kSteepSlope = 0.5;          // ft/ft
inline constexpr double kLargeAreaAcres = 10000.0;  // the method is for small drainage areas

struct DesignFlag {
    enum class Kind {
        SteepSlope,         // the slope is above kSteepSlope
        TcAtFloor,          // the 5-minute floor, not the formula, set the time of concentration
        UntabulatedPeriod,  // the return period is none of the seven of the design tables
        LargeArea,          // the total area is above kLargeAreaAcres
    };
    Kind kind;
    std::string Text;  // a short text naming the value
};

// The flags of a culvert, in the order of the kinds, from its record and its computation (a value
// the computation did not reach raises no flag).
[[nodiscard]] std::vector<DesignFlag> designChecks(const CulvertRecord& culvert, const CulvertComputation& computation);

// The flags' texts joined by "; ", empty when there is none.
[[nodiscard]] std::string designChecksText(const std::vector<DesignFlag>& flags);

}  // namespace sw
