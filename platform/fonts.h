#pragma once
// Font names the windows and the printed report ask for, mapped onto what the machine has.
// "Courier New" is the report's and the lists' fixed-pitch font; where it is missing, Liberation
// Mono has the same metrics, so columns and line heights stay as designed.

#include <QString>

namespace sw {

inline constexpr const char* kFixedPitchFamily = "Courier New";
inline constexpr const char* kFixedPitchSubstitute = "Liberation Mono";

// The installed family to use for a requested name (compared ignoring case). "Courier New" falls
// back to Liberation Mono, and to the system's fixed-pitch font when that is missing too; any
// other missing name is returned as asked, for Qt's own matching.
[[nodiscard]] QString resolveFontFamily(const QString& requested);

// Makes widgets that ask for "Courier New" get the substitute when it is missing. Runs once per
// application; later calls do nothing.
void ensureFontSubstitutions();

}  // namespace sw
