#pragma once
// The culvert report as a text file: one culvert, or every culvert of the project.
// The writers show the results the records hold (laid out of their culvertValues); they compute
// only Q and the summary.

#include <string>
#include <string_view>
#include <vector>

#include "engine/summary.h"
#include "model/document.h"
#include "report/progress.h"
#include "report/textfile.h"

namespace sw {

// Texts the report carries where the records give no value. Kept here so that the file and the
// printed page say the same.
// The summary section of a culvert that has no computed intensity.
inline constexpr std::string_view kReportSummaryNotComputed =
    "Summary is not available because the culvert has not been computed";

// The lines of the one-culvert report, with the summary of the culvert. Empty when the index names
// no culvert.
[[nodiscard]] std::vector<std::string> culvertReportLines(const Document& document, int culvert);

// The lines of the all-culverts report, every culvert up to the first free slot.
[[nodiscard]] std::vector<std::string> allCulvertsReportLines(const Document& document);

// Writes the one-culvert report to `path` (UTF-8), replacing the file as a whole or leaving it as
// it was. Refused, with nothing written, when the index names no culvert.
[[nodiscard]] FileWriteResult Report2File(const Document& document, std::string_view path, int culvert);

// Writes the all-culverts report to `path`, as Report2File, telling `progress` (when given) of each
// culvert laid out; stopped there, it writes nothing and returns Cancelled.
[[nodiscard]] FileWriteResult ReportAll2File(const Document& document, std::string_view path,
                                             Progress* progress = nullptr);

}  // namespace sw
