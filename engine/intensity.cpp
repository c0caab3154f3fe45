#include "engine/intensity.h"

#include <cmath>

#include "core/numbers.h"
#include "engine/compute.h"

namespace sw {

double FreqTerm(double T)
{
    return -std::log(std::log(T / (T - 1.0)));
}

double InterpIntensity(double T, double Tc, double Dur1, double Dur2, double A1, double B1,
                       double A2, double B2)
{
    const double y = FreqTerm(T);
    const double i1 = y * B1 + A1;
    const double i2 = y * B2 + A2;
    const double i = (i2 - i1) / (Dur2 - Dur1) * (Tc - Dur1) + i1;
    return roundTo(i, 2);
}

IntensityResult CalIntensity(Document& document, int culvert)
{
    IntensityResult r;
    CulvertRecord* rec = culvertAt(document, culvert);
    if (!rec)
        return r;  // NoCulvert: silent
    const IntensityOutcome i = computeIntensity(rec->RFZone, rec->RetPeriod, rec->CorTC);
    switch (i.status) {
    case IntensityOutcome::Status::NoZone:
        r.status = IntensityResult::Status::NoZone;
        return r;
    case IntensityOutcome::Status::NotComputable:
        withdrawIntensity(*rec);
        r.status = IntensityResult::Status::NotComputable;
        r.Message = i.Reason;
        return r;
    case IntensityOutcome::Status::Computed:
        break;
    }
    storeIntensity(*rec, *i.Step);
    r.status = IntensityResult::Status::Computed;
    r.Line = intensityLine(i.Step->IListed);
    return r;
}

std::string intensityLine(double listed)
{
    return "Intensity (in/hr): " + plainNumber(listed) + " (" + plainNumber(wholePart(listed * 25.4)) +
           " mm/hr) ";
}

std::vector<std::string> intensityInputLines(const CulvertRecord& c)
{
    return {
        "Culvert ID: " + c.CulvertNo,
        "Ele. of Remote Point (ft):" + plainNumber(c.EleRemoteFt),
        "Ele. of Culvert Inlet (ft): " + plainNumber(c.EleCulvertFt),
        "Len. of Travel (ft): " + plainNumber(c.LenTravelFt),
        "Slope (ft/ft): " + plainNumber(c.Slope),
        "Corr. Factor: " + plainNumber(c.CorFactor) + " (" + c.CorFactorSource + ")",
        std::string(kCorrTcLabel) + plainNumber(c.CorTC),
    };
}

}  // namespace sw
