#include "core/linehelpers.h"

#include "core/text.h"

namespace sw {

std::string GetValue(std::string_view line)
{
    const std::string_view trimmed = trimSpaces(line);
    const auto eq = trimmed.find('=');
    if (eq == std::string_view::npos)
        return std::string(trimmed);
    return std::string(trimmed.substr(eq + 1));
}

std::string GetKey(std::string_view line)
{
    const std::string_view trimmed = trimSpaces(line);
    const auto eq = trimmed.find('=');
    if (eq == std::string_view::npos)
        return std::string(trimmed);
    return std::string(trimSpaces(trimmed.substr(0, eq)));
}

std::optional<std::string> GetToken(std::string_view line, std::string_view separator, int n)
{
    const std::string value = GetValue(line);
    const std::string_view v = trimSpaces(value);
    const auto pos = separator.empty() ? std::string_view::npos : v.find(separator);
    if (n == 1) {
        if (pos == std::string_view::npos)
            return std::nullopt;
        return std::string(trimSpaces(v.substr(0, pos)));
    }
    if (n == 2) {
        if (pos == std::string_view::npos)
            return std::string(v);
        return std::string(trimSpaces(v.substr(pos + separator.size())));
    }
    return std::string();
}

}  // namespace sw
