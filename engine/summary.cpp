#include "engine/summary.h"


#include "core/encoding.h"
#include "core/filereplace.h"
#include "core/messages.h"
#include "core/numbers.h"
#include "core/text.h"
#include "engine/intensity.h"

namespace sw {

void CalSummaryI(AppState& state, const IntensityBracket& b)
{
    for (SummaryRow& row : state.SummaryRows)
        row.SumI = InterpIntensity(row.Period, b.CorTC, b.Dur1, b.Dur2, b.A1, b.B1, b.A2, b.B2);
}

AreaCoefs CalSummaryC(AppState& state, int culvert)
{
    AreaCoefs coefs;
    const CulvertRecord* rec = culvertAt(state, culvert);
    if (!rec) {
        state.SummaryFlag = kSummaryUserDefined;
        return coefs;
    }
    const std::size_t n = validAreaCount(*rec);
    coefs.resize(n);
    const DesignTables& t = designTables();
    for (std::size_t j = 0; j < n; ++j) {
        const std::string_view surface = trimSpaces(rec->Areas[j].Surface);
        for (const SurfaceCoef& row : t.SurfaceTable)
            if (row.SurfaceName == surface)
                coefs[j] = row;
    }
    state.SummaryFlag = kSummaryAvailable;
    for (const auto& entry : coefs) {
        if (!entry) {
            state.SummaryFlag = kSummaryUserDefined;
            break;
        }
    }
    return coefs;
}

void CalSummaryQ(AppState& state, int culvert, const AreaCoefs& coefs)
{
    const CulvertRecord* rec = culvertAt(state, culvert);
    const std::size_t n = rec ? std::min(validAreaCount(*rec), coefs.size()) : 0;
    for (std::size_t r = 0; r < state.SummaryRows.size(); ++r) {
        double sumCA = 0.0;
        double sumA = 0.0;
        double wc = 0.0;
        for (std::size_t j = 0; j < n; ++j) {
            const double c = coefs[j] ? coefs[j]->CValues[r] : 0.0;
            sumCA += c * rec->Areas[j].AreaAcres;
            sumA += rec->Areas[j].AreaAcres;
            wc = sumCA != 0.0 ? sumCA / sumA : 0.0;
        }
        SummaryRow& row = state.SummaryRows[r];
        row.SumC = roundTo(wc, 2);
        row.SumA = roundTo(sumA, 1);
        row.SumQ = roundTo(roundTo(row.SumI, 1) * row.SumC * row.SumA, 1);
    }
}

std::string summaryRowLine(const SummaryRow& row, bool marked)
{
    const std::string year = std::to_string(row.Period);
    std::string line = marked ? "*" + atMask(year, 4) : atMask(year, 5);
    line += atMask(formatNumber(row.SumC, "0.00"), 12);
    line += atMask(formatNumber(row.SumI, "0.0"), 8);
    line += atMask(formatNumber(row.SumA, "0.0"), 10);
    line += atMask(formatNumber(row.SumQ, "0.0"), 10);
    return line;
}

std::vector<std::string> summaryTableLines(const std::array<SummaryRow, 7>& rows, std::string_view retPeriod)
{
    const double design = numericValue(retPeriod);
    std::vector<std::string> lines{std::string(kSummaryHeader1), std::string(kSummaryHeader2),
                                   std::string(kSummaryHeader3), std::string(kSummaryRule)};
    for (const SummaryRow& row : rows)
        lines.push_back(summaryRowLine(row, row.Period == design));
    return lines;
}

SummaryOutcome prepareSummary(AppState& state, int culvert)
{
    SummaryOutcome out;
    const CulvertRecord* rec = culvertAt(state, culvert);
    if (!rec) {
        out.status = SummaryOutcome::Status::NoCulvert;
        out.Message = std::string(msg::kSummaryNoCulvert);
        return out;
    }
    if (!rec->Bracket) {
        out.status = SummaryOutcome::Status::NotComputed;
        out.Message = std::string(msg::kSummaryNotComputed);
        return out;
    }
    CalSummaryI(state, *rec->Bracket);
    const AreaCoefs coefs = CalSummaryC(state, culvert);
    if (state.SummaryFlag < 0) {
        out.status = SummaryOutcome::Status::UserDefined;
        out.Message = std::string(msg::kSummaryUserDefinedSurface);
        return out;
    }
    CalSummaryQ(state, culvert, coefs);
    out.status = SummaryOutcome::Status::Available;
    return out;
}

std::string textFileBytes(const std::vector<std::string>& lines)
{
    std::string bytes;
    for (const std::string& line : lines) {
        bytes += toWindows1252(line);
        bytes += "\r\n";
    }
    return bytes;
}

FileWriteResult writeTextFile(std::string_view path, const std::vector<std::string>& lines)
{
    FileWriteResult result;
    if (trimSpaces(path).empty()) {
        result.Message = std::string(msg::kFileNoLocation);
        return result;
    }
    const FileReplace r = replaceFileContents(path, textFileBytes(lines));
    if (r.replaced()) {
        result.status = FileWriteResult::Status::Written;
        return result;
    }
    std::string reason;
    switch (r.status) {
    case FileReplace::Status::IsFolder: reason = msg::kFileIsFolder; break;
    case FileReplace::Status::NotOrdinaryFile: reason = msg::kFileNotOrdinary; break;
    case FileReplace::Status::NoFolder: reason = msg::kFileNoFolder; break;
    case FileReplace::Status::NoTemporaryName: reason = msg::kFileNoTempName; break;
    default: reason = r.Reason.empty() ? std::string(msg::kReasonUnknown) : r.Reason; break;
    }
    result.Message = std::string(msg::kFileNotWritten1) + std::string(path) + std::string(msg::kFileNotWritten2) +
                     reason + std::string(msg::kFileNotWritten3);
    return result;
}

std::vector<std::string> summaryFileLines(const AppState& state, int culvert)
{
    const CulvertRecord* rec = culvertAt(state, culvert);
    return summaryTableLines(state.SummaryRows, rec ? std::string_view(rec->RetPeriod) : std::string_view());
}

FileWriteResult WriteSummary(const AppState& state, int culvert)
{
    return writeTextFile(state.SummaryFilePath, summaryFileLines(state, culvert));
}

int summaryCulvert(const AppState& state)
{
    return state.LastRunSingle ? state.CurCulvert : state.BoardCulvert;
}

SummaryOutcome ShowSummary(AppState& state, int culvert)
{
    SummaryOutcome out = prepareSummary(state, culvert);
    if (!out.available())
        return out;
    const FileWriteResult written = WriteSummary(state, culvert);
    if (!written.written()) {
        out.status = SummaryOutcome::Status::WriteFailed;
        out.Message = written.Message;
    }
    return out;
}

}  // namespace sw
