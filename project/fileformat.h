#pragma once
// The keywords of the project file. The report text file opens with the same header lines.
// Spellings ("Porject", "remost", "Maxinum lenght") are those of every project file ever written:
// they must stay as they are.

#include <string_view>

namespace sw::fileformat {

inline constexpr std::string_view kFirstLine = "[CORVENNA- STORMWICK]";
inline constexpr std::string_view kProjectInfo = "[PROJECT INFO]";
inline constexpr std::string_view kCulverts = "[CULVERTS]";
inline constexpr std::string_view kRuler = "0********1*********2*********3*********4*********5*********6";
inline constexpr std::string_view kRunoffAreaInfo = "[RUNOFF AREA INFO]";
inline constexpr std::string_view kIntensityInfo = "[INTENSITY INFO]";

inline constexpr std::string_view kProjectName = "Project Name=";
inline constexpr std::string_view kProjectNo = "Project No=";
inline constexpr std::string_view kControlNo = "Control No=";
inline constexpr std::string_view kProDescrpt = "Porject Description=";
inline constexpr std::string_view kDate = "Date=";
inline constexpr std::string_view kTime = "Time=";
inline constexpr std::string_view kDesigner = "Designer=";

inline constexpr std::string_view kCulvertNo = "Culvert No=";
inline constexpr std::string_view kStation = "Station/Description=";
inline constexpr std::string_view kReturnPeriod = "Return Period=";
inline constexpr std::string_view kZone = "Vellmora rainfall zone=";
inline constexpr std::string_view kEleRemote = "Elevation of most remost point=";
inline constexpr std::string_view kEleCulvert = "Elevation of culvert inlet=";
inline constexpr std::string_view kLenTravel = "Maxinum lenght of travel=";
inline constexpr std::string_view kCorFactor = "Time of concentration correction factor=";
inline constexpr std::string_view kCorFactorSource = "Source of correction factor=";

// The key the format check looks for, compared ignoring letter case.
inline constexpr std::string_view kFormatCheckKey = "Source of correction factor";

inline constexpr std::string_view kLineEnd = "\r\n";

}  // namespace sw::fileformat
