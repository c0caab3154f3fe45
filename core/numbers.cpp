#include "core/numbers.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace sw {
namespace {

// A finite, non-zero double written with 15 significant digits: digits[0] is never '0' and has
// the place value 10^exponent.
struct Sig15 {
    bool negative = false;
    std::string digits;  // 15 digits, or empty for zero
    int exponent = 0;
};

Sig15 sig15(double value)
{
    Sig15 out;
    if (value == 0.0 || !std::isfinite(value))
        return out;
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, 14);
    std::string_view s(buf, static_cast<std::size_t>(res.ptr - buf));
    if (s.front() == '-') {
        out.negative = true;
        s.remove_prefix(1);
    }
    const auto ePos = s.find('e');
    for (char c : s.substr(0, ePos))
        if (c != '.')
            out.digits.push_back(c);
    std::string_view exp = s.substr(ePos + 1);
    if (!exp.empty() && exp.front() == '+')
        exp.remove_prefix(1);
    std::from_chars(exp.data(), exp.data() + exp.size(), out.exponent);
    return out;
}

// round(|value| * 10^decimals), halves away from zero, on the 15-significant-digit value,
// as a decimal integer text without leading zeros ("0" for zero).
std::string scaledDigits(const Sig15& d, int decimals)
{
    if (d.digits.empty())
        return "0";
    const int last = d.exponent + decimals;  // index of the digit with place value 10^-decimals
    const int count = static_cast<int>(d.digits.size());
    if (last < -1)
        return "0";
    if (last == -1)
        return d.digits[0] >= '5' ? "1" : "0";
    if (last >= count - 1)
        return d.digits + std::string(static_cast<std::size_t>(last - (count - 1)), '0');
    std::string kept = d.digits.substr(0, static_cast<std::size_t>(last + 1));
    if (d.digits[static_cast<std::size_t>(last + 1)] >= '5') {
        int i = static_cast<int>(kept.size()) - 1;
        while (i >= 0 && kept[static_cast<std::size_t>(i)] == '9')
            kept[static_cast<std::size_t>(i--)] = '0';
        if (i < 0)
            kept.insert(kept.begin(), '1');
        else
            ++kept[static_cast<std::size_t>(i)];
    }
    return kept;
}

double parseDouble(std::string_view text)
{
    double v = 0.0;
    const auto res = std::from_chars(text.data(), text.data() + text.size(), v);
    if (res.ec != std::errc())
        return 0.0;
    return v;
}

std::string plainDigits(const Sig15& d, bool leadingZero)
{
    if (d.digits.empty())
        return "0";
    std::string digits = d.digits;
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
    std::string out = d.negative ? "-" : "";
    const int n = static_cast<int>(digits.size());
    if (d.exponent >= 0) {
        const int intLen = d.exponent + 1;
        if (n <= intLen) {
            out += digits + std::string(static_cast<std::size_t>(intLen - n), '0');
        } else {
            out += digits.substr(0, static_cast<std::size_t>(intLen));
            out += '.';
            out += digits.substr(static_cast<std::size_t>(intLen));
        }
    } else {
        if (leadingZero)
            out += '0';
        out += '.';
        out += std::string(static_cast<std::size_t>(-d.exponent - 1), '0');
        out += digits;
    }
    return out;
}

std::string nonFiniteText(double value)
{
    if (std::isnan(value))
        return "NaN";
    return value < 0 ? "-Infinity" : "Infinity";
}

}  // namespace

double numericValue(std::string_view text)
{
    std::string s;
    s.reserve(text.size());
    for (char c : text)
        if (c != ' ' && c != '\t' && c != '\n')
            s.push_back(c);

    std::size_t i = 0;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        negative = s[i] == '-';
        ++i;
    }
    const std::size_t mantissaStart = i;
    bool digitSeen = false;
    while (i < s.size() && s[i] >= '0' && s[i] <= '9') {
        ++i;
        digitSeen = true;
    }
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && s[i] >= '0' && s[i] <= '9') {
            ++i;
            digitSeen = true;
        }
    }
    if (!digitSeen)
        return 0.0;
    std::size_t end = i;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-'))
            ++j;
        const std::size_t expDigits = j;
        while (j < s.size() && s[j] >= '0' && s[j] <= '9')
            ++j;
        if (j > expDigits)
            end = j;
    }
    std::string_view number(s.data() + mantissaStart, end - mantissaStart);
    if (number.front() == '.') {
        // from_chars wants a digit before the point
        std::string withZero = "0" + std::string(number);
        const double v = parseDouble(withZero);
        return negative ? -v : v;
    }
    const double v = parseDouble(number);
    return negative ? -v : v;
}

std::string plainNumber(double value)
{
    if (!std::isfinite(value))
        return nonFiniteText(value);
    return plainDigits(sig15(value), true);
}

std::string plainNumberNoLeadingZero(double value)
{
    if (!std::isfinite(value))
        return nonFiniteText(value);
    return plainDigits(sig15(value), false);
}

std::string printNumber(double value)
{
    const std::string digits = plainNumberNoLeadingZero(value);
    if (!digits.empty() && digits.front() == '-')
        return digits + " ";
    return " " + digits + " ";
}

double roundTo(double value, int decimals)
{
    if (!std::isfinite(value))
        return value;
    const Sig15 d = sig15(value);
    const std::string scaled = scaledDigits(d, decimals);
    if (scaled == "0")
        return 0.0;
    const double v = parseDouble(scaled + "e" + std::to_string(-decimals));
    return d.negative ? -v : v;
}

std::string formatNumber(double value, std::string_view pattern)
{
    if (!std::isfinite(value))
        return nonFiniteText(value);
    const auto point = pattern.find('.');
    const std::string_view intPattern = pattern.substr(0, point);
    const int decimals =
        point == std::string_view::npos ? 0 : static_cast<int>(pattern.size() - point - 1);
    int minInt = 0;
    for (char c : intPattern)
        if (c == '0')
            ++minInt;

    const Sig15 d = sig15(value);
    std::string scaled = scaledDigits(d, decimals);
    const bool isZero = scaled == "0";
    if (static_cast<int>(scaled.size()) < decimals + 1)
        scaled.insert(0, static_cast<std::size_t>(decimals + 1 - static_cast<int>(scaled.size())), '0');
    std::string intPart = scaled.substr(0, scaled.size() - static_cast<std::size_t>(decimals));
    const std::string frac = scaled.substr(scaled.size() - static_cast<std::size_t>(decimals));
    if (intPart == "0" && minInt == 0)
        intPart.clear();
    if (static_cast<int>(intPart.size()) < minInt)
        intPart.insert(0, static_cast<std::size_t>(minInt - static_cast<int>(intPart.size())), '0');
    std::string out = (d.negative && !isZero) ? "-" : "";
    out += intPart;
    if (decimals > 0)
        out += "." + frac;
    return out;
}

std::optional<std::int16_t> toInt16(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    double r = std::floor(value);
    const double rest = value - r;
    if (rest > 0.5 || (rest == 0.5 && std::fmod(r, 2.0) != 0.0))
        r += 1.0;
    if (r < std::numeric_limits<std::int16_t>::min() || r > std::numeric_limits<std::int16_t>::max())
        return std::nullopt;
    return static_cast<std::int16_t>(r);
}

double wholePart(double value)
{
    return std::floor(value);
}

std::optional<std::int16_t> wholePartInt16(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    const double w = std::floor(value);
    if (w < std::numeric_limits<std::int16_t>::min() || w > std::numeric_limits<std::int16_t>::max())
        return std::nullopt;
    return static_cast<std::int16_t>(w);
}

}  // namespace sw
