// Sub-area rows pasted from a spreadsheet: the formats read, the rows built as Add builds them,
// every refusal Add makes and those of the reading itself, and texts no spreadsheet writes.

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <random>

#include "core/encoding.h"
#include "core/messages.h"
#include "core/text.h"
#include "engine/areapaste.h"

namespace sw {
namespace {

// A row as Add lists it: surface (35), area (10), C (4), description (10).
std::string row(std::string_view surface, std::string_view area, std::string_view c, std::string_view description = "")
{
    return fitLeft(surface, 35) + "," + fitLeft(area, 10) + "," + std::string(c) + "," + fitLeft(description, 10);
}

std::string m(std::string_view message)
{
    return std::string(message);
}

struct Case {
    const char* name;
    std::string text;
    std::vector<std::string> rows;
    std::vector<PasteRefusal> refusals;
    std::vector<PasteNote> notes;
};

const std::string kNoC = m(msg::kUserCNotPositive);
const std::string kNotNumber = m(msg::kPasteNotNumber);

TEST(AreaPaste, RowsAreReadCheckedAndBuiltAsAddBuildsThem)
{
    const std::string ditch = row("Asphaltic", "12.3 a", "0.81", "Ditch A");
    const std::string lot = row("Gravel lot", "5 h", " 0.5", "Lot");
    const Case cases[] = {
        {"tabs, CR LF", "Asphaltic\t12.34\ta\t\tDitch A\r\nGravel lot\t5\th\t0.5\tLot\r\n", {ditch, lot}, {}, {}},
        {"commas, no description, a blank line, CR alone", "Asphaltic,12.34,a\r\rGravel lot,5,h,0.5",
         {row("Asphaltic", "12.3 a", "0.81"), row("Gravel lot", "5 h", " 0.5")}, {}, {}},
        {"semicolons with decimal commas refused", "Gravel lot;5;h;0.5;Lot\nGravel lot;2,5;h;0.5\nLot;5;h;0,5",
         {lot}, {{2, "2,5", kNotNumber}, {3, "0,5", kNotNumber}}, {}},
        {"quoting: separators and doubled quotes inside, blanks around",
         " \"Gravel lot\" , \"5\",h,\" 0.5\",\"Lot \"\"B\"\"\"\n\"Gravel, loose\",5,h,0.5",
         {row("Gravel lot", "5 h", " 0.5", "Lot \"B\"")},
         {{2, "Gravel, loose", m(msg::kCommaInUserSurface)}}, {}},
        {"header, unit words in any case, an empty spreadsheet row",
         "Surface\tArea (m2)\tUnit\tC\tDescription\nAsphaltic\t1\tACRES\n\t\t\t\t\nAsphaltic\t1\thectares\n"
         "Asphaltic\t100000\tsq ft\nAsphaltic\t1\tSq M\nAsphaltic\t1\tm*m (m)\nAsphaltic\t1\tyards",
         {row("Asphaltic", "1.0 a", "0.81"), row("Asphaltic", "1.0 h", "0.81"), row("Asphaltic", "100000.0 f", "0.81"),
          row("Asphaltic", "1.0 m", "0.81"), row("Asphaltic", "1.0 m", "0.81")},
         {{8, "yards", m(msg::kPasteUnitUnknown)}},
         {{1, m(msg::kPasteNoteHeader)}}},
        {"a first row that reads as a sub-area is no header", "Asphaltic,2.5,a\nSurface,Area,Unit",
         {row("Asphaltic", "2.5 a", "0.81")}, {{2, "Unit", m(msg::kPasteUnitUnknown)}}, {}},
        {"C of a table surface not used; C of another required; cuts noted",
         "Asphaltic,1,a,0.9\nGravel lot,5,h\nConcrete/Roof,2,a,,Roadside ditch north\n" + std::string(40, 'x') + ",1,a,0.5",
         {row("Asphaltic", "1.0 a", "0.81"), row("Concrete/Roof", "2.0 a", "0.83", "Roadside d"),
          row(std::string(35, 'x'), "1 a", " 0.5")},
         {{2, "", kNoC}},
         {{1, "the C \"0.9\" is not used: \"Asphaltic\" takes its C from the design table (0.81)."},
          {3, "the description \"Roadside ditch north\" is kept as \"Roadside d\" (10 characters, up to a comma)."},
          {4, "the surface \"" + std::string(40, 'x') + "\" is kept as \"" + std::string(35, 'x') + "\" (35 characters)."}}},
        {"every refusal of Add",
         ",1,a\nAsphaltic,0,a\nAsphaltic,,a\nAsphaltic,0.04,a\nAsphaltic,0.05,a\nAsphaltic,1500000,f\n"
         "Lot,0,h,0.5\nLot,5,h,0\nLot,123456789,m,0.5\nLot,1.23456789,m,0.5\nLot,5,h,1.455",
         {row("Asphaltic", "0.1 a", "0.81"), row("Lot", "5 h", "1.45")},
         {{1, "", m(msg::kSelectSurface)},
          {2, "0", m(msg::kAreaNotPositive)},
          {3, "", m(msg::kAreaNotPositive)},
          {4, "0.04", "This area would be listed as 0.0, and a culvert with a sub-area of 0.0 cannot be computed: the "
                      "smallest area a sub-area can hold is 0.05 acres (a)."},
          {6, "1500000", m(msg::kAreaTooWide)},
          {7, "0", m(msg::kAreaNotPositive)},
          {8, "0", kNoC},
          {9, "123456789", m(msg::kAreaTooLarge)},
          {10, "1.23456789", m(msg::kAreaTooWide)}},
         {}},
        {"values the reading refuses",
         "asphaltic,1,a\nLot,1e3,a,0.5\nLot,5,h,.5x\nLot,5,a,0.5,d,extra\nLot,5,a,0.5,d,,\n\"Lot,5,a,0.5\n\"Lot\"x,5,a,0.5\n"
         "Lot\x01,5,a,0.5\nLot,5,a,0.5,\xE6\x97\xA5\nLot,5,a,0.5,\xC2\x85\nLot\xFF,5,a,0.5\n\xC3\x96st,5,a,0.5,\xE2\x82\xAC" "5\n" +
             std::string(1001, 'y'),
         {row("Lot", "5 a", " 0.5", "d"), row("\xC3\x96st", "5 a", " 0.5", "\xE2\x82\xAC" "5")},
         {{1, "asphaltic", fillMessage(msg::kPasteSurfaceCase, {"Asphaltic"})},
          {2, "1e3", kNotNumber},
          {3, ".5x", kNotNumber},
          {4, "extra", m(msg::kPasteTooManyValues)},
          {6, "\"Lot,5,a,0.5", m(msg::kPasteQuoteNotClosed)},
          {7, "\"Lot\"x,5,a,0.5", m(msg::kPasteTextAfterQuote)},
          {8, "Lot\\x01", m(msg::kPasteControlCharacter)},
          {9, "\xE6\x97\xA5", "holds the character \"\xE6\x97\xA5\", which a project file cannot hold."},
          {10, "\\xC2\\x85", m(msg::kPasteControlCharacter)},
          {11, "Lot\\xFF", m(msg::kPasteNotText)},
          {13, std::string(60, 'y') + "...", "the row is longer than 1000 characters."}},
         {}},
    };
    for (const Case& c : cases) {
        const AreaPaste paste = readPastedAreas(c.text, 10, 0);
        EXPECT_EQ(paste.status, AreaPaste::Status::Read) << c.name;
        std::vector<std::string> rows;
        for (const PastedRow& r : paste.Rows)
            rows.push_back(r.Row);
        EXPECT_EQ(rows, c.rows) << c.name;
        EXPECT_EQ(paste.Refusals, c.refusals) << c.name;
        EXPECT_EQ(paste.Notes, c.notes) << c.name;
        EXPECT_EQ(paste.AcceptedCount, c.rows.size()) << c.name;
        EXPECT_EQ(paste.RefusedCount, c.refusals.size()) << c.name;
    }
}

TEST(AreaPaste, DesignManualCFollowsTheReturnPeriod)
{
    EXPECT_EQ(readPastedAreas("Asphaltic\t1\ta", 25, 0).Rows.at(0).Row, row("Asphaltic", "1.0 a", "0.86"));
    // A return period that gives no C refuses the table's surfaces, as Add does, not the others.
    for (const std::optional<std::int16_t> years : {std::optional<std::int16_t>(), std::optional<std::int16_t>(0)}) {
        const AreaPaste paste = readPastedAreas("Asphaltic\t1\ta\nLot\t1\ta\t0.5", years, 0);
        ASSERT_EQ(paste.Rows.size(), 1u);
        EXPECT_EQ(paste.Rows[0].Line, 2u);
        EXPECT_EQ(paste.Refusals, (std::vector<PasteRefusal>{{1, "Asphaltic", m(msg::kReturnPeriodNotWhole16)}}));
    }
}

TEST(AreaPaste, OneMessageSaysWhatWasAddedAndListsTheRefusals)
{
    const std::pair<std::string, std::string> cases[] = {
        {"Asphaltic,1,a\nLot,5,h,0.5", ""},
        {"", m(msg::kPasteNoRows)},
        {" \t\n\r\n ;;;\n", m(msg::kPasteNoRows)},
        {"Surface,Area,Unit", m(msg::kPasteNoRows)},
        {"Asphaltic,1,a,0.9\nLot,5,h", "Sub-areas added: 1. Rows refused and not added: 1.\rRow 2, \"\": " + kNoC +
                                           "\rNotes:\rRow 1: the C \"0.9\" is not used: \"Asphaltic\" takes its C from the "
                                           "design table (0.81)."},
        {"Lot,5,h\nLot,0,h,0.5", "No sub-area was added: all 2 rows were refused.\rRow 1, \"\": " + kNoC + "\rRow 2, \"0\": " +
                                     m(msg::kAreaNotPositive)},
    };
    for (const auto& [text, message] : cases) {
        const AreaPaste paste = readPastedAreas(text, 10, 0);
        EXPECT_EQ(pasteMessage(paste), message) << text;
        // Nothing refused is added, and nothing at all when every row is refused.
        EXPECT_EQ(paste.Rows.size(), paste.AcceptedCount) << text;
    }
    std::string many;
    for (int i = 0; i < 30; ++i)
        many += "Lot,5,h\n";
    for (int i = 0; i < 15; ++i)
        many += "Asphaltic,1,a,0.9\n";
    const AreaPaste paste = readPastedAreas(many, 10, 0);
    EXPECT_EQ(paste.Refusals.size(), kListedPasteRefusals);
    EXPECT_EQ(paste.Notes.size(), kListedPasteNotes);
    const std::string message = pasteMessage(paste);
    EXPECT_NE(message.find("\rRow 20, \"\": " + kNoC + "\r... and 10 more rows refused.\rNotes:\rRow 31: "), std::string::npos);
    EXPECT_TRUE(message.ends_with("\rRow 40: the C \"0.9\" is not used: \"Asphaltic\" takes its C from the design table "
                                  "(0.81).\r... and 5 more notes."))
        << message;
}

// A culvert holds at most 32767 sub-areas: a paste that would make more adds none.
TEST(AreaPaste, NoMoreRowsThanACulvertHolds)
{
    std::string full;
    for (std::size_t i = 0; i < kMaxSubAreas; ++i)
        full += "Asphaltic\t1\ta\n";
    const auto started = std::chrono::steady_clock::now();
    const AreaPaste all = readPastedAreas("Surface\tArea\tUnit\n" + full, 10, 0);
    // Linear: under a second of a Debug build; a cost that grows with the rows read so far takes minutes.
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(20));
    EXPECT_EQ(all.status, AreaPaste::Status::Read);
    EXPECT_EQ(all.Rows.size(), kMaxSubAreas);
    EXPECT_EQ(all.Rows.back().Line, kMaxSubAreas + 1);

    const AreaPaste oneMore = readPastedAreas(full + "Lot\t1\ta\t0", 10, 0);  // refused or not, a row is a row
    EXPECT_EQ(oneMore.status, AreaPaste::Status::TooManyRows);
    EXPECT_TRUE(oneMore.Rows.empty() && oneMore.Refusals.empty());
    EXPECT_EQ(pasteMessage(oneMore), fillMessage(msg::kPasteTooManyRows, {"32767"}));

    EXPECT_EQ(readPastedAreas("Asphaltic\t1\ta\nLot\t1\ta", 10, kMaxSubAreas - 1).status, AreaPaste::Status::Read);
    const AreaPaste over = readPastedAreas("Asphaltic\t1\ta\nAsphaltic\t1\ta", 10, kMaxSubAreas - 1);
    EXPECT_EQ(over.status, AreaPaste::Status::OverCapacity);
    EXPECT_TRUE(over.Rows.empty());
    EXPECT_EQ(pasteMessage(over), "The culvert holds 32766 sub-areas; the 2 rows pasted would make more than 32767, the "
                                  "most a culvert can hold: nothing was added.");
}

// Texts no spreadsheet writes end quickly, with a short message; the bounds are generous, but a
// cost that grows with the square of the text would pass them by far.
TEST(AreaPaste, HostileTextsEndQuicklyWithABoundedMessage)
{
    std::mt19937 random(21);
    std::string binary(2'000'000, '\0');
    for (char& ch : binary)
        ch = static_cast<char>(random());
    std::string hundredThousand;
    for (int i = 0; i < 100'000; ++i)
        hundredThousand += "Asphaltic," + std::to_string(i % 50 + 1) + ",a,,row " + std::to_string(i) + "\n";
    std::string crOnly = hundredThousand;  // lines ended by CR alone, as some spreadsheets write them
    std::replace(crOnly.begin(), crOnly.end(), '\n', '\r');
    const std::string tenMegabytes(10'000'000, 'x');
    const std::string quoteOpened = "\"" + std::string(10'000'000, ',');
    const int any = -1;  // the random bytes: checked below
    const std::tuple<std::string, AreaPaste::Status, int, int> cases[] = {
        {binary, AreaPaste::Status::Read, any, any},
        {hundredThousand, AreaPaste::Status::TooManyRows, 0, 0},
        {crOnly, AreaPaste::Status::TooManyRows, 0, 0},
        {tenMegabytes, AreaPaste::Status::Read, 0, 1},
        {quoteOpened, AreaPaste::Status::Read, 0, 1},
        {tenMegabytes + "\nAsphaltic,1,a", AreaPaste::Status::Read, 1, 1},
        {std::string(10'000'000, '\n'), AreaPaste::Status::NoRows, 0, 0},
        {std::string(1'000'000, '\t') + "\n" + std::string(1'000'000, ','), AreaPaste::Status::Read, 0, 1},
    };
    for (const auto& [text, status, accepted, refused] : cases) {
        const auto started = std::chrono::steady_clock::now();
        const AreaPaste paste = readPastedAreas(text, 10, 0);
        const std::string message = pasteMessage(paste);
        EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(5)) << text.size();
        EXPECT_EQ(paste.status, status) << text.size();
        if (accepted != any) {
            EXPECT_EQ(paste.Rows.size(), std::size_t(accepted)) << text.size();
            EXPECT_EQ(paste.RefusedCount, std::size_t(refused)) << text.size();
        }
        EXPECT_LE(paste.Refusals.size(), kListedPasteRefusals);
        // Short, and nothing in it that could garble the box: lines are joined by a carriage return.
        EXPECT_LT(message.size(), 6000u) << text.size();
        EXPECT_EQ(std::count_if(message.begin(), message.end(), [](char ch) { return ch != '\r' && ch >= 0 && ch < 0x20; }), 0);
        EXPECT_TRUE(isValidUtf8(message));
    }
    const AreaPaste noise = readPastedAreas(binary, 10, 0);
    EXPECT_TRUE(noise.Rows.empty() && noise.RefusedCount > 1000) << noise.RefusedCount;
}

}  // namespace
}  // namespace sw
