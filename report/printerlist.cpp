#include "report/printerlist.h"

#include <filesystem>
#include <fstream>
#include <iterator>

#include "core/encoding.h"
#include "core/text.h"

namespace sw {

std::vector<std::string> printerList(std::string_view settingsText, const std::vector<std::string>& installed)
{
    std::vector<std::string> list;
    std::size_t start = 0;
    while (start < settingsText.size()) {
        std::size_t end = settingsText.find('\n', start);
        if (end == std::string_view::npos)
            end = settingsText.size();
        std::string_view line = settingsText.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (line.empty() || line.find('\'') != std::string_view::npos)
            continue;
        const std::string wanted = upperCase(line);
        for (const std::string& printer : installed) {
            if (upperCase(printer) == wanted) {
                list.push_back(printer);
                break;
            }
        }
    }
    return list;
}

std::string readPrinterSettings(const std::string& path)
{
    std::error_code ec;
    const std::filesystem::path p(std::u8string(path.begin(), path.end()));
    // Only an ordinary file: a folder or a device named so reads as no settings at all.
    if (path.empty() || !std::filesystem::is_regular_file(p, ec))
        return {};
    std::ifstream in(p, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    return in.bad() ? std::string() : fileTextToUtf8(bytes);
}

}  // namespace sw
