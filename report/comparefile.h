#pragma once
// Two projects compared, as text and as a CSV file: the same columns in the same order as the
// Compare window shows them. The CSV file follows the results CSV: UTF-8 with a byte-order mark,
// CR LF, RFC 4180 quoting and texts guarded against being run as formulas (csvTextField).

#include <string>
#include <string_view>
#include <vector>

#include "engine/compare.h"
#include "report/textfile.h"

namespace sw {

// The column titles: "Culvert ID", the design Q old and new, the difference in cfs and in percent,
// each tabulated return period's Q old and new, "Changed inputs", "Note".
[[nodiscard]] std::vector<std::string> comparisonColumnTitles();

// The first column of the return periods' Q and the two after them.
inline constexpr std::size_t kComparisonFirstPeriodColumn = 5;
[[nodiscard]] std::size_t comparisonChangesColumn();
[[nodiscard]] std::size_t comparisonNoteColumn();

// What a cell holds: a number (Q written as the board writes it) or a text; an empty text for a
// value one of the projects lacks.
struct ComparisonCell {
    std::string Text;
    bool Number = false;
    double Value = 0.0;  // when Number
};

// The cells of a row, a cell per column title. A percentage that cannot be formed (an old Q of 0
// against a new one that is not) is the text `percentNone`. The changed inputs and the notes are
// each one text, the items joined by "; ".
[[nodiscard]] std::vector<ComparisonCell> comparisonCells(const ComparisonRow& row, std::string_view percentNone);

// The CSV file's bytes: the byte-order mark, the title row and a row per culvert. A percentage
// that cannot be formed is an empty field.
[[nodiscard]] std::string comparisonCsv(const std::vector<ComparisonRow>& rows);

// Writes comparisonCsv to `path`, replacing a former file only once the new one is whole.
[[nodiscard]] FileWriteResult writeComparisonCsv(const std::vector<ComparisonRow>& rows, std::string_view path);

// The comparison as a text table for a terminal: the two projects named, then a line per culvert
// with its design Q old and new and their difference, and under it the return periods' Q, the
// changed inputs and the notes, each on a line of its own. Texts from the files are made
// printable.
[[nodiscard]] std::vector<std::string> comparisonTextLines(const std::vector<ComparisonRow>& rows,
                                                           std::string_view oldName, std::string_view newName);

}  // namespace sw
