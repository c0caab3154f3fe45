#pragma once
// A sub-area as one line of text: its surface, area text, C with two decimals and description,
// joined by commas. The project file holds such lines, and the drainage-area list shows them (its
// rows built from the entry boxes pad the fields to fixed widths, which parse the same way).

#include <string>
#include <string_view>

#include "model/records.h"

namespace sw {

inline constexpr char kSubAreaSeparator = ',';

// The four fields of a line, each with its blanks removed at both ends.
struct SubAreaFields {
    std::string_view Surface;
    std::string_view Area;
    std::string_view C;
    std::string_view Description;
};

// What a line with fewer than three commas gives its missing fields. A file line's last field
// stands for the ones after it too; a row of the list leaves them empty.
enum class ShortLine { LastFieldRepeats, FieldsStayEmpty };

// The fields up to the fourth comma: text after it is not part of the description.
[[nodiscard]] SubAreaFields splitSubAreaLine(std::string_view line, ShortLine shortLine);

// The C of a line: "0.00".
[[nodiscard]] std::string subAreaCText(double c);

// The pieces of a sub-area's line in order, each given to put(piece, isValue): the values (as the
// record holds them) and the separators. cText is subAreaCText of its C.
template <class Put>
void putSubAreaLine(const SubArea& area, std::string_view cText, Put&& put)
{
    const std::string_view separator(&kSubAreaSeparator, 1);
    put(std::string_view(area.Surface), true);
    put(separator, false);
    put(std::string_view(area.AreaText), true);
    put(separator, false);
    put(cText, false);
    put(separator, false);
    put(std::string_view(area.Description), true);
}

// The line itself: "Asphaltic,2.5 a,0.35,ditch".
[[nodiscard]] std::string subAreaLine(const SubArea& area);

// An area text split at its first blank, as stored (not trimmed first): the number before it and
// the unit after it, each trimmed. Without a blank the whole text is the number, with no unit.
struct AreaTextParts {
    std::string_view Number;
    std::string_view Unit;
    bool HasUnit = false;
};
[[nodiscard]] AreaTextParts splitAreaText(std::string_view areaText);

}  // namespace sw
