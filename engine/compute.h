#pragma once
// The Rational Method for one culvert, computed in one place: every intermediate value, as the
// results are rounded and used further, in a typed result. The procedures that store results into
// the records (CalAC, CalCulvert, CalIntensity, ...) store what these steps give, and every output
// formats what is stored (engine/culvertvalues.h), so that what is stored, shown and explained
// cannot drift apart.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/records.h"

namespace sw {

// C x A of one sub-area, as the weighted C uses it.
struct SubAreaStep {
    double C = 0.0;
    bool TableC = false;  // its surface is one of the design table's (else the user typed its C)
    double Acres = 0.0;
    double CA = 0.0;      // C x acres
};

// The sums of C x A and A, and their quotient (0 when the sum of C x A is 0).
struct WeightedSums {
    double SumCA = 0.0;
    double SumA = 0.0;
    double WeightedC = 0.0;
};
// Over (C, acres) pairs, in order: the one weighted-C loop of the program.
template <class Pairs>
[[nodiscard]] WeightedSums weightedSums(const Pairs& pairs)
{
    WeightedSums s;
    for (const auto& [c, acres] : pairs) {
        s.SumCA += c * acres;
        s.SumA += acres;
        s.WeightedC = s.SumCA != 0.0 ? s.SumCA / s.SumA : 0.0;
    }
    return s;
}

struct RunoffStep {
    std::vector<SubAreaStep> Areas;  // the culvert's valid sub-areas, in order
    WeightedSums Sums;
    double WeightedC = 0.0;  // rounded to 0.01
    double TotalArea = 0.0;  // rounded to 0.1 acre
};
// Total area and weighted C of the culvert's valid sub-areas.
[[nodiscard]] RunoffStep computeRunoff(const CulvertRecord& culvert);

// An elevation or length as entered and in feet (the feet value the record holds).
struct LengthStep {
    double Value = 0.0;
    std::string Unit;
    double Feet = 0.0;
};

struct TcStep {
    LengthStep Remote;
    LengthStep Inlet;
    LengthStep Travel;
    double SlopeExact = 0.0;  // (remote - inlet) / length
    double Slope = 0.0;       // rounded to 0.00001
    double Factor = 0.0;
    std::string FactorSource;
    double TcExact = 0.0;    // 0.0078 x length^0.77 x slope^-0.385 x factor
    double TcRounded = 0.0;  // rounded to 0.01 min
    bool Floored = false;    // raised to the 5-minute floor
    double CorTC = 0.0;      // the corrected time of concentration used further
};
struct TcComputation {
    std::optional<TcStep> Step;
    std::optional<double> Slope;  // when the slope could be formed, even if the time could not
    std::string Reason;           // why there is no time of concentration
};
// Slope and corrected time of concentration from the stored feet values and the factor.
[[nodiscard]] TcComputation computeTc(const CulvertRecord& culvert);

struct IntensityStep {
    std::size_t Zone = 0;  // 0 A, 1 B, 2 C
    double T = 0.0;        // the return period in years
    double FreqTerm = 0.0;
    IntensityBracket Bracket;
    double I1 = 0.0;  // the table intensity at Dur1: FreqTerm x B1 + A1
    double I2 = 0.0;  // at Dur2
    double IExact = 0.0;     // interpolated at CorTC
    double IListed = 0.0;    // rounded to 0.01 in/hr: the intensity list shows it
    double Intensity = 0.0;  // rounded to 0.1 in/hr: what the discharge uses
};
struct IntensityOutcome {
    enum class Status {
        Computed,
        NoZone,         // no intensity inputs yet: nothing to say
        NotComputable,  // Reason says why
    };
    Status status = Status::NoZone;
    std::optional<IntensityStep> Step;
    std::string Reason;
};
// The rainfall intensity of a zone and return period at a corrected time of concentration.
[[nodiscard]] IntensityOutcome computeIntensity(std::string_view zone, std::string_view retPeriod, double corTC);

// Why a return period cannot be computed with: 1 year or less (or no number), or more years than
// the editor takes (32767); empty when it can. A typed 10.5 can.
[[nodiscard]] std::string returnPeriodProblem(std::string_view retPeriod);

struct DischargeStep {
    double Product = 0.0;  // Intensity x WeightedC x TotalArea, multiplied in this order
    double Cfs = 0.0;      // rounded to 0.1
    double CmsExact = 0.0; // Cfs x 0.0283
    double Cms = 0.0;      // rounded to 0.1
};
inline constexpr double kCmsPerCfs = 0.0283;
// Q from the three stored (rounded) values.
[[nodiscard]] DischargeStep computeDischarge(double intensity, double weightedC, double totalArea);

// Why a stored sub-area cannot be computed with, naming its row (1-based) and the value; empty
// when it can. The editors never store such a sub-area: a C that is not positive, or an area that
// is not a positive number of at most kMaxAreaValue followed by a unit letter a, h, f or m (any
// other gives 0 acres without a word). A hand-edited file can.
[[nodiscard]] std::string subAreaProblem(const SubArea& area, std::size_t row);

// The whole computation of a culvert, or where and why it stops.
struct CulvertComputation {
    enum class Status {
        Computed,
        Incomplete,     // an input is missing (Reason names it): nothing is computed
        NotComputable,  // an input cannot be used (Reason says which)
    };
    Status status = Status::Incomplete;
    std::string Reason;
    std::optional<RunoffStep> Runoff;
    std::optional<TcStep> Tc;
    std::optional<double> Slope;  // formed even when the time of concentration is not
    std::optional<IntensityStep> Intensity;
    std::optional<DischargeStep> Discharge;

    [[nodiscard]] bool computed() const { return status == Status::Computed; }
};
// Checks the culvert's inputs, then computes total area and weighted C, slope and corrected time
// of concentration, intensity and discharge, each from the rounded values before it. Reads the
// record only.
[[nodiscard]] CulvertComputation computeCulvert(const CulvertRecord& culvert);

// What a record keeps of the steps. CalAC, CalIntensity and CalCulvert store through these alone,
// so that a record holds exactly what its computation gave.
void storeRunoff(CulvertRecord& culvert, const RunoffStep& runoff);
void storeIntensity(CulvertRecord& culvert, const IntensityStep& intensity);
// No intensity: Intensity becomes 0 and the bracket goes, so that no later Q or summary uses a
// value of earlier inputs.
void withdrawIntensity(CulvertRecord& culvert);

// What a run stores of a culvert's computation: nothing when an input is missing; otherwise what
// each step gave (total area and weighted C, slope, corrected time, intensity and bracket), and
// for the steps that could not be taken a slope as far as it could be formed (else 0), a corrected
// time of 0 and no intensity. Nothing of earlier inputs survives a computation that stops.
void storeResults(CulvertRecord& culvert, const CulvertComputation& computation);

}  // namespace sw
