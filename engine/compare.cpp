#include "engine/compare.h"

#include <cstddef>
#include <map>
#include <utility>

#include "core/messages.h"
#include "core/numbers.h"
#include "core/text.h"
#include "engine/compute.h"
#include "engine/culvertvalues.h"
#include "engine/runoff.h"

namespace sw {
namespace {

// Every used culvert of a project, computed as the board would show it. The summary needs the
// intensity bracket in the record: it is set on the copy from the computation, so that a bracket
// left from an earlier run of changed inputs is never used.
std::vector<ComparedCulvert> computeAll(const Document& project)
{
    Document copy = project;
    const std::size_t count = usedCulvertCount(copy.CulvertList);
    std::vector<ComparedCulvert> out(count);
    for (std::size_t i = 0; i < count; ++i) {
        CulvertRecord& rec = copy.CulvertList[i];
        const CulvertComputation c = computeCulvert(rec);
        ComparedCulvert& side = out[i];
        if (!c.computed()) {
            side.status = ComparedCulvert::Status::NotComputable;
            side.Reason = c.Reason;
            continue;
        }
        side.status = ComparedCulvert::Status::Computed;
        side.DesignCfs = c.Discharge->Cfs;
        side.DesignCfsText = culvertValues(rec, c).QCfs;
        rec.Bracket = c.Intensity->Bracket;
        const SummaryOutcome summary = prepareSummary(copy, static_cast<int>(i));
        if (summary.available())
            side.Summary = summary.Rows;
        else
            side.SummaryMessage = summary.Message;
    }
    return out;
}

std::string givenOrNone(const std::string& text)
{
    return text.empty() ? std::string(msg::kCompareNotGiven) : text;
}

// An elevation or length as the board shows it: as entered, with its feet when it was entered in
// metres.
std::string lengthText(const LengthValues& length, double value)
{
    return value == 0.0 && length.Unit.empty() ? std::string(msg::kCompareNotGiven) : length.Shown;
}

std::string factorText(const CulvertRecord& c, const CulvertValues& v)
{
    return c.CorFactor == 0.0 && c.CorFactorSource.empty() ? std::string(msg::kCompareNotGiven) : v.CorFactorText;
}

// A sub-area named as the board lists it: surface, area, C, description.
std::string subAreaText(const SubArea& a)
{
    std::string text = a.Surface + ", " + AreaDisplay(a.AreaText, a.AreaAcres) + ", C " + plainNumber(a.C);
    if (!a.Description.empty())
        text += ", " + a.Description;
    return text;
}

// The same sub-area as far as a designer can tell: "2.0 a" is "2 a".
bool sameSubArea(const SubArea& a, const SubArea& b)
{
    return a.Surface == b.Surface && a.C == b.C && a.Description == b.Description &&
           AreaDisplay(a.AreaText, a.AreaAcres) == AreaDisplay(b.AreaText, b.AreaAcres);
}

// Sub-areas are matched in three passes: equal ones first (unchanged, wherever they moved), then
// the same surface and description, then the same surface; what is left was removed or added.
void compareSubAreas(const CulvertRecord& oldC, const CulvertRecord& newC, std::vector<std::string>& changes)
{
    const std::size_t oldCount = validAreaCount(oldC);
    const std::size_t newCount = validAreaCount(newC);
    std::vector<std::optional<std::size_t>> partner(oldCount);
    std::vector<bool> taken(newCount, false);
    const auto pass = [&](auto same) {
        for (std::size_t o = 0; o < oldCount; ++o) {
            for (std::size_t n = 0; n < newCount && !partner[o]; ++n) {
                if (!taken[n] && same(oldC.Areas[o], newC.Areas[n])) {
                    partner[o] = n;
                    taken[n] = true;
                }
            }
        }
    };
    pass(sameSubArea);
    pass([](const SubArea& a, const SubArea& b) { return a.Surface == b.Surface && a.Description == b.Description; });
    pass([](const SubArea& a, const SubArea& b) { return a.Surface == b.Surface; });
    for (std::size_t o = 0; o < oldCount; ++o) {
        const SubArea& a = oldC.Areas[o];
        if (!partner[o])
            changes.push_back(fillMessage(msg::kCompareAreaRemoved, {subAreaText(a)}));
        else if (const SubArea& b = newC.Areas[*partner[o]]; !sameSubArea(a, b))
            changes.push_back(fillMessage(msg::kCompareAreaChanged, {subAreaText(a), subAreaText(b)}));
    }
    for (std::size_t n = 0; n < newCount; ++n)
        if (!taken[n])
            changes.push_back(fillMessage(msg::kCompareAreaAdded, {subAreaText(newC.Areas[n])}));
}

std::vector<std::string> changedInputs(const CulvertRecord& o, const CulvertRecord& n)
{
    std::vector<std::string> changes;
    const auto differs = [&changes](std::string_view pattern, const std::string& before, const std::string& after) {
        if (before != after)
            changes.push_back(fillMessage(pattern, {before, after}));
    };
    differs(msg::kCompareReturnPeriod, givenOrNone(o.RetPeriod), givenOrNone(n.RetPeriod));
    differs(msg::kCompareZone, givenOrNone(o.RFZone), givenOrNone(n.RFZone));
    const CulvertValues ov = culvertValues(o);
    const CulvertValues nv = culvertValues(n);
    differs(msg::kCompareRemote, lengthText(ov.Remote, o.EleRemote), lengthText(nv.Remote, n.EleRemote));
    differs(msg::kCompareInlet, lengthText(ov.Inlet, o.EleCulvert), lengthText(nv.Inlet, n.EleCulvert));
    differs(msg::kCompareLength, lengthText(ov.Travel, o.LenTravel), lengthText(nv.Travel, n.LenTravel));
    differs(msg::kCompareFactor, factorText(o, ov), factorText(n, nv));
    compareSubAreas(o, n, changes);
    return changes;
}

// Rounded as the values it is formed of, and never "-0".
double rounded(double value, int decimals)
{
    const double r = roundTo(value, decimals);
    return r == 0.0 ? 0.0 : r;
}

void compareResults(ComparisonRow& row)
{
    const ComparedCulvert& o = row.Old;
    const ComparedCulvert& n = row.New;
    if (o.status == ComparedCulvert::Status::Absent)
        row.Notes.emplace_back(msg::kCompareOnlyInNew);
    if (n.status == ComparedCulvert::Status::Absent)
        row.Notes.emplace_back(msg::kCompareOnlyInOld);
    if (o.status == ComparedCulvert::Status::NotComputable)
        row.Notes.push_back(fillMessage(msg::kCompareNotComputableOld, {o.Reason}));
    if (n.status == ComparedCulvert::Status::NotComputable)
        row.Notes.push_back(fillMessage(msg::kCompareNotComputableNew, {n.Reason}));
    if (o.computed() && n.computed()) {
        if (!o.Summary && !n.Summary && o.SummaryMessage == n.SummaryMessage) {
            row.Notes.push_back(fillMessage(msg::kCompareNoSummaryEither, {o.SummaryMessage}));
        } else {
            if (!o.Summary)
                row.Notes.push_back(fillMessage(msg::kCompareNoSummaryOld, {o.SummaryMessage}));
            if (!n.Summary)
                row.Notes.push_back(fillMessage(msg::kCompareNoSummaryNew, {n.SummaryMessage}));
        }
    }
    if (!o.computed() || !n.computed())
        return;
    const double difference = rounded(n.DesignCfs - o.DesignCfs, 1);
    row.DifferenceCfs = difference;
    if (o.DesignCfs != 0.0)
        row.DifferencePercent = rounded(difference / o.DesignCfs * 100.0, 1);
    else if (difference == 0.0)
        row.DifferencePercent = 0.0;
    if (o.Summary && n.Summary)
        for (std::size_t r = 0; r < o.Summary->size(); ++r)
            row.Periods.push_back({(*o.Summary)[r].Period, (*o.Summary)[r].SumQ, (*n.Summary)[r].SumQ});
}

}  // namespace

std::vector<ComparisonRow> compareProjects(const Document& oldProject, const Document& newProject)
{
    const std::vector<ComparedCulvert> oldResults = computeAll(oldProject);
    const std::vector<ComparedCulvert> newResults = computeAll(newProject);

    // Each ID's occurrences in the new project, in order, taken one by one by the old ones.
    std::map<std::string, std::vector<std::size_t>> newById;
    for (std::size_t i = 0; i < newResults.size(); ++i)
        newById[newProject.CulvertList[i].CulvertNo].push_back(i);
    std::map<std::string, std::size_t> used;
    std::vector<bool> matched(newResults.size(), false);

    std::vector<ComparisonRow> rows;
    for (std::size_t i = 0; i < oldResults.size(); ++i) {
        const CulvertRecord& oldC = oldProject.CulvertList[i];
        ComparisonRow row;
        row.CulvertId = oldC.CulvertNo;
        row.Old = oldResults[i];
        const auto found = newById.find(oldC.CulvertNo);
        std::size_t& next = used[oldC.CulvertNo];
        if (found != newById.end() && next < found->second.size()) {
            const std::size_t j = found->second[next++];
            matched[j] = true;
            row.New = newResults[j];
            row.ChangedInputs = changedInputs(oldC, newProject.CulvertList[j]);
        }
        compareResults(row);
        rows.push_back(std::move(row));
    }
    for (std::size_t j = 0; j < newResults.size(); ++j) {
        if (matched[j])
            continue;
        ComparisonRow row;
        row.CulvertId = newProject.CulvertList[j].CulvertNo;
        row.New = newResults[j];
        compareResults(row);
        rows.push_back(std::move(row));
    }
    return rows;
}

}  // namespace sw
