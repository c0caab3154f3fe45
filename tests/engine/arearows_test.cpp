#include <gtest/gtest.h>

#include "core/messages.h"
#include "engine/arearows.h"

namespace sw {
namespace {

AreaEntry manual(std::string surface, std::string c, std::string area, int unit, std::string description = "")
{
    AreaEntry e;
    e.Source = CSource::DesignManual;
    std::tie(e.Surface, e.CCaption, e.Area, e.UnitIndex, e.Description) = std::tie(surface, c, area, unit, description);
    return e;
}

AreaEntry user(std::string surface, std::string c, std::string area, int unit, std::string description = "")
{
    AreaEntry e = manual("", "", std::move(area), unit, std::move(description));
    e.Source = CSource::UserDefined;
    std::tie(e.UserSurface, e.UserC) = std::tie(surface, c);
    return e;
}

TEST(AreaRows, RowsAreFixedWidthAndParseBackWithTheDescriptionCut)
{
    const AreaEntry e = manual("Asphaltic", "0.86", " 12.34 ", 0, "Ditch A");
    EXPECT_EQ(checkAreaEntry(e), AreaEntryFault::None);
    const std::string row = BuildAreaRow(e);
    EXPECT_EQ(row, "Asphaltic" + std::string(26, ' ') + ",12.3 a    ,0.86,Ditch A   ");
    EXPECT_EQ(row.size(), 62u);
    EXPECT_EQ(parseAreaRow(row), (SubArea{"Asphaltic", 0.86, "12.3 a", 12.3, "Ditch A"}));
    // The description is cut to ten characters and at a comma.
    EXPECT_EQ(parseAreaRow(BuildAreaRow(manual("Asphaltic", "0.86", "1", 0, "A long description"))).Description,
              "A long des");
    EXPECT_EQ(parseAreaRow(BuildAreaRow(manual("Asphaltic", "0.86", "1", 0, "a,b"))).Description, "a");
    // Stored rows parse like padded ones.
    EXPECT_EQ(parseAreaRow("Gravel,5 h,0.50,yard"), (SubArea{"Gravel", 0.5, "5 h", 12.4, "yard"}));
    EXPECT_EQ(parseAreaRow("  Asphaltic,1.0 a,0.86,"), (SubArea{"Asphaltic", 0.86, "1.0 a", 1.0, ""}));
    EXPECT_EQ(parseAreaRow("only a surface"), (SubArea{"only a surface", 0, "", 0, ""}));
}

TEST(AreaRows, UserDefinedCIsRightAlignedInFourCharacters)
{
    const std::tuple<const char*, const char*, double> cases[] = {
        {"0.5", " 0.5", 0.5}, {"0.455", "0.45", 0.45}, {".7", "  .7", 0.7}, {"1", "   1", 1}};
    for (const auto& [userC, field, c] : cases) {
        const std::string row = BuildAreaRow(user("Gravel", userC, "5", 1, "yard"));
        EXPECT_EQ(row.substr(47, 4), field) << userC;
        // user-defined areas keep the text as typed
        EXPECT_EQ(parseAreaRow(row), (SubArea{"Gravel", c, "5 h", 12.4, "yard"})) << userC;
    }
}

// Add's checks in their order, each with the box the focus goes to. The last ones would have
// stored a shifted, unit-less or absurdly large sub-area.
TEST(AreaRows, AddRefusesTheFirstFaultAndNamesItsBox)
{
    using B = EntryBox;
    const std::string_view accepted;
    const std::tuple<AreaEntry, std::string_view, B> cases[] = {
        {manual("", "", "0", 0), msg::kSelectSurface, B::Surface},
        {manual("asphaltic", "0.86", "5", 0), msg::kSelectSurface, B::Surface},
        {manual("Asphaltic", "", "0", 0), msg::kReturnPeriodNotWhole16, B::ReturnPeriod},
        {manual("Asphaltic", "0", "5", 0), msg::kReturnPeriodNotWhole16, B::ReturnPeriod},
        {manual("Asphaltic", "0.86", "", 0), msg::kAreaNotPositive, B::Area},
        {manual("Asphaltic", "0.86", "1500000", 2), msg::kAreaTooWide, B::Area},
        {manual("Asphaltic", "0.86", "1e300", 0), msg::kAreaTooLarge, B::Area},
        {user("", "0", "0", 0), msg::kUserCNotPositive, B::UserC},
        {user("", "0.5", "0", 0), msg::kNoUserSurface, B::UserSurface},
        {user("Lot", "0.5", "-1", 0), msg::kAreaNotPositive, B::Area},
        {user("Lot, paved", "0.5", "1 5", 0), msg::kCommaInUserSurface, B::UserSurface},
        {user("Lot", "1,5", "1 5", 0), msg::kCommaInUserC, B::UserC},
        {user("Lot", "0.5", "1 5", 0), msg::kAreaNotPlainNumber, B::Area},
        {user("Lot", "0.5", "1,5", 0), msg::kAreaNotPlainNumber, B::Area},
        {user("Lot", "0.5", "1.23456789", 2), msg::kAreaTooWide, B::Area},
        {manual("Asphaltic", "0.86", "150000", 2), accepted, {}},
        {user("Lot", "0.5", "12345678", 2), accepted, {}},
        // short texts of huge numbers, and the bound itself
        {user("Lot", "0.5", "1e300", 0), msg::kAreaTooLarge, B::Area},
        {user("Lot", "0.5", "123456789", 2), msg::kAreaTooLarge, B::Area},
        {user("Lot", "0.5", "1.0e8", 0), msg::kAreaTooLarge, B::Area},
        {user("Lot", "0.5", "99999999", 0), accepted, {}},
        {user("Lot", "0.5", "9.9e7", 0), accepted, {}},
        // a comma beyond the 35 characters kept of the surface goes with them
        {user(std::string(35, 'x') + ",y", "0.5", "5", 0), accepted, {}},
        // a design-manual area is listed with one decimal (below); a user-defined one as typed
        {manual("Asphaltic", "0.86", "0.05", 0), accepted, {}},
        {user("Lot", "0.5", "0.04", 0), accepted, {}},
    };
    for (const auto& [entry, message, box] : cases) {
        const std::optional<AreaEntryRefusal> refusal =
            message.empty() ? std::nullopt : std::optional(AreaEntryRefusal{std::string(message), box});
        EXPECT_EQ(checkAddEntry(entry), refusal) << entry.UserSurface << entry.Surface << " " << entry.Area;
    }
    // The smallest area named in the unit as the unit list names it.
    const std::tuple<int, const char*, const char*> units[] = {
        {0, "acres (a)", "0.04"}, {1, "hectares (h)", "0.04"}, {2, "ft*ft (f)", "0.0499"}, {3, "m*m (m)", "0.04"}};
    for (const auto& [unit, name, area] : units)
        EXPECT_EQ(checkAddEntry(manual("Asphaltic", "0.86", area, unit)),
                  (AreaEntryRefusal{"This area would be listed as 0.0, and a culvert with a sub-area of 0.0 cannot be "
                                    "computed: the smallest area a sub-area can hold is 0.05 " + std::string(name) + ".",
                                    B::Area}));
}

}  // namespace
}  // namespace sw
