#pragma once
// Text helpers. Texts are UTF-8 inside the program; widths and lengths count characters
// (code points), never bytes, so a name with an accent lines up like any other.

#include <string>
#include <string_view>
#include <vector>

namespace sw {

// Removes the space character (only that) at both ends.
[[nodiscard]] std::string_view trimSpaces(std::string_view text);

[[nodiscard]] std::size_t charCount(std::string_view text);

// The first n characters of a text.
[[nodiscard]] std::string leftChars(std::string_view text, std::size_t n);

// Left-aligned in a field of `width` characters: padded with blanks on the right, cut when longer.
[[nodiscard]] std::string fitLeft(std::string_view text, std::size_t width);

// A mask of `width` "@" characters: right-aligned with blanks on the left; a longer text is
// kept whole.
[[nodiscard]] std::string atMask(std::string_view text, std::size_t width);

// Upper case for ASCII and the Latin-1 letters, the letters a project file can carry.
[[nodiscard]] std::string upperCase(std::string_view text);
[[nodiscard]] bool equalsIgnoringCase(std::string_view a, std::string_view b);

// "mm/dd/yyyy"
[[nodiscard]] std::string formatDate(int year, int month, int day);

// Lines of a message box are joined by a carriage return.
[[nodiscard]] std::string joinMessageLines(const std::vector<std::string>& lines);

}  // namespace sw
