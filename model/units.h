#pragma once
// The unit letters and names a project stores: areas as "2.5 h" (the letter after a blank),
// elevations and lengths in "ft" or "m".

#include <array>
#include <string_view>

namespace sw::units {

// Acres, hectares, square feet, square metres: the order of the area unit list.
inline constexpr std::array<std::string_view, 4> kAreaLetters = {"a", "h", "f", "m"};
// The two words the reports use instead of a letter.
inline constexpr std::string_view kAcresWord = "acres";
inline constexpr std::string_view kHectaresWord = "hectares";

inline constexpr std::string_view kFeet = "ft";
inline constexpr std::string_view kMetres = "m";

}  // namespace sw::units
