#include "core/text.h"

#include <cmath>
#include <cstdio>

#include "core/numbers.h"

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

std::string printableText(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if (c < 0x20 || c == 0x7F) {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02X", c);
            out += hex;
        } else {
            out += ch;
        }
    }
    return out;
}

std::string messageValue(std::string_view text, std::size_t limit)
{
    if (charCount(text) <= limit)
        return printableText(text);
    return printableText(leftChars(text, limit)) + "...";
}

std::string messageNumber(double value)
{
    if (!std::isfinite(value))
        return std::isnan(value) ? "not a number" : (value > 0 ? "infinity" : "minus infinity");
    if (std::fabs(value) < 1e15)
        return plainNumber(value);
    const int exponent = static_cast<int>(std::floor(std::log10(std::fabs(value))));
    double mantissa = value / std::pow(10.0, exponent);
    // 9.9999 rounds up to 10: carry it into the exponent.
    if (std::fabs(roundTo(mantissa, 4)) >= 10.0)
        return messageNumber(std::copysign(1.0, value) * std::pow(10.0, exponent + 1));
    return plainNumber(roundTo(mantissa, 4)) + " x 10^" + std::to_string(exponent);
}

std::string fillMessage(std::string_view pattern, std::initializer_list<std::string_view> parts)
{
    std::string out;
    out.reserve(pattern.size() + 64);
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '{' && i + 2 < pattern.size() && pattern[i + 2] == '}' && pattern[i + 1] >= '1' &&
            pattern[i + 1] <= '9') {
            const auto k = static_cast<std::size_t>(pattern[i + 1] - '1');
            if (k < parts.size()) {
                out += printableText(*(parts.begin() + k));
                i += 2;
                continue;
            }
        }
        out.push_back(pattern[i]);
    }
    return out;
}

}  // namespace sw
