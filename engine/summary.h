#pragma once
// The multiple-return-period summary: C, i, A and Q of a culvert for each of the seven tabulated
// return periods, and its text table. The summary is returned, never kept: the board, the report
// file and the printed page each ask for it.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/designtables.h"
#include "model/document.h"

namespace sw {

// One row of the summary.
struct SummaryRow {
    std::int16_t Period = 0;
    double SumC = 0.0;
    double SumI = 0.0;
    double SumA = 0.0;
    double SumQ = 0.0;

    bool operator==(const SummaryRow&) const = default;
};
using SummaryRows = std::array<SummaryRow, kReturnPeriodCount>;

// One entry per sub-area: the design-table row of its surface, or nothing for a surface of the
// user's own.
using AreaCoefs = std::vector<std::optional<SurfaceCoef>>;

// The rows with their periods and SumI, from the bracket of the culvert's last intensity.
[[nodiscard]] SummaryRows CalSummaryI(const IntensityBracket& bracket);

// Whether a summary can be made of a culvert's sub-areas: only when every surface is the table's.
enum class SummarySurfaces { AllInTable, UserDefined };

// The design-table row of each valid sub-area (surfaces compared with their surrounding blanks
// removed), and SummaryFlag: whether every surface was found.
struct SummaryCoefs {
    AreaCoefs Coefs;
    SummarySurfaces SummaryFlag = SummarySurfaces::UserDefined;
};
[[nodiscard]] SummaryCoefs CalSummaryC(const CulvertRecord& culvert);

// SumC, SumA and SumQ of every row, from the coefficients CalSummaryC found, the sub-areas' acres
// and the rows' SumI. Entries without a row count as C 0.
void CalSummaryQ(const CulvertRecord& culvert, const AreaCoefs& coefs, SummaryRows& rows);

// The table text, shared by the summary file, the report file and the printed page.
inline constexpr std::string_view kSummaryHeader1 = "Return  Weighted C     i       A           Q  ";
inline constexpr std::string_view kSummaryHeader2 = "Period                                        ";
inline constexpr std::string_view kSummaryHeader3 = "(year)              (in/hr)  (acre)      (cfs)";
inline constexpr std::string_view kSummaryRule = "----------------------------------------------";

// One 45-character row; `marked` puts "*" before the year.
[[nodiscard]] std::string summaryRowLine(const SummaryRow& row, bool marked);

// The four header lines and the seven rows, the row whose period equals the numeric value of
// retPeriod marked (none when it is not one of the seven).
[[nodiscard]] std::vector<std::string> summaryTableLines(const SummaryRows& rows, std::string_view retPeriod);

// A culvert's summary, or why it has none.
struct SummaryOutcome {
    enum class Status {
        Available,    // Rows hold the culvert's summary
        NoCulvert,    // the index names no culvert
        NotComputed,  // no intensity bracket: never computed, or its inputs could not be
        UserDefined,  // a sub-area's surface is not in the design table
    };
    Status status = Status::NoCulvert;
    std::string Message;  // for anything but Available
    SummaryRows Rows{};

    [[nodiscard]] bool available() const { return status == Status::Available; }
};

// CalSummaryI with the culvert's bracket, CalSummaryC, then CalSummaryQ when every surface is a
// table surface. Nothing is computed for a culvert that has no bracket: its rows would be made
// of zeros.
[[nodiscard]] SummaryOutcome prepareSummary(const Document& document, int culvert);

}  // namespace sw
