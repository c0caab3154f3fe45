#pragma once
// Two projects side by side, as a design review asks "what changed since the last submittal?":
// each culvert's design discharge in both, the discharges of the seven tabulated return periods,
// the inputs that differ, and what one of the projects lacks. Culverts are matched by Culvert ID.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/summary.h"
#include "model/document.h"

namespace sw {

// One culvert as one of the two projects computes it.
struct ComparedCulvert {
    enum class Status {
        Absent,         // the project has no culvert of that ID
        Computed,       // DesignCfs holds its discharge
        NotComputable,  // an input is missing or cannot be used: Reason says which
    };
    Status status = Status::Absent;
    double DesignCfs = 0.0;            // Q in cfs (rounded to 0.1)
    std::string DesignCfsText;         // the same as the board writes it
    std::string Reason;                // why it cannot be computed
    std::optional<SummaryRows> Summary;  // its multiple-return-period summary, when it has one
    std::string SummaryMessage;        // why a computed culvert has none

    [[nodiscard]] bool computed() const { return status == Status::Computed; }
};

// The discharge of one tabulated return period in both projects.
struct PeriodDischarge {
    std::int16_t Period = 0;
    double OldCfs = 0.0;
    double NewCfs = 0.0;
};

struct ComparisonRow {
    std::string CulvertId;
    ComparedCulvert Old;
    ComparedCulvert New;
    // New minus old, rounded to 0.1 cfs, when both are computed.
    std::optional<double> DifferenceCfs;
    // The difference in percent of the old Q, rounded to 0.1. An old Q of 0 gives 0 when the new
    // one is 0 too, and nothing otherwise: no percentage of nothing says how much was added.
    std::optional<double> DifferencePercent;
    // The seven periods, when both summaries exist; empty otherwise.
    std::vector<PeriodDischarge> Periods;
    // The inputs that differ, each a text naming the input with its old and new value.
    std::vector<std::string> ChangedInputs;
    // Only in one project, cannot be computed (and why), no summary in one of them (and why).
    std::vector<std::string> Notes;
};

// The culverts of the old project in its order, then those only in the new one in theirs. An ID
// that occurs more than once in a (hand-edited) file is matched occurrence by occurrence. Both
// documents are computed on copies and left as they are.
[[nodiscard]] std::vector<ComparisonRow> compareProjects(const Document& oldProject, const Document& newProject);

}  // namespace sw
