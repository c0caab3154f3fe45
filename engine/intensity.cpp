#include "engine/intensity.h"

#include <cmath>

#include "core/messages.h"
#include "core/numbers.h"
#include "core/text.h"
#include "engine/tables.h"

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

std::string returnPeriodProblem(std::string_view retPeriod)
{
    const double T = numericValue(retPeriod);
    if (!(T > 1.0) || !std::isfinite(T))
        return std::string(msg::kReturnPeriodTooShort);
    if (!wholePartInt16(T))
        return fillMessage(msg::kReturnPeriodTooLong, {messageValue(retPeriod)});
    return {};
}

namespace {

IntensityResult notComputable(CulvertRecord& rec, std::string reason)
{
    rec.Intensity = 0.0;
    rec.Bracket.reset();
    IntensityResult r;
    r.status = IntensityResult::Status::NotComputable;
    r.Message = std::move(reason);
    return r;
}

}  // namespace

IntensityResult CalIntensity(AppState& state, int culvert)
{
    IntensityResult r;
    if (state.CurCulvert < 0) {
        r.status = IntensityResult::Status::NoCulvertSelected;
        r.Message = std::string(msg::kSelectCulvert);
        return r;
    }
    CulvertRecord* rec = culvertAt(state, culvert);
    if (!rec || rec->RFZone.empty())
        return r;  // NoZone: silent

    const DesignTables& t = designTables();
    std::size_t zone = t.ZoneNames.size();
    for (std::size_t z = 0; z < t.ZoneNames.size(); ++z)
        if (rec->RFZone == t.ZoneNames[z])
            zone = z;
    if (zone == t.ZoneNames.size())
        return notComputable(*rec, std::string(msg::kZoneUnknown));

    const ZoneIdf& idf = t.IDFTable[zone];
    const double tc = rec->CorTC;
    std::size_t k = 0;
    bool found = false;
    for (; k + 1 < idf.Durations.size() && k <= 8; ++k) {
        if (idf.Durations[k] <= tc && tc <= idf.Durations[k + 1]) {
            found = true;
            break;
        }
    }
    if (!found) {
        return notComputable(*rec, fillMessage(msg::kTcBeyondTable, {messageNumber(tc)}));
    }

    if (std::string problem = returnPeriodProblem(rec->RetPeriod); !problem.empty())
        return notComputable(*rec, std::move(problem));
    const double T = numericValue(rec->RetPeriod);

    const double i = InterpIntensity(T, tc, idf.Durations[k], idf.Durations[k + 1], idf.CoefA[k],
                                     idf.CoefB[k], idf.CoefA[k + 1], idf.CoefB[k + 1]);
    if (!std::isfinite(i))
        return notComputable(*rec, std::string(msg::kReturnPeriodTooShort));
    rec->Bracket = IntensityBracket{tc,           idf.Durations[k],     idf.Durations[k + 1],
                                    idf.CoefA[k], idf.CoefB[k],         idf.CoefA[k + 1],
                                    idf.CoefB[k + 1]};
    rec->Intensity = roundTo(i, 1);
    r.status = IntensityResult::Status::Computed;
    r.Line = "Intensity (in/hr): " + plainNumber(i) + " (" + plainNumber(wholePart(i * 25.4)) +
             " mm/hr) ";
    return r;
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
        "Corr. TC (min): " + plainNumber(c.CorTC),
    };
}

}  // namespace sw
