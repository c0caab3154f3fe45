// The results as CSV: a row per culvert with the run's values, quoting that survives a round trip,
// and texts that a spreadsheet will not run as formulas.

#include <gtest/gtest.h>

#include "core/messages.h"
#include "core/numbers.h"
#include "engine/discharge.h"
#include "report/csvfile.h"
#include "tests/project/projectfixtures.h"
#include "tests/report/csvreader.h"

namespace sw {
namespace {

using namespace sw::testing;
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

TEST(ResultsCsv, ARowPerCulvertWithTheRunsValues)
{
    const Document doc = project();
    const std::string bytes = resultsCsv(doc);
    ASSERT_TRUE(bytes.starts_with("\xEF\xBB\xBF"));
    const Rows rows = readCsv(std::string_view(bytes).substr(3));
    ASSERT_EQ(rows.size(), 5u);
    EXPECT_EQ(rows[0].front(), "Culvert ID");
    EXPECT_EQ(rows[0][14], "Q 2-year (cfs)");
    EXPECT_EQ(rows[0].back(), "Not Computed Because");
    for (const auto& r : rows)
        EXPECT_EQ(r.size(), 22u);

    // C1 as the run computes it: 4 acres of C 0.81, 9.38 min, 5.5 in/hr, Q 17.8 cfs; its summary.
    Document run = doc;
    ASSERT_TRUE(CalCulvert(run, 0).computed());
    const std::vector<std::string> c1{"C1", "STA 12+50", "10", "A", "4", "0.81", "0.01", "9.38", "1", "Design Manual",
                                      "9.38", "5.5", plainNumber(CalQ(run.CulvertList[0]).Cfs), "0.5"};
    EXPECT_EQ(std::vector<std::string>(rows[1].begin(), rows[1].begin() + 14), c1);
    EXPECT_EQ(rows[1][16], "17.8");  // the 10-year row of its summary: the design period
    EXPECT_EQ(rows[1].back(), "");

    // Commas, quotes and line breaks come back as they were; a surface of the user's own has no
    // summary, so its seven columns stay empty.
    EXPECT_EQ(rows[2][0], "Ditch, \"north\"\nside");
    EXPECT_EQ(rows[2][1], "STA 1+00, \"old\" bridge");
    EXPECT_EQ(rows[2][12], "5.5");  // 5.5 in/hr x 0.5 x 2 acres
    EXPECT_TRUE(std::all_of(rows[2].begin() + 14, rows[2].begin() + 21, [](const auto& f) { return f.empty(); }));

    // A culvert that cannot be computed keeps its row, the reason last; texts that a spreadsheet
    // would run are shown as text.
    EXPECT_EQ(rows[3][0], "'=SUM(A1:A9)");
    EXPECT_TRUE(rows[3][4].empty());
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

}  // namespace
}  // namespace sw
