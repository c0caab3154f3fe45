#pragma once
// Rainfall intensity from zone, return period and corrected time of concentration.

#include <string>
#include <string_view>
#include <vector>

#include "model/document.h"

namespace sw {

// -ln(ln(T / (T - 1)))
[[nodiscard]] double FreqTerm(double T);

// Linear interpolation on the duration between the two table intensities, rounded to 2 decimals.
[[nodiscard]] double InterpIntensity(double T, double Tc, double Dur1, double Dur2, double A1,
                                     double B1, double A2, double B2);

struct IntensityResult {
    enum class Status {
        Computed,
        NoCulvert,      // the index names no culvert: silent, nothing changes
        NoZone,         // no intensity inputs yet: silent, nothing changes
        NotComputable,  // Message: why; the culvert's intensity is withdrawn
    };
    Status status = Status::NoCulvert;
    std::string Message;
    std::string Line;  // the intensity list line, when computed

    [[nodiscard]] bool computed() const { return status == Status::Computed; }
};

// Computes and stores the culvert's intensity (0.1 in/hr) and its IntensityBracket, and returns
// the line for the intensity list. A zone other than A, B or C, a return period the editor would
// refuse, or a CorTC outside the table gives no intensity: the record's Intensity becomes 0 and
// its bracket is dropped, so nothing stale survives. Whether a culvert is selected is the calling
// window's to check: the engine works on the index it is given.
[[nodiscard]] IntensityResult CalIntensity(Document& document, int culvert);

// The line of the intensity list for an intensity listed to 0.01 in/hr.
[[nodiscard]] std::string intensityLine(double listed);

// Lines 1 to 7 of the intensity list, from the record.
[[nodiscard]] std::vector<std::string> intensityInputLines(const CulvertRecord& culvert);

// The start of line 7, which the list also shows when the time could not be computed.
inline constexpr std::string_view kCorrTcLabel = "Corr. TC (min): ";

}  // namespace sw
