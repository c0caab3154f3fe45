#include "core/samefile.h"

#include <filesystem>
#include <optional>
#include <system_error>

#include "core/messages.h"
#include "core/text.h"

namespace sw {
namespace {

namespace fs = std::filesystem;

std::optional<fs::path> pathOf(std::string_view utf8)
{
    if (utf8.empty() || utf8.find('\0') != std::string_view::npos)
        return std::nullopt;
    return fs::path(std::u8string(utf8.begin(), utf8.end()));
}

// The path with its links followed as far as they lead to something; one that cannot be resolved
// (a folder that may not be read) is taken as written, made absolute.
fs::path resolved(const fs::path& path)
{
    std::error_code ec;
    fs::path out = fs::weakly_canonical(path, ec);
    if (!ec)
        return out;
    out = fs::absolute(path, ec);
    return ec ? path.lexically_normal() : out.lexically_normal();
}

}  // namespace

bool sameFile(std::string_view firstUtf8, std::string_view secondUtf8)
{
    const std::optional<fs::path> first = pathOf(firstUtf8);
    const std::optional<fs::path> second = pathOf(secondUtf8);
    if (!first || !second)
        return false;
    std::error_code ec;
    if (fs::exists(*first, ec) && fs::exists(*second, ec)) {
        const bool same = fs::equivalent(*first, *second, ec);
        if (!ec)
            return same;
    }
    return resolved(*first) == resolved(*second);
}

std::string outputOverProject(std::string_view output, std::string_view project)
{
    if (!sameFile(output, project))
        return {};
    return fillMessage(msg::kOutputIsProject, {output});
}

}  // namespace sw
