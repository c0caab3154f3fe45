#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "core/encoding.h"
#include "core/linehelpers.h"
#include "core/text.h"

namespace sw {
namespace {

TEST(Text, FieldsCountCharactersNotBytes)
{
    EXPECT_EQ(fitLeft("Ditch A", 10), "Ditch A   ");
    EXPECT_EQ(fitLeft("A long description", 10), "A long des");
    EXPECT_EQ(fitLeft("Fossé", 6), "Fossé ");
    EXPECT_EQ(fitLeft("Fosséééé", 5), "Fossé");
    EXPECT_EQ(atMask("0.45", 12), "        0.45");
    EXPECT_EQ(atMask("é", 3), "  é");
    EXPECT_EQ(atMask("longer than five", 5), "longer than five");
    EXPECT_EQ(charCount("°C"), 2u);
}

// Only spaces are trimmed; upper case covers Latin letters.
TEST(Text, TrimsSpacesUpperCasesLettersAndJoinsLines)
{
    EXPECT_EQ(trimSpaces("  a b  "), "a b");
    EXPECT_EQ(trimSpaces("\ta "), "\ta");
    EXPECT_EQ(trimSpaces("   "), "");
    EXPECT_EQ(upperCase("sta 10 é"), "STA 10 É");
    EXPECT_EQ(upperCase("÷"), "÷");
    EXPECT_TRUE(equalsIgnoringCase("Sta 10", "STA 10"));
    EXPECT_FALSE(equalsIgnoringCase("Sta 10", "Sta 11"));
    EXPECT_EQ(formatDate(2026, 3, 7), "03/07/2026");
    EXPECT_EQ(joinMessageLines({"a", "b", "c"}), "a\rb\rc");
}

// Values read from a file reach message boxes and terminals: a NUL or an escape must show, a long
// value or a huge number must not flood the message.
TEST(Text, MessagesShowValuesPrintableAndShort)
{
    EXPECT_EQ(printableText(std::string("E\0-1\x1B[2J\tx\x7F é", 14)), "E\\x00-1\\x1B[2J\\x09x\\x7F é");
    EXPECT_EQ(messageValue(std::string(70, 'a')), std::string(60, 'a') + "...");
    EXPECT_EQ(messageValue("éééé", 3), "ééé...");
    EXPECT_EQ(messageValue(std::string("a\rb")), "a\\x0Db");
    for (const auto& [value, text] : std::vector<std::pair<double, std::string>>{
             {1440.01, "1440.01"}, {-0.5, "-0.5"}, {999999999999999.0, "999999999999999"}, {1e300, "1 x 10^300"},
             {-2.5e17, "-2.5 x 10^17"}, {9.99999e20, "1 x 10^21"}, {1.7976931348623157e308, "1.7977 x 10^308"}})
        EXPECT_EQ(messageNumber(value), text) << value;
    EXPECT_EQ(fillMessage("Line {1}: \"{2}\"\r{3}", {"7", std::string("a\0b", 3)}), "Line 7: \"a\\x00b\"\r{3}");
}

TEST(LineHelpers, ValueKeyAndToken)
{
    EXPECT_EQ(GetValue("Project Name= Bridge 4 "), " Bridge 4");
    EXPECT_EQ(GetValue("  no key here  "), "no key here");
    EXPECT_EQ(GetValue("a=b=c"), "b=c");
    EXPECT_EQ(GetKey("  source of CORRECTION factor =x"), "source of CORRECTION factor");
    EXPECT_EQ(GetKey(" [CULVERTS] "), "[CULVERTS]");

    EXPECT_EQ(GetToken("Elevation of culvert inlet= 980.5 ft ", " ", 1), "980.5");
    EXPECT_EQ(GetToken("Elevation of culvert inlet= 980.5 ft ", " ", 2), "ft");
    EXPECT_EQ(GetToken("2.5   h", " ", 2), "h");
    EXPECT_EQ(GetToken("Key=12", " ", 2), "12");
    EXPECT_FALSE(GetToken("Key=12", " ", 1).has_value());
    EXPECT_EQ(GetToken("Key=12 ft", " ", 3), "");
}

TEST(Encoding, Windows1252BothWays)
{
    EXPECT_EQ(toWindows1252("Fossé 5°"), "Foss\xE9 5\xB0");
    EXPECT_EQ(toWindows1252("€ \xE2\x80\x9Cq\xE2\x80\x9D"), "\x80 \x93q\x94");
    EXPECT_EQ(toWindows1252("中"), "?");
    EXPECT_EQ(toWindows1252("bad \xFF byte"), "bad ? byte");

    EXPECT_EQ(fileTextToUtf8("Foss\xE9"), "Fossé");
    EXPECT_EQ(fileTextToUtf8("\x80"), "€");
    EXPECT_EQ(fileTextToUtf8("Fossé"), "Fossé");  // valid UTF-8 is taken as it is
    const std::string undefinedByte = "\x81";
    EXPECT_EQ(toWindows1252(fileTextToUtf8(undefinedByte)), undefinedByte);
    EXPECT_FALSE(isValidUtf8("\xC0\x80"));  // overlong
    EXPECT_FALSE(isValidUtf8("\xED\xA0\x80"));  // surrogate

    // What a box may take: the characters that survive a save, and no line break.
    for (char32_t held : {U'a', U'\t', U'\u00E9', U'\u20AC', U'\u2013', U'\u0081', U'\u00FF'})
        EXPECT_TRUE(projectFileHolds(held)) << static_cast<unsigned>(held);
    for (char32_t lost : {U'\r', U'\n', U'\u65E5', U'\u0100', U'\u2028', U'\U0001F600'})
        EXPECT_FALSE(projectFileHolds(lost)) << static_cast<unsigned>(lost);
}

}  // namespace
}  // namespace sw
