#pragma once
// Where a culvert's time-of-concentration correction factor came from: picked from the design
// manual's list, or typed by the user. Stored in the record and the project file as these texts.

#include <string_view>

namespace sw::cfsource {

inline constexpr std::string_view kDesignManual = "Design Manual";
inline constexpr std::string_view kUserDefined = "User Defined";

}  // namespace sw::cfsource
