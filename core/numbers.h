#pragma once
// Number reading, number text and rounding shared by every part of the program.
// All of it is locale-independent: the decimal mark is always ".".

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace sw {

// Leading-number reading of a text: blanks, tabs and line feeds anywhere are ignored; the number
// runs from the start up to the first character that cannot continue it (sign, digits, one
// decimal point, an exponent). No leading number gives 0; so does a number beyond the range of a
// double, which no box of the program could mean.
[[nodiscard]] double numericValue(std::string_view text);

// Plain number text: up to 15 significant digits, fixed notation, no trailing zeros, no trailing
// point, "0" before the point below 1 (0.1 + 0.2 -> "0.3", 0.00005 -> "0.00005", 12.0 -> "12").
[[nodiscard]] std::string plainNumber(double value);

// The same without the "0" before the point (0.5 -> ".5", -0.5 -> "-.5").
[[nodiscard]] std::string plainNumberNoLeadingZero(double value);

// The print form of the project file: a blank (or "-") before, a blank after, no leading "0"
// (0.8 -> " .8 ", -1.5 -> "-1.5 ", 1 -> " 1 ").
[[nodiscard]] std::string printNumber(double value);

// Rounding to N decimals: decimal rounding of the value written with 15 significant digits,
// halves away from zero (1.005 -> 1.01, 2.675 -> 2.68, -0.125 -> -0.13).
[[nodiscard]] double roundTo(double value, int decimals);

// Format patterns "0.0", "0.00", "00.00", "####0.0": the value rounded as roundTo, with as many
// decimals as the pattern has after the point and at least as many integer digits as it has "0"
// before the point. A value that rounds to zero carries no minus sign.
[[nodiscard]] std::string formatNumber(double value, std::string_view pattern);

// Conversion to a 16-bit integer: nearest integer, halves to the even neighbour
// (134.62 -> 135, 2.5 -> 2, 3.5 -> 4). Empty when the result does not fit in 16 bits.
[[nodiscard]] std::optional<std::int16_t> toInt16(double value);

// The whole part of a number: rounded down (-1.5 -> -2).
[[nodiscard]] double wholePart(double value);

// The whole part of a number as a 16-bit integer; empty when it does not fit.
[[nodiscard]] std::optional<std::int16_t> wholePartInt16(double value);

}  // namespace sw
