// Two projects compared culvert by culvert: the discharges are the engine's own, every kind of
// changed input is named, and what one project lacks is said.

#include <gtest/gtest.h>

#include "core/messages.h"
#include "core/numbers.h"
#include "core/text.h"
#include "engine/compare.h"
#include "engine/compute.h"
#include "engine/culvertvalues.h"
#include "engine/discharge.h"
#include "tests/engine/comparefixture.h"

namespace sw {
namespace {

using namespace sw::testing;
using Texts = std::vector<std::string>;

const CulvertRecord* find(const Document& d, const std::string& id)
{
    for (const CulvertRecord& c : d.CulvertList)
        if (c.CulvertNo == id)
            return &c;
    return nullptr;
}

// A culvert as the board's run leaves it: CalCulvert, the Q the board writes, prepareSummary.
struct BoardRun {
    std::string QCfs;
    std::optional<SummaryRows> Summary;
};
std::optional<BoardRun> boardRun(Document d, const std::string& id)
{
    for (std::size_t i = 0; i < d.CulvertList.size(); ++i) {
        if (d.CulvertList[i].CulvertNo != id)
            continue;
        if (!CalCulvert(d, static_cast<int>(i)).computed())
            return std::nullopt;
        const SummaryOutcome o = prepareSummary(d, static_cast<int>(i));
        return BoardRun{culvertValues(d.CulvertList[i]).QCfs, o.available() ? std::optional(o.Rows) : std::nullopt};
    }
    return std::nullopt;
}

// Every culvert of either project gets a row: its discharges are the engine's own, every kind of
// changed input is named, and what one project lacks is said; the documents stay as they were.
TEST(CompareProjects, DischargesChangesAndNotesOfEveryCulvert)
{
    const std::string notComputable = fillMessage(msg::kCompareNotComputableNew, {msg::kReturnPeriodTooShort});
    const std::string noSummary = std::string(msg::kSummaryUserDefinedSurface);
    const std::vector<std::tuple<std::string, Texts, Texts>> expected{
        {"SAME", {}, {}},
        {"PERIOD", {"Return period (years) 10 -> 25"}, {}},
        {"ZONE", {"Rainfall zone A -> B"}, {}},
        {"REMOTE", {"Elevation of most remote point 1010 ft -> 1020 ft"}, {}},
        {"LENGTH", {"Length of travel 1000 ft -> 1500 ft"}, {}},
        {"FACTOR", {"Correction factor 1 (Design Manual) -> 1.2 (User Defined)"}, {}},
        {"AREAS",
         {"Sub-area removed: Asphaltic, 2 a, C 0.81, lane",
          "Sub-area changed: Concrete/Roof, 1 a, C 0.83, roof -> Concrete/Roof, 2.5 a, C 0.83, roof",
          "Sub-area added: Grass Areas (< 50%)-Flat 0~2%, 3 a, C 0.37, verge"},
         {}},
        {"ONLY-OLD", {}, {std::string(msg::kCompareOnlyInOld)}},
        {"BROKEN", {"Return period (years) 10 -> 1"}, {notComputable}},
        // 0.04 acres is kept as 0.0 acres, and listed so.
        {"ZERO", {"Sub-area changed: Asphaltic, 0.04 a (0 Ac), C 0.81 -> Asphaltic, 2 a, C 0.81"}, {}},
        {"OWN", {}, {"No return-period summary in either project: " + noSummary}},
        {kFormulaId, {}, {std::string(msg::kCompareOnlyInNew)}},
    };
    const Document oldDoc = compareOld();
    const Document newDoc = compareNew();
    const std::vector<ComparisonRow> rows = compareProjects(oldDoc, newDoc);
    ASSERT_EQ(rows.size(), expected.size());
    for (std::size_t k = 0; k < rows.size(); ++k) {
        const ComparisonRow& row = rows[k];
        const auto& [id, changes, notes] = expected[k];
        SCOPED_TRACE(id);
        EXPECT_EQ(row.CulvertId, id);
        EXPECT_EQ(row.ChangedInputs, changes);
        EXPECT_EQ(row.Notes, notes);
        const auto check = [](const ComparedCulvert& side, const CulvertRecord* rec) {
            if (!rec) {
                EXPECT_EQ(side.status, ComparedCulvert::Status::Absent);
                return;
            }
            const CulvertComputation c = computeCulvert(*rec);
            EXPECT_EQ(side.computed(), c.computed());
            EXPECT_EQ(side.Reason, c.computed() ? "" : c.Reason);
            if (c.computed()) {
                EXPECT_EQ(side.DesignCfs, c.Discharge->Cfs);
            }
        };
        check(row.Old, find(oldDoc, row.CulvertId));
        check(row.New, find(newDoc, row.CulvertId));
        if (row.Old.computed() && row.New.computed()) {
            ASSERT_TRUE(row.DifferenceCfs);
            EXPECT_EQ(plainNumber(*row.DifferenceCfs), plainNumber(roundTo(row.New.DesignCfs - row.Old.DesignCfs, 1)));
        } else {
            EXPECT_FALSE(row.DifferenceCfs);
            EXPECT_FALSE(row.DifferencePercent);
        }
        // The Q as the board writes it; the seven periods where both summaries exist, as the
        // board's summary gives them.
        const auto oldRun = boardRun(oldDoc, row.CulvertId);
        const auto newRun = boardRun(newDoc, row.CulvertId);
        EXPECT_EQ(row.Old.DesignCfsText, oldRun ? oldRun->QCfs : "");
        EXPECT_EQ(row.New.DesignCfsText, newRun ? newRun->QCfs : "");
        const auto oldSummary = oldRun ? oldRun->Summary : std::nullopt;
        const auto newSummary = newRun ? newRun->Summary : std::nullopt;
        if (oldSummary && newSummary) {
            ASSERT_EQ(row.Periods.size(), kReturnPeriodCount);
            for (std::size_t r = 0; r < kReturnPeriodCount; ++r) {
                EXPECT_EQ(row.Periods[r].Period, (*oldSummary)[r].Period);
                EXPECT_EQ(row.Periods[r].OldCfs, (*oldSummary)[r].SumQ);
                EXPECT_EQ(row.Periods[r].NewCfs, (*newSummary)[r].SumQ);
            }
        } else {
            EXPECT_TRUE(row.Periods.empty());
        }
    }
    EXPECT_TRUE(sameDocument(oldDoc, compareOld()));
    EXPECT_TRUE(sameDocument(newDoc, compareNew()));
    // A design discharge that changed at all: the comparison is not of a project with itself.
    EXPECT_NE(rows[1].Old.DesignCfs, rows[1].New.DesignCfs);
    // The percentages: of the old Q, and none of an old Q of 0 against a new one.
    EXPECT_EQ(rows[0].DifferencePercent, 0.0);
    EXPECT_EQ(rows[1].DifferencePercent, roundTo(*rows[1].DifferenceCfs / rows[1].Old.DesignCfs * 100, 1));
    EXPECT_EQ(rows[9].Old.DesignCfs, 0.0);
    EXPECT_GT(rows[9].New.DesignCfs, 0.0);
    EXPECT_FALSE(rows[9].DifferencePercent);
}

TEST(CompareProjects, MovedSubAreasAndRepeatedIdsArePairedInOrder)
{
    Document oldDoc = compareOld();
    Document newDoc = oldDoc;
    // The same sub-areas in another order, "2 a" for "2.0 a": nothing changed.
    CulvertRecord& same = newDoc.CulvertList[0];
    setAreas(same, {same.Areas[1], subArea("Asphaltic", "2 a", 0.81, "lane")});
    // An ID twice in a hand-edited file: the second occurrence meets the second.
    oldDoc.CulvertList.push_back(tableCulvert("SAME"));
    newDoc.CulvertList.push_back(tableCulvert("SAME"));
    newDoc.CulvertList.back().RFZone = "C";
    // A summary in the new project only.
    setAreas(newDoc.CulvertList[10], {subArea("Asphaltic", "3.0 a", 0.81)});
    // A free slot ends the list, as it ends a save and a run.
    newDoc.CulvertList.push_back({});
    newDoc.CulvertList.push_back(tableCulvert("BEYOND THE FREE SLOT"));
    const std::vector<ComparisonRow> rows = compareProjects(oldDoc, newDoc);
    ASSERT_EQ(rows.size(), oldDoc.CulvertList.size());
    EXPECT_EQ(rows[0].ChangedInputs, Texts{});
    EXPECT_EQ(rows[10].CulvertId, "OWN");
    EXPECT_EQ(rows[10].Notes, Texts{"No return-period summary in the old project: " +
                                    std::string(msg::kSummaryUserDefinedSurface)});
    EXPECT_TRUE(rows[10].Periods.empty());
    EXPECT_EQ(rows.back().CulvertId, "SAME");
    EXPECT_EQ(rows.back().ChangedInputs, Texts{"Rainfall zone A -> C"});
    EXPECT_TRUE(rows.back().Notes.empty());
}

}  // namespace
}  // namespace sw
