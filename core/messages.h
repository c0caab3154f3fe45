#pragma once
// Every text the program shows in a message box, in one place. The wording, typing errors
// included, is what designers have long known from this program; do not "correct" it.

#include <string_view>

namespace sw::msg {

// Runoff coefficients
inline constexpr std::string_view kCUpdateLine1 =
    "Changing the return period affects the C values for the drainage areas";
inline constexpr std::string_view kCUpdateLine2 = "(see drainage chapter of Design Manual).";
inline constexpr std::string_view kCUpdateLine3 =
    "The C values and Drainage Area information have been updated automatically.";

// Intensity inputs
inline constexpr std::string_view kRemoteZero =
    "Please enter the elevation of remote point in positive number !";
inline constexpr std::string_view kInletZero =
    "Please enter the elevation of culvert inlet in positive number !";
inline constexpr std::string_view kLengthZero = "Please enter length of travel in positive value !";
inline constexpr std::string_view kRemoteBelowInlet =
    "Elevation of Remote point must be greater than elevation of culvert inlet !";
inline constexpr std::string_view kSelectCulvert = "Pelase select a culvert no";

// Inputs the formulas cannot use (our own wording).
inline constexpr std::string_view kLengthNotPositive =
    "The maximum length of travel must be a positive number: the time of concentration cannot "
    "be computed.";
inline constexpr std::string_view kSlopeNotPositive =
    "The slope must be positive (the most remote point must lie above the culvert inlet): the "
    "time of concentration cannot be computed.";
inline constexpr std::string_view kFactorNotPositive =
    "The time of concentration correction factor must be a positive number: the time of "
    "concentration cannot be computed.";
inline constexpr std::string_view kInputsNotFinite =
    "The elevations and the length of travel are too large to compute with.";
inline constexpr std::string_view kReturnPeriodTooShort =
    "The return period must be more than 1 year: the rainfall intensity cannot be computed.";
inline constexpr std::string_view kZoneUnknown =
    "The rainfall zone must be A, B or C: the rainfall intensity cannot be computed.";
// Followed by the time in minutes and kTcBeyondTable2.
inline constexpr std::string_view kTcBeyondTable1 = "The corrected time of concentration (";
inline constexpr std::string_view kTcBeyondTable2 =
    " min) lies beyond the 1440-minute end of the intensity table: the rainfall intensity cannot "
    "be computed.";
inline constexpr std::string_view kReturnPeriodNotWhole16 =
    "The return period must be a whole number of years from 2 to 32767.";

}  // namespace sw::msg
