// The results and two projects compared, as CSV and as text: the columns, numbers as the board
// writes them, quoting that survives a round trip, and texts that a spreadsheet will not run as
// formulas.

#include <gtest/gtest.h>

#include "core/messages.h"
#include "core/numbers.h"
#include "core/text.h"
#include "report/comparefile.h"
#include "report/csvfile.h"
#include "tests/engine/comparefixture.h"
#include "tests/project/projectfixtures.h"

namespace sw {
namespace {

using namespace sw::testing;
using Rows = std::vector<std::vector<std::string>>;

// A reader of RFC 4180 text: fields split at commas, quoted fields with doubled quotes and line
// breaks inside, rows ended by CR LF.
Rows readCsv(std::string_view text)
{
    Rows rows(1, std::vector<std::string>(1));
    bool quoted = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        std::string& field = rows.back().back();
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"')
                field += text[++i];
            else if (c == '"')
                quoted = false;
            else
                field += c;
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            rows.back().emplace_back();
        } else if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            ++i;
            rows.emplace_back(1);
        } else {
            field += c;
        }
    }
    rows.pop_back();  // after the last row's end
    return rows;
}

Document project()
{
    Document s = stateWith({culvert("C1", {subArea("Asphaltic", "4.0 a", 0.81)}),
                            culvert("Ditch, \"north\"\nside", {subArea("Own", "2.0 a", 0.5)}),
                            culvert("=SUM(A1:A9)", {subArea("Asphaltic", "1.0 a", 0.81)}),
                            record("@no inputs", "+STA 1", "-5")});
    s.CulvertList[1].Description = "STA 1+00, \"old\" bridge";
    s.CulvertList[2].CorFactor = 0;  // incomplete
    return s;
}

// The columns, and the values of computed culverts and of those that cannot be computed, are those
// of the batch command's recorded files (tests/app/golden/*-csv.file).
TEST(ResultsCsv, TextsComeBackAsTheyWereAndAreNotRunAsFormulas)
{
    const std::string bytes = resultsCsv(project());
    ASSERT_TRUE(bytes.starts_with("\xEF\xBB\xBF"));
    const Rows rows = readCsv(std::string_view(bytes).substr(3));
    ASSERT_EQ(rows.size(), 5u);
    for (const auto& r : rows)
        EXPECT_EQ(r.size(), 22u);
    EXPECT_EQ(rows[2][0], "Ditch, \"north\"\nside");
    EXPECT_EQ(rows[2][1], "STA 1+00, \"old\" bridge");
    // A culvert that cannot be computed keeps its row, the reason last.
    EXPECT_EQ(rows[3][0], "'=SUM(A1:A9)");
    EXPECT_EQ(rows[3].back(), std::string(msg::kMissingFactor));
    EXPECT_EQ(std::vector<std::string>(rows[4].begin(), rows[4].begin() + 3),
              (std::vector<std::string>{"'@no inputs", "'+STA 1", "'-5"}));
    EXPECT_EQ(rows[4].back(), std::string(msg::kMissingZone));
}

TEST(ResultsCsv, FieldsAreQuotedOnlyWhereTheyMustBe)
{
    for (const auto& [text, field] : std::vector<std::pair<std::string, std::string>>{
             {"plain", "plain"}, {"a,b", "\"a,b\""}, {"say \"x\"", "\"say \"\"x\"\"\""}, {"two\r\nlines", "\"two\r\nlines\""},
             {"=1+1", "'=1+1"}, {"-x,y", "\"'-x,y\""}, {"\tx", "'\tx"}, {"", ""}, {"Fossé 5°", "Fossé 5°"}})
        EXPECT_EQ(csvTextField(text), field) << text;
}

std::size_t rowOf(const std::string& id)
{
    return static_cast<std::size_t>(std::find(kComparedIds.begin(), kComparedIds.end(), id) - kComparedIds.begin());
}

TEST(ComparisonCsv, ColumnsQuotingAndTheFormulaGuard)
{
    const std::vector<ComparisonRow> rows = compareProjects(compareOld(), compareNew());
    const std::string bytes = comparisonCsv(rows);
    ASSERT_TRUE(bytes.starts_with("\xEF\xBB\xBF"
                                  "Culvert ID,Design Q old (cfs),Design Q new (cfs),Difference (cfs),Difference (%),"
                                  "Q 2-year old (cfs),Q 2-year new (cfs),Q 5-year old (cfs),"));
    EXPECT_NE(bytes.find(",Q 500-year old (cfs),Q 500-year new (cfs),Changed inputs,Note\r\n"), std::string::npos);
    const Rows csv = readCsv(std::string_view(bytes).substr(3));
    ASSERT_EQ(csv.size(), kComparedIds.size() + 1);
    EXPECT_EQ(csv[0], comparisonColumnTitles());
    for (const auto& r : csv)
        EXPECT_EQ(r.size(), 21u);

    // Every number as the board writes it, from the typed rows (no text for a Q not computed).
    for (std::size_t k = 0; k < rows.size(); ++k) {
        const ComparisonRow& row = rows[k];
        const std::vector<std::string>& f = csv[k + 1];
        SCOPED_TRACE(row.CulvertId);
        EXPECT_EQ(f[1], row.Old.DesignCfsText);
        EXPECT_EQ(f[2], row.New.DesignCfsText);
        EXPECT_EQ(f[3], row.DifferenceCfs ? plainNumber(*row.DifferenceCfs) : "");
        EXPECT_EQ(f[4], row.DifferencePercent ? plainNumber(*row.DifferencePercent) : "");
        for (std::size_t p = 0; p < kReturnPeriodCount; ++p) {
            EXPECT_EQ(f[5 + 2 * p], row.Periods.empty() ? "" : plainNumber(row.Periods[p].OldCfs));
            EXPECT_EQ(f[6 + 2 * p], row.Periods.empty() ? "" : plainNumber(row.Periods[p].NewCfs));
        }
    }
    // The values of the rows themselves (PERIOD: 13.5 -> 16 cfs) are in ComparisonText below.
    // The changed inputs in one field; an old Q of 0 has no percentage; a note says why.
    EXPECT_EQ(csv[1 + rowOf("AREAS")][19].find("Sub-area removed: Asphaltic, 2 a, C 0.81, lane; Sub-area changed: "),
              0u);
    EXPECT_EQ(csv[1 + rowOf("ZERO")][1], "0");
    EXPECT_EQ(csv[1 + rowOf("ZERO")][4], "");
    EXPECT_EQ(csv[1 + rowOf("BROKEN")][20], fillMessage(msg::kCompareNotComputableNew, {msg::kReturnPeriodTooShort}));
    EXPECT_EQ(csv[1 + rowOf("ONLY-OLD")][20], msg::kCompareOnlyInOld);
    // A text a spreadsheet would run is shown as text, and its comma and quotes survive.
    EXPECT_EQ(csv.back()[0], "'" + kFormulaId);
    EXPECT_NE(bytes.find("\r\n\"'=SUM(A1),\"\"x\"\"\","), std::string::npos);
}

TEST(ComparisonText, ATableLineACulvertWithItsDetailsBelow)
{
    Document oldDoc = compareOld();
    oldDoc.CulvertList.push_back(tableCulvert("ESC\x1b[2J"));  // a terminal control sequence in an ID
    const std::vector<std::string> lines =
        comparisonTextLines(compareProjects(oldDoc, compareNew()), "old.txt", "new.txt");
    const auto at = [&lines](const std::string& start) {
        const auto it = std::find_if(lines.begin(), lines.end(), [&](const std::string& l) { return l.starts_with(start); });
        return it == lines.end() ? lines.end() - 1 : it;
    };
    const std::vector<std::string> head(lines.begin(), lines.begin() + 6);
    EXPECT_EQ(head, (std::vector<std::string>{
                        "Old project: old.txt", "New project: new.txt", "",
                        "Culvert ID       Design Q old   Design Q new     Difference     Difference",
                        "                        (cfs)          (cfs)          (cfs)            (%)",
                        std::string(74, '-')}));
    auto period = at("PERIOD ");
    EXPECT_EQ(std::vector<std::string>(period, period + 4),
              (std::vector<std::string>{
                  "PERIOD                   13.5             16            2.5           18.5",
                  "    Return period (years)         2        5       10       25       50      100      500",
                  "    Q old (cfs)                 7.5     10.8     13.5       17     19.9     23.3     29.4",
                  "    Q new (cfs)                 7.5     10.8     13.5       17     19.9     23.3     29.4"}));
    EXPECT_EQ(*(period + 4), "    Changed: Return period (years) 10 -> 25");
    EXPECT_EQ(*at("ZERO "), "ZERO                        0            8.9            8.9            n/a");
    auto onlyOld = at("ONLY-OLD ");
    EXPECT_EQ(*onlyOld, "ONLY-OLD                 13.5              -              -              -");
    EXPECT_EQ(*(onlyOld + 1), "    Note: Only in the old project.");
    EXPECT_NE(at("ESC\\x1B[2J "), lines.end() - 1);
    for (const std::string& line : lines)
        EXPECT_EQ(line.find('\x1b'), std::string::npos) << line;
}

}  // namespace
}  // namespace sw
