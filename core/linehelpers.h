#pragma once
// Taking apart a "key=value" line and a "number unit" value. Spaces are the space character only.

#include <optional>
#include <string>
#include <string_view>

namespace sw {

// The line trimmed; if it holds "=", everything after the first "=" (not trimmed again).
[[nodiscard]] std::string GetValue(std::string_view line);

// The line trimmed; if it holds "=", the text before the first "=", trimmed.
[[nodiscard]] std::string GetKey(std::string_view line);

// Of the trimmed value of the line: n = 1 the part before the first separator, n = 2 the part
// after it, each trimmed; any other n gives an empty text. Without the separator, n = 2 gives the
// whole trimmed value and n = 1 has no answer (empty optional): the caller must treat it as a
// failure.
[[nodiscard]] std::optional<std::string> GetToken(std::string_view line, std::string_view separator, int n);

}  // namespace sw
