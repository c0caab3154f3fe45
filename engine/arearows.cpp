#include "engine/arearows.h"

#include "core/messages.h"
#include "core/numbers.h"
#include "core/text.h"
#include "engine/runoff.h"
#include "engine/subarealine.h"
#include "engine/tables.h"
#include "model/units.h"

namespace sw {
namespace {

std::string areaField(const AreaEntry& e)
{
    // Design manual areas are formatted; user-defined ones are kept as typed.
    const std::string number = e.Source == CSource::DesignManual
                                   ? formatNumber(numericValue(trimSpaces(e.Area)), "####0.0")
                                   : e.Area;
    return number + " " + unitLetter(e.UnitIndex);
}

std::string cField(const AreaEntry& e)
{
    if (e.Source == CSource::DesignManual)
        return formatNumber(numericValue(e.CCaption), "0.00");
    return atMask(leftChars(e.UserC, kCWidth), kCWidth);
}

}  // namespace

std::string unitLetter(int unitIndex)
{
    if (unitIndex < 0 || static_cast<std::size_t>(unitIndex) >= units::kAreaLetters.size())
        return {};
    return std::string(units::kAreaLetters[static_cast<std::size_t>(unitIndex)]);
}

AreaEntryFault checkAreaEntry(const AreaEntry& e)
{
    if (e.Source == CSource::UserDefined) {
        if (fitLeft(e.UserSurface, kSurfaceWidth).find(',') != std::string::npos)
            return AreaEntryFault::CommaInUserSurface;
        if (leftChars(e.UserC, kCWidth).find(',') != std::string::npos)
            return AreaEntryFault::CommaInUserC;
        // Kept as typed: a blank or comma inside would split the number from its unit.
        if (e.Area.find_first_of(" \t\n,") != std::string::npos)
            return AreaEntryFault::AreaNotPlainNumber;
    }
    // Written so that a value that is not a number is refused too.
    if (!(numericValue(e.Area) <= kMaxAreaValue))
        return AreaEntryFault::AreaTooLarge;
    const std::string field = areaField(e);
    if (charCount(field) > kAreaWidth)
        return AreaEntryFault::AreaTooWide;
    if (!(numericValue(splitAreaText(field).Number) > 0))
        return AreaEntryFault::AreaStoredAsZero;
    return AreaEntryFault::None;
}

std::optional<AreaEntryRefusal> checkAddEntry(const AreaEntry& e)
{
    using R = AreaEntryRefusal;
    if (e.Source == CSource::DesignManual) {
        // A surface typed in that is not one of the table's would take its C from the hidden
        // user-defined box: only a surface of the list has a design-manual C.
        if (e.Surface.empty() || !isTableSurface(e.Surface))
            return R{std::string(msg::kSelectSurface), EntryBox::Surface};
        if (numericValue(e.CCaption) <= 0)
            return R{std::string(msg::kReturnPeriodNotWhole16), EntryBox::ReturnPeriod};
        if (numericValue(e.Area) <= 0)
            return R{std::string(msg::kAreaNotPositive), EntryBox::Area};
    } else {
        if (numericValue(e.UserC) <= 0)
            return R{std::string(msg::kUserCNotPositive), EntryBox::UserC};
        if (e.UserSurface.empty())
            return R{std::string(msg::kNoUserSurface), EntryBox::UserSurface};
        if (numericValue(e.Area) <= 0)
            return R{std::string(msg::kAreaNotPositive), EntryBox::Area};
    }
    switch (checkAreaEntry(e)) {
    case AreaEntryFault::None:
        return std::nullopt;
    case AreaEntryFault::CommaInUserSurface:
        return R{std::string(msg::kCommaInUserSurface), EntryBox::UserSurface};
    case AreaEntryFault::CommaInUserC:
        return R{std::string(msg::kCommaInUserC), EntryBox::UserC};
    case AreaEntryFault::AreaNotPlainNumber:
        return R{std::string(msg::kAreaNotPlainNumber), EntryBox::Area};
    case AreaEntryFault::AreaTooLarge:
        return R{std::string(msg::kAreaTooLarge), EntryBox::Area};
    case AreaEntryFault::AreaTooWide:
        return R{std::string(msg::kAreaTooWide), EntryBox::Area};
    case AreaEntryFault::AreaStoredAsZero:
        break;
    }
    const std::vector<std::string>& names = designTables().AreaUnitNames;
    const std::string unit = e.UnitIndex >= 0 && static_cast<std::size_t>(e.UnitIndex) < names.size()
                                 ? names[static_cast<std::size_t>(e.UnitIndex)]
                                 : std::string();
    return R{fillMessage(msg::kAreaStoredAsZero, {plainNumber(kSmallestArea), unit}), EntryBox::Area};
}

std::string BuildAreaRow(const AreaEntry& e)
{
    const std::string& surface = e.Source == CSource::DesignManual ? e.Surface : e.UserSurface;
    return fitLeft(surface, kSurfaceWidth) + "," + fitLeft(areaField(e), kAreaWidth) + "," +
           fitLeft(cField(e), kCWidth) + "," + fitLeft(e.Description, kDescriptionWidth);
}

SubArea parseAreaRow(std::string_view row)
{
    const SubAreaFields fields = splitSubAreaLine(trimSpaces(row), ShortLine::FieldsStayEmpty);
    SubArea a;
    a.Surface = std::string(fields.Surface);
    a.AreaText = std::string(fields.Area);
    a.AreaAcres = CalAcres(a.AreaText);
    a.C = numericValue(fields.C);
    a.Description = std::string(fields.Description);
    return a;
}

}  // namespace sw
