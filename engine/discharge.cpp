#include "engine/discharge.h"

#include "core/numbers.h"
#include "engine/intensity.h"

namespace sw {

CulvertRun CalCulvert(Document& document, int culvert)
{
    CulvertRun run;
    CulvertRecord* rec = culvertAt(document, culvert);
    if (!rec)
        return run;
    run.Computation = computeCulvert(*rec);
    storeResults(*rec, run.Computation);
    const CulvertComputation& c = run.Computation;
    run.Reason = c.Reason;
    switch (c.status) {
    case CulvertComputation::Status::Incomplete:
        run.status = CulvertRun::Status::Incomplete;
        return run;
    case CulvertComputation::Status::NotComputable:
        run.status = CulvertRun::Status::NotComputable;
        break;
    case CulvertComputation::Status::Computed:
        run.status = CulvertRun::Status::Computed;
        run.IntensityLine = intensityLine(c.Intensity->IListed);
        break;
    }
    if (c.Runoff)
        run.Totals = totalsLabels(c.Runoff->Sums);
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
