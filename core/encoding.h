#pragma once
// The files of the program (projects, reports, the summary) are Windows-1252 text, as they have
// always been. Inside the program texts are UTF-8.

#include <string>
#include <string_view>

namespace sw {

// UTF-8 to Windows-1252; a character that Windows-1252 cannot hold, and any byte that is not
// valid UTF-8, becomes "?".
[[nodiscard]] std::string toWindows1252(std::string_view utf8);

// File bytes to UTF-8: text that is valid UTF-8 is taken as it is, anything else is read as
// Windows-1252.
[[nodiscard]] std::string fileTextToUtf8(std::string_view bytes);

[[nodiscard]] bool isValidUtf8(std::string_view bytes);

// Whether a project file can hold the character as it is: a character of Windows-1252 that is
// not a line break (a value is one line of the file).
[[nodiscard]] bool projectFileHolds(char32_t cp);

}  // namespace sw
