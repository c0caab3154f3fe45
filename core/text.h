#pragma once
// Text helpers. Texts are UTF-8 inside the program; widths and lengths count characters
// (code points), never bytes, so a name with an accent lines up like any other.

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace sw {

// Removes the space character (only that) at both ends.
// Inline: the reader runs it several times on every line of a project file.
[[nodiscard]] inline std::string_view trimSpaces(std::string_view text)
{
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && text[first] == ' ')
        ++first;
    while (last > first && text[last - 1] == ' ')
        --last;
    return text.substr(first, last - first);
}

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

// A text shown inside a message: control characters (a NUL, an escape, a line break) written as
// "\xNN" so that a value read from a file cannot hide or garble the message or a terminal.
[[nodiscard]] std::string printableText(std::string_view text);

// A value quoted in a message: printable, and at most `limit` characters with "..." marking a cut.
[[nodiscard]] std::string messageValue(std::string_view text, std::size_t limit = 60);

// A number in a message: its plain text while that is short; a number of more than 15 integer
// digits as a power of ten ("1.5 x 10^300"), which says more than 301 digits would.
[[nodiscard]] std::string messageNumber(double value);

// A message pattern with "{1}", "{2}", ... replaced by the given parts in order, each part made
// printable.
[[nodiscard]] std::string fillMessage(std::string_view pattern, std::initializer_list<std::string_view> parts);

}  // namespace sw
