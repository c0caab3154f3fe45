#pragma once
// The summary file the summary window shows: the multiple-return-period table of one culvert.

#include <string>
#include <string_view>
#include <vector>

#include "engine/summary.h"
#include "report/textfile.h"

namespace sw {

// The file's lines: the table only, the culvert's design return period marked.
[[nodiscard]] std::vector<std::string> summaryFileLines(const SummaryRows& rows, std::string_view retPeriod);

// Writes the table to `path` (the summary file path), replacing the file.
[[nodiscard]] FileWriteResult WriteSummary(std::string_view path, const SummaryRows& rows, std::string_view retPeriod);

}  // namespace sw
