#pragma once
// The whole Rational Method chain for one culvert, and Q = C i A.

#include <optional>
#include <string>
#include <string_view>

#include "engine/compute.h"
#include "engine/runoff.h"
#include "model/document.h"

namespace sw {

struct CulvertRun {
    enum class Status {
        Computed,
        NoCulvert,      // the index names no culvert
        Incomplete,     // an input is missing (Reason names it); nothing was computed or changed
        NotComputable,  // the inputs are there but cannot be used; Reason says why
    };
    Status status = Status::NoCulvert;
    std::string Reason;
    std::optional<TotalsLabels> Totals;  // what the totals labels show after the run
    std::string IntensityLine;           // the intensity list line of a computed culvert
    CulvertComputation Computation;      // every value the run computed with

    [[nodiscard]] bool computed() const { return status == Status::Computed; }
};

// Checks that the culvert's inputs are complete, then computes total area and weighted C, slope,
// corrected time of concentration and intensity, in that order, in one computation, and stores
// what CalAC, CalSlope, CalTC and CalIntensity would store.
[[nodiscard]] CulvertRun CalCulvert(Document& document, int culvert);

struct Discharge {
    double Cfs = 0.0;
    double Cms = 0.0;
    std::string Text;  // "9.5 cfs (0.3 cms)"
};

// Q from the stored (rounded) Intensity, WeightedC and TotalArea.
[[nodiscard]] Discharge CalQ(const CulvertRecord& culvert);

// "1000 ft", or "300 m (984.24 ft)" when the entered value differs from its feet. The reports
// write numbers below 1 without their leading "0" (".5 ft").
enum class LeadingZero { Kept, Dropped };
[[nodiscard]] std::string LengthDisplay(double value, std::string_view unit, double feet,
                                        LeadingZero leadingZero = LeadingZero::Kept);

}  // namespace sw
