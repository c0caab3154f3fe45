#pragma once
// The multiple-return-period summary: C, i, A and Q of a culvert for each of the seven tabulated
// return periods, its text table, and the summary file the summary window shows.
// Also the one way the program writes a text file of its own (summary, reports): Windows-1252,
// CR LF, replaced as a whole or not at all.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/tables.h"
#include "project/records.h"

namespace sw {

inline constexpr std::int16_t kSummaryAvailable = 987;
inline constexpr std::int16_t kSummaryUserDefined = -987;

// One entry per sub-area: the design-table row of its surface, or nothing for a surface of the
// user's own.
using AreaCoefs = std::vector<std::optional<SurfaceCoef>>;

// SumI of every summary row, from the bracket of the culvert's last intensity computation.
void CalSummaryI(AppState& state, const IntensityBracket& bracket);

// The design-table row of each valid sub-area (surfaces compared with their surrounding blanks
// removed), and SummaryFlag: 987 when every surface was found, -987 when one was not. An index
// that names no culvert gives no entries and -987.
[[nodiscard]] AreaCoefs CalSummaryC(AppState& state, int culvert);

// SumC, SumA and SumQ of every summary row, from the coefficients CalSummaryC found, the
// sub-areas' acres and SumI. Entries without a row count as C 0.
void CalSummaryQ(AppState& state, int culvert, const AreaCoefs& coefs);

// The table text, shared by the summary file, the report file and the printed page.
inline constexpr std::string_view kSummaryHeader1 = "Return  Weighted C     i       A           Q  ";
inline constexpr std::string_view kSummaryHeader2 = "Period                                        ";
inline constexpr std::string_view kSummaryHeader3 = "(year)              (in/hr)  (acre)      (cfs)";
inline constexpr std::string_view kSummaryRule = "----------------------------------------------";

// One 45-character row; `marked` puts "*" before the year.
[[nodiscard]] std::string summaryRowLine(const SummaryRow& row, bool marked);

// The four header lines and the seven rows, the row whose period equals the numeric value of
// retPeriod marked (none when it is not one of the seven).
[[nodiscard]] std::vector<std::string> summaryTableLines(const std::array<SummaryRow, 7>& rows,
                                                         std::string_view retPeriod);

// Why a summary could or could not be made for a culvert.
struct SummaryOutcome {
    enum class Status {
        Available,     // the rows hold the culvert's summary
        NoCulvert,     // the index names no culvert
        NotComputed,   // no intensity bracket: never computed, or its inputs could not be
        UserDefined,   // a sub-area's surface is not in the design table
        WriteFailed,   // the summary file could not be written
    };
    Status status = Status::NoCulvert;
    std::string Message;  // for anything but Available

    [[nodiscard]] bool available() const { return status == Status::Available; }
};

// The computation the board, the reports and the printed page share: CalSummaryI with the
// culvert's bracket, CalSummaryC, then CalSummaryQ when every surface is a table surface. Nothing
// is computed for a culvert that has no bracket: its rows would be made of zeros.
[[nodiscard]] SummaryOutcome prepareSummary(AppState& state, int culvert);

// The outcome of writing a text file.
struct FileWriteResult {
    enum class Status { Written, Failed };
    Status status = Status::Failed;
    std::string Message;  // why it failed, naming the path

    [[nodiscard]] bool written() const { return status == Status::Written; }
};

// The bytes of a text file made of these lines: Windows-1252, each line ended by CR LF.
[[nodiscard]] std::string textFileBytes(const std::vector<std::string>& lines);

// Writes the lines to `path` (UTF-8) as textFileBytes: through a temporary file beside it that
// then replaces the target, so that a failure leaves any former file as it was and no partial
// file behind. An existing file that may not be written to is not replaced.
[[nodiscard]] FileWriteResult writeTextFile(std::string_view path, const std::vector<std::string>& lines);

// The summary file's lines for a culvert whose rows are prepared: the table only.
[[nodiscard]] std::vector<std::string> summaryFileLines(const AppState& state, int culvert);

// Writes the culvert's prepared summary table to SummaryFilePath, replacing the file.
[[nodiscard]] FileWriteResult WriteSummary(const AppState& state, int culvert);

// The culvert a summary of the board is for: the current culvert after a run of one culvert,
// otherwise the one shown on the board.
[[nodiscard]] int summaryCulvert(const AppState& state);

// The board's command for a culvert: prepareSummary, then WriteSummary. The message of any
// refusal is for a message box; on Available the summary file is ready for the window.
[[nodiscard]] SummaryOutcome ShowSummary(AppState& state, int culvert);

}  // namespace sw
