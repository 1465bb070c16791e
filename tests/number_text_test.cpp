// SPDX-License-Identifier: GPL-3.0-or-later
// Field texts to numbers and back: the user's separator, the grammar of a
// number, the 15-digit text with its halves away from zero.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <random>
#include <string>
#include <utility>

#include <gtest/gtest.h>

#include "arith/errors.h"
#include "arith/number_text.h"

namespace zas {
namespace {

// The conversions with the samples' comma, where a test names no other
// separator.
double StrToFloat(const std::string& text) {
    return zas::StrToFloat(text, ",");
}
std::string FloatToStr(Extended value) {
    return zas::FloatToStr(value, ",");
}

using NumberText = ::testing::Test;

// The conversion error's message quoting shown, in its isolate.
std::string Quoted(const std::string& shown) {
    // Built by append: GCC 12 at -O3 sees a false overlap in "'" + string.
    return std::string("'\u2068").append(shown).append("\u2069' не является правильным числом");
}

// The message of the conversion error for a text, or "" when it converts.
std::string ConversionMessage(const std::string& text) {
    try {
        StrToFloat(text);
    } catch (const ConversionError& e) {
        return e.what();
    }
    return "";
}

TEST_F(NumberText, FloatToStrGeneralFormat) {
    EXPECT_EQ(FloatToStr(1822.81), "1822,81");
    EXPECT_EQ(FloatToStr(1250), "1250");
    EXPECT_EQ(FloatToStr(-0.5), "-0,5");
    EXPECT_EQ(FloatToStr(2924.515_ext), "2924,515");
    EXPECT_EQ(FloatToStr(1.0 / 3), "0,333333333333333");
    EXPECT_EQ(FloatToStr(2.0 / 3), "0,666666666666667");
    EXPECT_EQ(FloatToStr(0), "0");
    EXPECT_EQ(FloatToStr(-0.0), "0");
    EXPECT_EQ(FloatToStr(-0.0_ext), "0");
}

TEST_F(NumberText, FloatToStrExponentBelow1EMinus4AndFrom1E15) {
    EXPECT_EQ(FloatToStr(0.0001), "0,0001");
    EXPECT_EQ(FloatToStr(0.00004), "4E-5");
    EXPECT_EQ(FloatToStr(-0.00001), "-1E-5");
    EXPECT_EQ(FloatToStr(0.17633 + -0.17632), "9,99999999998225E-6");
    EXPECT_EQ(FloatToStr(999999999999999.0), "999999999999999");
    EXPECT_EQ(FloatToStr(1e15), "1E15");
    EXPECT_EQ(FloatToStr(-123456789012345678.0), "-1,23456789012346E17");
    EXPECT_EQ(FloatToStr(1e-300), "1E-300");
    EXPECT_EQ(FloatToStr(5e-324), "4,94065645841247E-324");
    EXPECT_EQ(FloatToStr(1e4000_ext), "1E4000");
    // 0.000099999999999999995 rounds up to 1E-4 at 15 digits: the form
    // follows the rounded value.
    EXPECT_EQ(FloatToStr(0.000099999999999999995_ext), "0,0001");
}

TEST_F(NumberText, FloatToStrRoundsExactHalvesAwayFromZero) {
    // Exactly halfway at the 16th digit, with an even 15th digit: a half-even
    // rounding would keep the 4 or the 2.
    EXPECT_EQ(FloatToStr(123456789012344.5), "123456789012345");
    EXPECT_EQ(FloatToStr(-123456789012344.5), "-123456789012345");
    EXPECT_EQ(FloatToStr(32769.0 / 32768), "1,00003051757813");  // 1.000030517578125
    EXPECT_EQ(FloatToStr(-32769.0 / 32768), "-1,00003051757813");
    // An extended value past double precision, exactly halfway.
    EXPECT_EQ(FloatToStr(1234567890123445000.0_ext), "1,23456789012345E18");
    // The carry reaches a new leading digit.
    EXPECT_EQ(FloatToStr(999999999999999.5), "1E15");
    // Just off the half, the nearest neighbour wins either way.
    EXPECT_EQ(FloatToStr(123456789012344.49), "123456789012344");
    EXPECT_EQ(FloatToStr(0.1), "0,1");
}

TEST_F(NumberText, FloatToStrRefusesValuesThatAreNoNumbers) {
    EXPECT_THROW(FloatToStr(std::numeric_limits<double>::quiet_NaN()), InvalidOperationError);
    EXPECT_THROW(FloatToStr(std::numeric_limits<double>::infinity()), OverflowError);
}

TEST_F(NumberText, StrToFloatAcceptsTheGrammar) {
    EXPECT_EQ(StrToFloat("823,61"), 823.61);
    EXPECT_EQ(StrToFloat("-192,37"), -192.37);
    EXPECT_EQ(StrToFloat("  1822,81 "), 1822.81);
    // A spreadsheet cell pasted with its line break, and other white space.
    EXPECT_EQ(StrToFloat("823,61\r\n"), 823.61);
    EXPECT_EQ(StrToFloat("\t\u00A0\u3000-5\u2029\u0085\u202F\v"), -5.0);
    // Every blank of the Unicode White_Space property, before and after.
    for (const char* blank :
         {"\u1680", "\u2000", "\u2001", "\u2002", "\u2003", "\u2004", "\u2005", "\u2006", "\u2007",
          "\u2008", "\u2009", "\u200A", "\u205F", "\u3000"}) {
        EXPECT_EQ(StrToFloat(blank + std::string("823,61") + blank), 823.61) << blank;
    }
    EXPECT_EQ(StrToFloat("+5"), 5.0);
    EXPECT_EQ(StrToFloat(",5"), 0.5);
    EXPECT_EQ(StrToFloat("5,"), 5.0);
    EXPECT_EQ(StrToFloat("1e3"), 1000.0);
    EXPECT_EQ(StrToFloat("2,5E-3"), 0.0025);
    EXPECT_EQ(StrToFloat("1e+2"), 100.0);
    EXPECT_EQ(StrToFloat("007"), 7.0);
    EXPECT_EQ(StrToFloat("1,7976931348623157e308"), 1.7976931348623157e308);
    // Too small for a double: zero, with its sign.
    EXPECT_EQ(StrToFloat("1e-400"), 0.0);
    EXPECT_TRUE(std::signbit(StrToFloat("-1e-400")));
    EXPECT_EQ(StrToFloat("0," + std::string(400, '0') + "1e400"), 0.1);
}

TEST_F(NumberText, StrToFloatRefusesWhatIsNotANumber) {
    for (const char* text :
         {"",     " ",    "   ",   "823.61", "1 000", "1.000,5", "inf",    "nan",
          "-inf", "0x1A", "1e",    "1e+",    "e5",    ",",       "-",      "--5",
          "+-5",  "5-",   "1,2,3", "12a",    "a12",   "1e400",   "-1e400", "1,7976931348623159e308",
          "１２", "−5",   "1e5,5", "1_000"}) {
        EXPECT_EQ(ConversionMessage(text), Quoted(text)) << "text: [" << text << "]";
    }
    const std::string withNul(
        "5\0"
        "1",
        3);
    EXPECT_THROW(StrToFloat(withNul), ConversionError);
}

TEST_F(NumberText, ConversionMessageShowsControlCharacters) {
    EXPECT_EQ(ConversionMessage("5\t1"), Quoted("5<TAB>1"));
    EXPECT_EQ(ConversionMessage(std::string("5\0"
                                            "1",
                                            3)),
              Quoted("5<NUL>1"));
    EXPECT_EQ(ConversionMessage("\x1F\x7F\r\n"), Quoted("<US><DEL><CR><LF>"));
    // C1 controls, direction marks and line separators are spelt out by code,
    // so that none closes the isolate or breaks the line.
    EXPECT_EQ(ConversionMessage("1\u0085\u2069\u202E\u2028\uFEFF\u061C\u200B"),
              Quoted("1<U+0085><U+2069><U+202E><U+2028><U+FEFF><U+061C><U+200B>"));
    // A spelt-out character counts as one of the forty.
    std::string names;
    for (int i = 0; i < 40; ++i) {
        names += "<TAB>";
    }
    EXPECT_EQ(ConversionMessage(std::string(41, '\t')), Quoted(names + "…"));
}

TEST_F(NumberText, ConversionMessageQuotesAtMost40Characters) {
    EXPECT_EQ(ConversionMessage("823.61"), Quoted("823.61"));
    const std::string forty(40, 'x');
    EXPECT_EQ(ConversionMessage(forty), Quoted(forty));
    EXPECT_EQ(ConversionMessage(forty + "yz"), Quoted(forty + "…"));
    // Cyrillic letters take two bytes each and are never cut apart.
    std::string cyrillic;
    for (int i = 0; i < 45; ++i) {
        cyrillic += "ж";
    }
    EXPECT_EQ(ConversionMessage(cyrillic), Quoted(cyrillic.substr(0, 80) + "…"));
}

TEST_F(NumberText, StrToFloatOfAMillionDigits) {
    EXPECT_THROW(StrToFloat(std::string(1'000'000, '7')), ConversionError);
    EXPECT_EQ(StrToFloat("0," + std::string(1'000'000, '0') + "1"), 0.0);
    EXPECT_EQ(StrToFloat("1," + std::string(1'000'000, '0')), 1.0);
}

TEST_F(NumberText, TheSeparatorIsTheOneGiven) {
    EXPECT_EQ(zas::StrToFloat("823.61", "."), 823.61);
    EXPECT_THROW(zas::StrToFloat("823,61", "."), ConversionError);
    EXPECT_EQ(zas::FloatToStr(-0.5, "."), "-0.5");
    EXPECT_EQ(zas::FloatToStr(0.17633 + -0.17632, "."), "9.99999999998225E-6");

    // A separator of more than one byte (Arabic decimal separator).
    EXPECT_TRUE(IsUsableSeparator("٫"));
    EXPECT_EQ(zas::StrToFloat("823٫61", "٫"), 823.61);
    EXPECT_EQ(zas::FloatToStr(1822.81, "٫"), "1822٫81");
    EXPECT_THROW(zas::StrToFloat("823.61", "٫"), ConversionError);
    EXPECT_THROW(zas::StrToFloat("823,61", "٫"), ConversionError);
}

TEST_F(NumberText, SeparatorsThatWouldConfuseANumberAreRefused) {
    for (const char* bad : {"", "1", "-", "+", "e", "E", " ", ",5", "\u00A0", ",\t"}) {
        EXPECT_FALSE(IsUsableSeparator(bad)) << bad;
    }
    EXPECT_TRUE(IsUsableSeparator(","));
    EXPECT_TRUE(IsUsableSeparator("."));
}

TEST_F(NumberText, RoundTripOfWrittenTexts) {
    for (const double v : {2924.515, -173.715, 1.01458, 9.99999999998225e-6, 4e-5, 1e15, -0.23564,
                           123456789012345.0}) {
        EXPECT_EQ(FloatToStr(StrToFloat(FloatToStr(v))), FloatToStr(v));
    }
}

}  // namespace
}  // namespace zas

namespace zas {
namespace {

// The reference: the exact decimal expansion of m * 2^e for e from -84 to 63,
// in 128-bit integers, rounded by hand to 15 digits, halves away from zero.
// Returns digits without trailing zeros and the power of ten of the first.
std::pair<std::string, int> Reference15(std::uint64_t m, int e) {
    __extension__ using Uint128 = unsigned __int128;
    const auto decimal = [](Uint128 n) {
        std::string text;
        do {
            text.insert(text.begin(), static_cast<char>('0' + static_cast<int>(n % 10)));
            n /= 10;
        } while (n != 0);
        return text;
    };
    std::string digits;
    int power = 0;
    if (e >= 0) {
        digits = decimal(static_cast<Uint128>(m) << e);
        power = static_cast<int>(digits.size()) - 1;
    } else {
        const Uint128 mask = (static_cast<Uint128>(1) << -e) - 1;
        Uint128 fraction = m & mask;
        const Uint128 whole = static_cast<Uint128>(m) >> -e;
        digits = whole != 0 ? decimal(whole) : "";
        power = whole != 0 ? static_cast<int>(digits.size()) - 1 : -1;
        while (fraction != 0) {
            fraction *= 10;
            const char digit = static_cast<char>('0' + static_cast<int>(fraction >> -e));
            fraction &= mask;
            if (digits.empty() && digit == '0') {
                --power;  // a leading zero after the point
            } else {
                digits += digit;
            }
        }
    }
    digits.resize(std::max<std::size_t>(digits.size(), 16), '0');
    const bool up = digits[15] >= '5';
    digits.resize(15);
    if (up) {
        int i = 14;
        while (i >= 0 && digits[i] == '9') {
            digits[i--] = '0';
        }
        if (i >= 0) {
            ++digits[i];
        } else {
            digits.insert(digits.begin(), '1');
            digits.resize(15);
            ++power;
        }
    }
    while (digits.size() > 1 && digits.back() == '0') {
        digits.pop_back();
    }
    return {digits, power};
}

// Reads a FloatToStr text (separator ",") back into digits and power.
std::pair<std::string, int> DigitsOf(std::string text) {
    if (text[0] == '-') {
        text.erase(0, 1);
    }
    const auto e = text.find('E');
    if (e != std::string::npos) {
        std::string digits = text.substr(0, e);
        if (digits.size() > 1) {
            digits.erase(1, 1);  // the separator
        }
        return {digits, std::stoi(text.substr(e + 1))};
    }
    const auto comma = text.find(',');
    const int wholeDigits = static_cast<int>(comma == std::string::npos ? text.size() : comma);
    std::string digits;
    for (char c : text) {
        if (c != ',') {
            digits += c;
        }
    }
    const auto first = digits.find_first_not_of('0');
    const int power = wholeDigits - 1 - static_cast<int>(first);
    digits.erase(0, first);
    while (digits.size() > 1 && digits.back() == '0') {
        digits.pop_back();
    }
    return {digits, power};
}

TEST(FloatToStrExactness, AgreesWithTheExactExpansionOverTheWholePlainRange) {
    std::mt19937_64 random(20261207);
    for (int i = 0; i < 200000; ++i) {
        // A random 64-bit significand at a random binary exponent from 2^-20
        // to 2^52: beyond 1E-5 and 1E15 on both sides.
        const std::uint64_t m = random() | (1ULL << 63);
        const int exponent = static_cast<int>(random() % 73) - 20 - 64;
        Extended value = Extended::FromParts(false, m, exponent);
        std::uint64_t exactM = m;
        int exactE = exponent;
        if (i % 3 == 1) {
            // A stored double: its 53-bit significand, read back by frexp.
            const double stored = Store(value);
            value = stored;
            int k = 0;
            exactM = static_cast<std::uint64_t>(std::ldexp(std::frexp(stored, &k), 53));
            exactE = k - 53;
        } else if (i % 3 == 2) {
            // Cut to few bits, so that exact halves come up often.
            value = Extended::FromParts(false, m >> 40, exponent + 40);
            exactM = m >> 40;
            exactE = exponent + 40;
        }
        if (i % 2 == 1) {
            value = -value;
        }
        ASSERT_EQ(DigitsOf(FloatToStr(value)), Reference15(exactM, exactE)) << Store(value);
    }
}

}  // namespace
}  // namespace zas
