#include "engine/subarealine.h"

#include "core/numbers.h"
#include "core/text.h"

namespace sw {

SubAreaFields splitSubAreaLine(std::string_view line, ShortLine shortLine)
{
    std::string_view fields[4];
    std::string_view rest = line;
    bool ended = false;
    for (std::string_view& field : fields) {
        if (ended) {
            field = shortLine == ShortLine::LastFieldRepeats ? trimSpaces(rest) : std::string_view();
            continue;
        }
        const auto comma = rest.find(kSubAreaSeparator);
        if (comma == std::string_view::npos) {
            field = trimSpaces(rest);
            ended = true;
        } else {
            field = trimSpaces(rest.substr(0, comma));
            rest = trimSpaces(rest.substr(comma + 1));
        }
    }
    return {fields[0], fields[1], fields[2], fields[3]};
}

std::string subAreaCText(double c)
{
    return formatNumber(c, "0.00");
}

std::string subAreaLine(const SubArea& area)
{
    std::string line;
    putSubAreaLine(area, subAreaCText(area.C), [&line](std::string_view piece, bool) { line += piece; });
    return line;
}

AreaTextParts splitAreaText(std::string_view areaText)
{
    const auto space = areaText.find(' ');
    if (space == std::string_view::npos)
        return {trimSpaces(areaText), {}, false};
    return {trimSpaces(areaText.substr(0, space)), trimSpaces(areaText.substr(space + 1)), true};
}

}  // namespace sw
