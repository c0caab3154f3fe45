#include "report/comparefile.h"

#include <algorithm>

#include "core/messages.h"
#include "core/numbers.h"
#include "core/text.h"
#include "engine/tables.h"
#include "report/csvfile.h"

namespace sw {
namespace {

// As the results CSV writes them.
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kRowEnd = "\r\n";
constexpr std::string_view kItemSeparator = "; ";

ComparisonCell number(double value, std::string written)
{
    return {std::move(written), true, value};
}

ComparisonCell number(double value)
{
    return number(value, plainNumber(value));
}

ComparisonCell text(std::string value)
{
    return {std::move(value), false, 0.0};
}

std::string joined(const std::vector<std::string>& items)
{
    std::string out;
    for (const std::string& item : items)
        out += (out.empty() ? "" : std::string(kItemSeparator)) + item;
    return out;
}

std::string spaces(std::size_t n)
{
    return std::string(n, ' ');
}

// Left-aligned in `width` characters, never cut.
std::string padRight(const std::string& value, std::size_t width)
{
    const std::size_t n = charCount(value);
    return n >= width ? value : value + spaces(width - n);
}

constexpr std::size_t kNumberWidth = 15;
constexpr std::size_t kPeriodWidth = 9;
constexpr std::string_view kIndent = "    ";
constexpr std::string_view kMissing = "-";

}  // namespace

std::vector<std::string> comparisonColumnTitles()
{
    std::vector<std::string> titles{"Culvert ID", "Design Q old (cfs)", "Design Q new (cfs)", "Difference (cfs)",
                                    "Difference (%)"};
    for (const std::int16_t period : designTables().SummaryPeriods) {
        titles.push_back("Q " + std::to_string(period) + "-year old (cfs)");
        titles.push_back("Q " + std::to_string(period) + "-year new (cfs)");
    }
    titles.emplace_back("Changed inputs");
    titles.emplace_back("Note");
    return titles;
}

std::size_t comparisonChangesColumn()
{
    return kComparisonFirstPeriodColumn + 2 * kReturnPeriodCount;
}

std::size_t comparisonNoteColumn()
{
    return comparisonChangesColumn() + 1;
}

std::vector<ComparisonCell> comparisonCells(const ComparisonRow& row, std::string_view percentNone)
{
    std::vector<ComparisonCell> cells(comparisonNoteColumn() + 1);
    cells[0] = text(row.CulvertId);
    if (row.Old.computed())
        cells[1] = number(row.Old.DesignCfs, row.Old.DesignCfsText);
    if (row.New.computed())
        cells[2] = number(row.New.DesignCfs, row.New.DesignCfsText);
    if (row.DifferenceCfs)
        cells[3] = number(*row.DifferenceCfs);
    if (row.DifferencePercent)
        cells[4] = number(*row.DifferencePercent);
    else if (row.DifferenceCfs)
        cells[4] = text(std::string(percentNone));
    for (std::size_t r = 0; r < row.Periods.size() && r < kReturnPeriodCount; ++r) {
        cells[kComparisonFirstPeriodColumn + 2 * r] = number(row.Periods[r].OldCfs);
        cells[kComparisonFirstPeriodColumn + 2 * r + 1] = number(row.Periods[r].NewCfs);
    }
    cells[comparisonChangesColumn()] = text(joined(row.ChangedInputs));
    cells[comparisonNoteColumn()] = text(joined(row.Notes));
    return cells;
}

std::string comparisonCsv(const std::vector<ComparisonRow>& rows)
{
    const auto line = [](const std::vector<std::string>& fields) {
        std::string out;
        for (std::size_t k = 0; k < fields.size(); ++k)
            out += (k > 0 ? "," : "") + fields[k];
        return out + std::string(kRowEnd);
    };
    std::string bytes(kByteOrderMark);
    bytes += line(comparisonColumnTitles());
    for (const ComparisonRow& row : rows) {
        std::vector<std::string> fields;
        for (const ComparisonCell& cell : comparisonCells(row, ""))
            fields.push_back(cell.Number ? cell.Text : csvTextField(cell.Text));
        bytes += line(fields);
    }
    return bytes;
}

FileWriteResult writeComparisonCsv(const std::vector<ComparisonRow>& rows, std::string_view path)
{
    return writeFileBytes(path, comparisonCsv(rows));
}

std::vector<std::string> comparisonTextLines(const std::vector<ComparisonRow>& rows, std::string_view oldName,
                                             std::string_view newName)
{
    const std::vector<std::string> titles = comparisonColumnTitles();
    std::size_t idWidth = charCount(titles[0]);
    for (const ComparisonRow& row : rows)
        idWidth = std::max(idWidth, charCount(printableText(row.CulvertId)));
    idWidth += 2;

    std::vector<std::string> lines{"Old project: " + printableText(oldName), "New project: " + printableText(newName), ""};
    const std::string heading1 = padRight(titles[0], idWidth) + atMask("Design Q old", kNumberWidth) +
                                 atMask("Design Q new", kNumberWidth) + atMask("Difference", kNumberWidth) +
                                 atMask("Difference", kNumberWidth);
    const std::string heading2 = spaces(idWidth) + atMask("(cfs)", kNumberWidth) + atMask("(cfs)", kNumberWidth) +
                                 atMask("(cfs)", kNumberWidth) + atMask("(%)", kNumberWidth);
    lines.push_back(heading1);
    lines.push_back(heading2);
    lines.push_back(std::string(charCount(heading1), '-'));
    if (rows.empty())
        return lines;

    constexpr std::size_t kLabelWidth = 22;
    std::string periodTitles = std::string(kIndent) + padRight("Return period (years)", kLabelWidth);
    for (const std::int16_t period : designTables().SummaryPeriods)
        periodTitles += atMask(std::to_string(period), kPeriodWidth);

    for (const ComparisonRow& row : rows) {
        const std::vector<ComparisonCell> cells = comparisonCells(row, msg::kComparePercentNone);
        std::string line = padRight(printableText(row.CulvertId), idWidth);
        for (std::size_t k = 1; k <= 4; ++k)
            line += atMask(cells[k].Text.empty() ? kMissing : cells[k].Text, kNumberWidth);
        lines.push_back(line);
        if (!row.Periods.empty()) {
            lines.push_back(periodTitles);
            std::string oldLine = std::string(kIndent) + padRight("Q old (cfs)", kLabelWidth);
            std::string newLine = std::string(kIndent) + padRight("Q new (cfs)", kLabelWidth);
            for (const PeriodDischarge& p : row.Periods) {
                oldLine += atMask(plainNumber(p.OldCfs), kPeriodWidth);
                newLine += atMask(plainNumber(p.NewCfs), kPeriodWidth);
            }
            lines.push_back(oldLine);
            lines.push_back(newLine);
        }
        for (const std::string& change : row.ChangedInputs)
            lines.push_back(std::string(kIndent) + "Changed: " + printableText(change));
        for (const std::string& note : row.Notes)
            lines.push_back(std::string(kIndent) + "Note: " + printableText(note));
    }
    return lines;
}

}  // namespace sw
