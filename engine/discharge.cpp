#include "engine/discharge.h"

#include "core/numbers.h"
#include "engine/intensity.h"

namespace sw {

CulvertRun CalCulvert(AppState& state, int culvert)
{
    CulvertRun run;
    CulvertRecord* rec = culvertAt(state, culvert);
    run.Code = static_cast<std::int16_t>(culvert < 0 ? 0 : culvert);
    if (!rec)
        return run;
    run.Computation = computeCulvert(*rec);
    const CulvertComputation& c = run.Computation;
    if (c.status == CulvertComputation::Status::Incomplete)
        return run;  // nothing computed or changed

    auto notComputable = [&run](std::string reason) {
        run.status = CulvertRun::Status::NotComputable;
        run.Reason = std::move(reason);
        return run;
    };
    if (!c.Runoff) {
        // An input the editors would refuse: no result of earlier inputs may stay either.
        rec->Intensity = 0.0;
        rec->Bracket.reset();
        return notComputable(c.Reason);
    }
    run.Totals = CalAC(state, culvert);
    if (!c.Tc) {
        rec->Slope = c.Slope.value_or(0.0);
        rec->CorTC = 0.0;
        rec->Intensity = 0.0;
        rec->Bracket.reset();
        return notComputable(c.Reason);
    }
    rec->Slope = c.Tc->Slope;
    rec->CorTC = c.Tc->CorTC;
    const IntensityResult i = CalIntensity(state, culvert);
    if (!i.computed())
        return notComputable(i.Message);
    run.status = CulvertRun::Status::Computed;
    run.Code = kComputed;
    run.IntensityLine = i.Line;
    return run;
}

Discharge CalQ(const CulvertRecord& c)
{
    const DischargeStep step = computeDischarge(c.Intensity, c.WeightedC, c.TotalArea);
    return {step.Cfs, step.Cms, plainNumber(step.Cfs) + " cfs (" + plainNumber(step.Cms) + " cms)"};
}

std::string LengthDisplay(double value, std::string_view unit, double feet, LeadingZero leadingZero)
{
    const auto number = leadingZero == LeadingZero::Kept ? plainNumber : plainNumberNoLeadingZero;
    std::string out = number(value) + " " + std::string(unit);
    if (value != feet)
        out += " (" + number(feet) + " ft)";
    return out;
}

}  // namespace sw
