#include "engine/arearows.h"

#include "core/numbers.h"
#include "core/text.h"
#include "engine/runoff.h"

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
    static constexpr const char* letters[] = {"a", "h", "f", "m"};
    if (unitIndex < 0 || unitIndex >= 4)
        return {};
    return letters[unitIndex];
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
    std::string_view rest = trimSpaces(row);
    std::string tokens[4];
    for (std::string& token : tokens) {
        const auto comma = rest.find(',');
        if (comma == std::string_view::npos) {
            token = std::string(trimSpaces(rest));
            rest = {};
        } else {
            token = std::string(trimSpaces(rest.substr(0, comma)));
            rest = rest.substr(comma + 1);
        }
    }
    SubArea a;
    a.Surface = tokens[0];
    a.AreaText = tokens[1];
    a.AreaAcres = CalAcres(a.AreaText);
    a.C = numericValue(tokens[2]);
    a.Description = tokens[3];
    return a;
}

}  // namespace sw
