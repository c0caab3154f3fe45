#include "engine/arearows.h"

#include "core/numbers.h"
#include "core/text.h"
#include "engine/runoff.h"
#include "engine/subarealine.h"
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
    if (charCount(areaField(e)) > kAreaWidth)
        return AreaEntryFault::AreaTooWide;
    return AreaEntryFault::None;
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
