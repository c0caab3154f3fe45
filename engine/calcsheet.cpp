#include "engine/calcsheet.h"

#include <cmath>
#include <cstdio>

#include "core/numbers.h"
#include "core/text.h"
#include "engine/culvertvalues.h"
#include "engine/designchecks.h"
#include "engine/runoff.h"
#include "engine/subarealine.h"
#include "engine/tables.h"
#include "model/units.h"

namespace sw {
namespace {

// An unrounded intermediate value, to six significant digits: enough to check by hand.
std::string exact(double value)
{
    if (value == 0.0 || !std::isfinite(value))
        return plainNumber(value);
    const int magnitude = static_cast<int>(std::floor(std::log10(std::fabs(value))));
    return plainNumber(roundTo(value, std::max(0, 5 - magnitude)));
}

std::string n(double value)
{
    return plainNumber(value);
}

std::string length(const LengthValues& l)
{
    return l.Value + " " + l.Unit + " = " + l.Feet + " ft";
}

// Where a sub-area's C comes from: the design table for the culvert's return period, or the user.
// A table surface whose C is not the table's (a file edited by hand) says so.
std::string cSource(const CulvertRecord& c, const SubArea& area, const SubAreaStep& step)
{
    if (!step.TableC)
        return " (typed by the user)";
    const double table = GetCValue(area.Surface, returnPeriodYears(c.RetPeriod).value_or(0), "");
    if (table == step.C)
        return " (design table, " + c.RetPeriod + " years)";
    return " (the design table gives " + n(table) + " for " + c.RetPeriod + " years)";
}

// The factor of an area in square feet, whose conversion a reviewer checks first.
std::string areaFactor(const SubArea& area)
{
    return splitAreaText(area.AreaText).Unit == units::kAreaLetters[2] ? " (43,560 ft² per acre)" : "";
}

void runoffLines(std::vector<std::string>& out, const CulvertRecord& c, const RunoffStep& r, const CulvertValues& v)
{
    out.emplace_back("1. Runoff coefficient and area");
    for (std::size_t j = 0; j < r.Areas.size(); ++j) {
        const SubAreaStep& a = r.Areas[j];
        const SubArea& area = c.Areas[j];
        out.push_back("   Sub-area " + std::to_string(j + 1) + ": " + area.Surface + ", C = " + n(a.C) +
                      cSource(c, area, a) + ", area " + area.AreaText + " = " + n(a.Acres) + " acres" +
                      areaFactor(area) + ", C x A = " + n(a.C) + " x " + n(a.Acres) + " = " + exact(a.CA));
    }
    out.push_back("   Sum of C x A = " + exact(r.Sums.SumCA) + "; sum of A = " + exact(r.Sums.SumA) + " acres");
    out.push_back("   Weighted C = " + exact(r.Sums.SumCA) + " / " + exact(r.Sums.SumA) + " = " +
                  exact(r.Sums.WeightedC) + ", rounded to 0.01: " + v.WeightedC);
    out.push_back("   Total area A = " + exact(r.Sums.SumA) + " acres, rounded to 0.1: " + v.TotalAreaText);
}

void slopeAndTcLines(std::vector<std::string>& out, const TcStep& t, const CulvertValues& v)
{
    out.emplace_back("2. Slope");
    out.push_back("   Elevation of the most remote point: " + length(v.Remote));
    out.push_back("   Elevation of the culvert inlet: " + length(v.Inlet));
    out.push_back("   Maximum length of travel L: " + length(v.Travel));
    out.push_back("   S = (" + v.Remote.Feet + " - " + v.Inlet.Feet + ") / " + v.Travel.Feet + " = " +
                  exact(t.SlopeExact) + " ft/ft, rounded to 0.00001: " + v.Slope);
    out.emplace_back();
    out.emplace_back("3. Time of concentration");
    out.push_back("   Correction factor F = " + v.CorFactorText);
    out.push_back("   Tc = 0.0078 x L^0.77 x S^-0.385 x F = 0.0078 x " + v.Travel.Feet + "^0.77 x " + v.Slope +
                  "^-0.385 x " + v.CorFactor + " = " + exact(t.TcExact) + " min, rounded to 0.01: " + n(t.TcRounded));
    out.push_back(t.Floored ? "   Below the 5-minute floor: corrected Tc = 5 min"
                            : "   Not below the 5-minute floor: corrected Tc = " + v.CorTCText);
    // The board's and the report's "Time of Concentration" is not the formula's value but this one.
    out.push_back("   Tc before correction, as the board and the report show it: corrected Tc / F = " + v.CorTC +
                  " / " + v.CorFactor + " = " + v.TcText);
}

void intensityLines(std::vector<std::string>& out, const IntensityStep& i, const CulvertValues& v)
{
    const IntensityBracket& b = i.Bracket;
    out.emplace_back("4. Rainfall intensity");
    out.push_back("   Zone " + designTables().ZoneNames[i.Zone] + ", durations enclosing Tc = " + n(b.CorTC) +
                  " min: " + n(b.Dur1) + " min (a = " + n(b.A1) + ", b = " + n(b.B1) + ") and " + n(b.Dur2) +
                  " min (a = " + n(b.A2) + ", b = " + n(b.B2) + ")");
    out.push_back("   Frequency term y = -ln(ln(T / (T - 1))) with T = " + v.RetPeriod + " years: " + exact(i.FreqTerm));
    out.push_back("   i(" + n(b.Dur1) + " min) = y x b + a = " + exact(i.FreqTerm) + " x " + n(b.B1) + " + " + n(b.A1) +
                  " = " + exact(i.I1) + " in/hr");
    out.push_back("   i(" + n(b.Dur2) + " min) = " + exact(i.FreqTerm) + " x " + n(b.B2) + " + " + n(b.A2) + " = " +
                  exact(i.I2) + " in/hr");
    out.push_back("   i = " + exact(i.I1) + " + (" + exact(i.I2) + " - " + exact(i.I1) + ") x (" + n(b.CorTC) + " - " +
                  n(b.Dur1) + ") / (" + n(b.Dur2) + " - " + n(b.Dur1) + ") = " + exact(i.IExact) + " in/hr");
    out.push_back("   Rounded to 0.01: " + n(i.IListed) + " in/hr; to 0.1, as the discharge uses it: " + v.Intensity +
                  " in/hr");
}

void dischargeLines(std::vector<std::string>& out, const DischargeStep& q, const CulvertValues& v)
{
    out.emplace_back("5. Discharge");
    out.push_back("   Q = i x C x A = " + v.Intensity + " x " + v.WeightedC + " x " + v.TotalArea + " = " +
                  exact(q.Product) + " cfs, rounded to 0.1: " + v.QCfs + " cfs");
    out.push_back("   Q = " + v.QCfs + " x " + n(kCmsPerCfs) + " = " + exact(q.CmsExact) + " cms, rounded to 0.1: " +
                  v.QCms + " cms");
}

}  // namespace

std::vector<std::string> calculationSheet(const CulvertRecord& c, const CulvertComputation& computation)
{
    // The sheet's rounded values are the ones a run stores of this computation and the outputs show.
    const CulvertValues v = culvertValues(c, computation);
    std::vector<std::string> out;
    out.push_back("Calculation sheet of culvert " + v.CulvertNo + (v.Description.empty() ? "" : ", " + v.Description));
    out.push_back("Return period " + v.RetPeriod + " years, Vellmora rainfall zone " + v.RFZone);
    // What a reviewer should look at twice comes before the steps, as the All Culverts table flags it.
    if (const std::vector<DesignFlag> flags = designChecks(c, computation); !flags.empty()) {
        out.emplace_back("Checks before signing:");
        for (const DesignFlag& flag : flags)
            out.push_back("   " + flag.Text);
    }
    out.emplace_back();
    if (computation.Runoff) {
        runoffLines(out, c, *computation.Runoff, v);
        out.emplace_back();
    }
    if (computation.Tc) {
        slopeAndTcLines(out, *computation.Tc, v);
        out.emplace_back();
    }
    if (computation.Intensity) {
        intensityLines(out, *computation.Intensity, v);
        out.emplace_back();
    }
    if (computation.Discharge) {
        dischargeLines(out, *computation.Discharge, v);
    } else {
        out.push_back("The culvert cannot be computed: " + computation.Reason);
    }
    return out;
}

}  // namespace sw
