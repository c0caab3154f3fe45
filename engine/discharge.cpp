#include "engine/discharge.h"

#include "core/messages.h"
#include "core/numbers.h"
#include "core/text.h"
#include "engine/tc.h"

namespace sw {
namespace {

std::string storedInputProblem(const CulvertRecord& culvert)
{
    const auto declared = static_cast<std::uint64_t>(declaredAreaCount(culvert));
    if (declared > culvert.Areas.size())
        return fillMessage(msg::kAreaCountBeyondList, {std::to_string(declared), std::to_string(culvert.Areas.size())});
    for (std::size_t j = 0; j < declared; ++j)
        if (std::string problem = subAreaProblem(culvert.Areas[j], j + 1); !problem.empty())
            return problem;
    return returnPeriodProblem(culvert.RetPeriod);
}

}  // namespace

CulvertRun CalCulvert(AppState& state, int culvert)
{
    CulvertRun run;
    const CulvertRecord* rec = culvertAt(state, culvert);
    if (!rec) {
        run.Code = static_cast<std::int16_t>(culvert < 0 ? 0 : culvert);
        return run;
    }
    run.Code = static_cast<std::int16_t>(culvert);
    const bool complete = rec->EleRemote != 0.0 && rec->EleCulvert != 0.0 && rec->LenTravel != 0.0 &&
                          rec->CorFactor != 0.0 && declaredAreaCount(*rec) != 0 &&
                          !rec->RetPeriod.empty() && !rec->RFZone.empty();
    if (!complete)
        return run;

    CulvertRecord& culv = state.CulvertList[static_cast<std::size_t>(culvert)];
    // Inputs the editors would have refused are not computed with, so that a hand-edited file
    // gives no discharge that no designer could have entered; nothing stale of an earlier run
    // stays either.
    if (std::string problem = storedInputProblem(culv); !problem.empty()) {
        culv.Intensity = 0.0;
        culv.Bracket.reset();
        run.status = CulvertRun::Status::NotComputable;
        run.Reason = std::move(problem);
        return run;
    }
    run.Totals = CalAC(state, culvert);
    const TcOutcome tc = computeSlopeAndTc(culv);
    if (!tc.Computed) {
        run.status = CulvertRun::Status::NotComputable;
        run.Reason = tc.Reason;
        return run;
    }
    const IntensityResult i = CalIntensity(state, culvert);
    if (!i.computed()) {
        // A silent "no zone" cannot happen here: the zone was checked above.
        run.status = CulvertRun::Status::NotComputable;
        run.Reason = i.Message;
        return run;
    }
    run.status = CulvertRun::Status::Computed;
    run.Code = kComputed;
    run.IntensityLine = i.Line;
    return run;
}

Discharge CalQ(const CulvertRecord& c)
{
    Discharge q;
    q.Cfs = roundTo(c.Intensity * c.WeightedC * c.TotalArea, 1);
    q.Cms = roundTo(q.Cfs * 0.0283, 1);
    q.Text = plainNumber(q.Cfs) + " cfs (" + plainNumber(q.Cms) + " cms)";
    return q;
}

std::string LengthDisplay(double value, std::string_view unit, double feet)
{
    std::string out = plainNumber(value) + " " + std::string(unit);
    if (value != feet)
        out += " (" + plainNumber(feet) + " ft)";
    return out;
}

}  // namespace sw
