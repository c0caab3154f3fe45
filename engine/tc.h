#pragma once
// Feet, slope and the corrected time of concentration.

#include <optional>
#include <string>
#include <string_view>

#include "model/records.h"

namespace sw {

// Value in feet, rounded to 0.01 ft: "ft" x 1, "m" x 3.2808; -1 for any other unit.
[[nodiscard]] double ToFeet(double value, std::string_view unit);

// "ft" or "m": a unit ToFeet converts.
[[nodiscard]] bool isLengthUnit(std::string_view unit);

// (remote - inlet) / length rounded to 5 decimals; empty when the length is not positive or the
// result is not a finite number.
[[nodiscard]] std::optional<double> CalSlope(double remoteFt, double inletFt, double lengthFt);

// The time of concentration formula: 0.0078 x length^0.77 x slope^-0.385 x factor, evaluated in
// this order, rounded to 2 decimals, never below 5 minutes. Reason says why there is none when
// the slope, the length or the factor is not positive.
struct TcFormula {
    double Exact = 0.0;
    double Rounded = 0.0;
    bool Floored = false;
    double Minutes = 0.0;  // the corrected time of concentration
    std::string Reason;
};
[[nodiscard]] TcFormula tcFormula(double slope, double lengthFt, double factor);

// The corrected time of concentration; empty, with the reason, when there is none.
struct TcResult {
    std::optional<double> Minutes;
    std::string Reason;
};
[[nodiscard]] TcResult CalTC(double slope, double lengthFt, double factor);

// Slope and corrected time of concentration of a culvert from its stored feet values and factor,
// stored into its record. When they cannot be computed, Slope keeps what could be computed (0
// without a usable length), CorTC becomes 0 and the intensity of the culvert is withdrawn, so
// that no later discharge uses a value of earlier inputs.
struct TcOutcome {
    bool Computed = false;
    std::string Reason;
};
TcOutcome computeSlopeAndTc(CulvertRecord& culvert);

// The box a refused input puts the focus on.
enum class IntensityInput { EleRemote, EleCulvert, LenTravel, EleRemoteUnit, EleCulvertUnit, LenTravelUnit };

// Why the inputs are refused, and where the focus goes.
struct InputRefusal {
    std::string Message;
    IntensityInput Focus = IntensityInput::EleRemote;
    bool TintInlet = false;  // the inlet box takes the light cyan entry colour

    bool operator==(const InputRefusal&) const = default;
};

// The checks the Intensity button runs on the texts of the three value boxes and their unit boxes:
// nothing when the inputs are accepted. Besides the zero checks and the comparison of the
// elevations, a unit typed into a unit box that is not one of the list's is refused before the
// comparison, which it would make meaningless.
[[nodiscard]] std::optional<InputRefusal> CheckIntensityInputs(std::string_view remoteText, std::string_view remoteUnit,
                                                               std::string_view inletText, std::string_view inletUnit,
                                                               std::string_view lengthText, std::string_view lengthUnit);

}  // namespace sw
