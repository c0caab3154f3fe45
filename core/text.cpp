#include "core/text.h"

#include <cstdio>

namespace sw {
namespace {

bool isContinuation(unsigned char c)
{
    return (c & 0xC0) == 0x80;
}

// Byte offset of the n-th character (or the text's size when it has fewer).
std::size_t offsetOfChar(std::string_view text, std::size_t n)
{
    std::size_t chars = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (!isContinuation(static_cast<unsigned char>(text[i]))) {
            if (chars == n)
                return i;
            ++chars;
        }
    }
    return text.size();
}

}  // namespace

std::string_view trimSpaces(std::string_view text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

std::size_t charCount(std::string_view text)
{
    std::size_t n = 0;
    for (char c : text)
        if (!isContinuation(static_cast<unsigned char>(c)))
            ++n;
    return n;
}

std::string leftChars(std::string_view text, std::size_t n)
{
    return std::string(text.substr(0, offsetOfChar(text, n)));
}

std::string fitLeft(std::string_view text, std::size_t width)
{
    std::string out = leftChars(text, width);
    const std::size_t len = charCount(out);
    if (len < width)
        out.append(width - len, ' ');
    return out;
}

std::string atMask(std::string_view text, std::size_t width)
{
    const std::size_t len = charCount(text);
    std::string out;
    if (len < width)
        out.assign(width - len, ' ');
    out += text;
    return out;
}

std::string upperCase(std::string_view text)
{
    std::string out(text);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const auto c = static_cast<unsigned char>(out[i]);
        if (c >= 'a' && c <= 'z') {
            out[i] = static_cast<char>(c - 'a' + 'A');
        } else if (c == 0xC3 && i + 1 < out.size()) {
            // U+00E0..U+00FE (but U+00F7, the division sign) map to U+00C0..U+00DE
            const auto next = static_cast<unsigned char>(out[i + 1]);
            if (next >= 0xA0 && next <= 0xBE && next != 0xB7)
                out[i + 1] = static_cast<char>(next - 0x20);
            ++i;
        }
    }
    return out;
}

bool equalsIgnoringCase(std::string_view a, std::string_view b)
{
    return upperCase(a) == upperCase(b);
}

std::string formatDate(int year, int month, int day)
{
    char buf[32];
    std::snprintf(buf, sizeof buf, "%02d/%02d/%04d", month, day, year);
    return buf;
}

std::string joinMessageLines(const std::vector<std::string>& lines)
{
    std::string out;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0)
            out += '\r';
        out += lines[i];
    }
    return out;
}

}  // namespace sw
