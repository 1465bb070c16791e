// SPDX-License-Identifier: GPL-3.0-or-later
#include "arith/number_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <system_error>

#include "arith/errors.h"

namespace zas {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// ---------------------------------------------------------------- StrToFloat

// What the scan of a field text found: the number rewritten for from_chars
// (separator as '.', no '+'), and where its first significant digit stands,
// so that a value out of range can be told as too large or too small.
struct ScannedNumber {
    std::string plain;
    bool negative = false;
    long long leadingDigitPower = 0;  // decimal power of the first nonzero digit
    bool hasNonzeroDigit = false;
};

// The characters with the Unicode White_Space property, in UTF-8: blanks of
// every width, tabs, line and page breaks. A number pasted from a spreadsheet
// cell or a document brings some of them along before or after it.
constexpr std::string_view kWhiteSpace[] = {
    "\t",     "\n",     "\v",     "\f",     "\r",     " ",      "\u0085", "\u00A0", "\u1680",
    "\u2000", "\u2001", "\u2002", "\u2003", "\u2004", "\u2005", "\u2006", "\u2007", "\u2008",
    "\u2009", "\u200A", "\u2028", "\u2029", "\u202F", "\u205F", "\u3000",
};

// True for a byte that cannot begin or end any of them: every ASCII
// character but the tab, the breaks and the blank. Digits, signs and the
// separator, which almost every text begins and ends with, stop here.
bool NeverWhiteSpace(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte < 0x80 && byte != ' ' && (byte < '\t' || byte > '\r');
}

bool StartsWithWhiteSpace(std::string_view s, std::size_t& length) {
    if (s.empty() || NeverWhiteSpace(s.front())) {
        return false;
    }
    for (const std::string_view space : kWhiteSpace) {
        if (s.starts_with(space)) {
            length = space.size();
            return true;
        }
    }
    return false;
}

bool EndsWithWhiteSpace(std::string_view s, std::size_t& length) {
    if (s.empty() || NeverWhiteSpace(s.back())) {
        return false;
    }
    for (const std::string_view space : kWhiteSpace) {
        if (s.ends_with(space)) {
            length = space.size();
            return true;
        }
    }
    return false;
}

// Scans text against the grammar; false when it is not a number. White space
// around the number is ignored; inside it, none is allowed.
bool Scan(std::string_view text, std::string_view separator, ScannedNumber& out) {
    const std::string_view s = TrimWhiteSpace(text);
    if (s.empty()) {
        return false;
    }

    std::size_t i = 0;
    out.plain.clear();
    out.plain.reserve(s.size());
    if (s[i] == '+' || s[i] == '-') {
        out.negative = s[i] == '-';
        if (out.negative) {
            out.plain += '-';
        }
        ++i;
    }
    long long intDigits = 0;  // digits before the separator, from the first nonzero one
    long long fracZeros = 0;  // zeros after the separator before the first nonzero digit
    bool any = false;
    for (; i < s.size() && IsDigit(s[i]); ++i) {
        out.plain += s[i];
        any = true;
        if (s[i] != '0' || out.hasNonzeroDigit) {
            out.hasNonzeroDigit = true;
            ++intDigits;
        }
    }
    if (s.substr(i).starts_with(separator)) {
        i += separator.size();
        out.plain += '.';
        for (; i < s.size() && IsDigit(s[i]); ++i) {
            out.plain += s[i];
            any = true;
            if (s[i] != '0') {
                out.hasNonzeroDigit = true;
            } else if (!out.hasNonzeroDigit) {
                ++fracZeros;
            }
        }
    }
    if (!any) {
        return false;
    }
    long long exponent = 0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        out.plain += 'e';
        ++i;
        bool negativeExponent = false;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
            negativeExponent = s[i] == '-';
            out.plain += s[i];
            ++i;
        }
        const std::size_t digitsFrom = i;
        for (; i < s.size() && IsDigit(s[i]); ++i) {
            out.plain += s[i];
            // Saturates: far beyond any double, which is all that matters here.
            exponent = std::min(exponent * 10 + (s[i] - '0'), 1'000'000'000'000LL);
        }
        if (i == digitsFrom) {
            return false;
        }
        if (negativeExponent) {
            exponent = -exponent;
        }
    }
    if (i != s.size()) {
        return false;
    }
    out.leadingDigitPower = (intDigits > 0 ? intDigits - 1 : -fracZeros - 1) + exponent;
    return true;
}

// ---------------------------------------------------------------- FloatToStr

// A decimal approximation of a nonzero value: digits without a point and the
// decimal power of the first digit (value = 0.d1d2... * 10^(power + 1)).
struct Decimal {
    char digits[17];
    int count;
    int power;
};

// Splits a "%.*e" text ("-d.ddde+XX") into digits and power.
Decimal ParseScientific(const char* text) {
    Decimal d{};
    const char* p = text;
    if (*p == '-') {
        ++p;
    }
    d.count = 0;
    for (; *p != 'e'; ++p) {
        if (IsDigit(*p)) {
            d.digits[d.count++] = *p;
        }
    }
    d.power = std::atoi(p + 1);
    return d;
}

// |value| = m * 2^k, the significand's top bit set (a subnormal has zeros at
// its low end instead).
struct BinaryValue {
    std::uint64_t m;
    int k;
};

BinaryValue Decompose(Extended value) {
    return {value.significand(), value.exponent()};
}

// True when |value| lies exactly halfway between two neighbours with 15
// significant digits, i.e. 2 * |value| * 10^(14 - power) is an odd integer.
// With |value| = m * 2^k, m odd, that is decided on m and k alone.
bool IsHalfwayAt15Digits(Extended value, int power) {
    auto [m, k] = Decompose(value);
    while ((m & 1) == 0) {
        m >>= 1;
        ++k;
    }
    const int s = 14 - power;
    if (s >= 0) {
        // m * 5^s * 2^(k + s + 1) is an odd integer only when k + s + 1 = 0.
        return k + s + 1 == 0;
    }
    // m * 2^(k + 1 - t) / 5^t with t = -s: odd integer when 5^t divides m and
    // k + 1 = t. 5^28 exceeds any 64-bit m.
    const int t = -s;
    if (t > 27 || k + 1 != t) {
        return false;
    }
    std::uint64_t fivePower = 1;
    for (int i = 0; i < t; ++i) {
        fivePower *= 5;
    }
    return m % fivePower == 0;
}

// 15 significant digits of a nonzero finite value, halves away from zero, by
// way of a correctly rounded decimal text. Used for the exponent form, outside
// the range that Round15Exact covers.
Decimal RoundTo15DigitsByLibrary(Extended value) {
    // Rounded correctly from the exact binary value, but a half to even.
    Decimal d = ParseScientific(ToScientific(value, 14).c_str());
    // Rounding may have carried into a new leading digit, so the exact power
    // is this one or the one below.
    if (!IsHalfwayAt15Digits(value, d.power) && !IsHalfwayAt15Digits(value, d.power - 1)) {
        return d;
    }
    // A halfway value has exactly 16 significant digits, the last a 5, so 16
    // digits show it exactly; round those up by hand, away from zero.
    const Decimal sixteen = ParseScientific(ToScientific(value, 15).c_str());
    if (sixteen.digits[15] != '5' || !IsHalfwayAt15Digits(value, sixteen.power)) {
        return d;
    }
    d = sixteen;
    d.count = 15;
    int i = 14;
    while (i >= 0 && d.digits[i] == '9') {
        d.digits[i--] = '0';
    }
    if (i >= 0) {
        ++d.digits[i];
    } else {
        d.digits[0] = '1';
        ++d.power;
    }
    return d;
}

// 128-bit integers, an extension of GCC and Clang on 64-bit targets.
__extension__ using Uint128 = unsigned __int128;

constexpr auto kPowersOf10 = [] {
    std::array<std::uint64_t, 20> powers{};  // 10^19 is the last below 2^64
    powers[0] = 1;
    for (std::size_t i = 1; i < powers.size(); ++i) {
        powers[i] = powers[i - 1] * 10;
    }
    return powers;
}();

// 15 significant digits of |value| for 1E-5 <= |value| < 1E15 (every value
// a worksheet shows in plain decimals), exactly, in integers: with
// |value| = m * 2^k, the digits are m * 10^s * 2^k rounded, s = 14 - power,
// and m * 10^s fits 128 bits for s <= 19. False outside that range.
bool Round15Exact(Extended value, Decimal& d) {
    const auto [m, k] = Decompose(value);
    // A denormal lies far below 1E-5; k >= 0 far above 1E15; and beyond a
    // shift of 127 bits the value is below 1E-5 too.
    if ((m >> 63) == 0 || k >= 0 || k <= -128) {
        return false;
    }
    const int shift = -k;
    // |value| >= 2^(k + 63): a power of ten no greater than that, by
    // floor((k + 63) * log10(2)); the true power is this one or the next.
    int power = ((k + 63) * 78913) >> 18;
    for (int attempt = 0; attempt < 2; ++attempt, ++power) {
        const int s = 14 - power;
        if (s < 0 || s > 19) {
            return false;
        }
        const Uint128 scaled = static_cast<Uint128>(m) * kPowersOf10[s];
        std::uint64_t digits = static_cast<std::uint64_t>(scaled >> shift);
        if (digits >= kPowersOf10[15]) {
            continue;  // the power is one higher
        }
        if (digits < kPowersOf10[14]) {
            return false;
        }
        const Uint128 rest = scaled & ((static_cast<Uint128>(1) << shift) - 1);
        const Uint128 half = static_cast<Uint128>(1) << (shift - 1);
        if (rest >= half) {
            ++digits;  // a half goes up: away from zero
        }
        if (digits == kPowersOf10[15]) {
            digits = kPowersOf10[14];
            ++power;
        }
        for (int i = 14; i >= 0; --i) {
            d.digits[i] = static_cast<char>('0' + digits % 10);
            digits /= 10;
        }
        d.count = 15;
        d.power = power;
        return true;
    }
    return false;
}

Decimal RoundTo15Digits(Extended value) {
    Decimal d{};
    if (Round15Exact(value, d)) {
        return d;
    }
    return RoundTo15DigitsByLibrary(value);
}

}  // namespace

std::string_view TrimWhiteSpace(std::string_view s) {
    std::size_t length = 0;
    while (StartsWithWhiteSpace(s, length)) {
        s.remove_prefix(length);
    }
    while (EndsWithWhiteSpace(s, length)) {
        s.remove_suffix(length);
    }
    return s;
}

bool IsUsableSeparator(std::string_view separator) {
    std::size_t length = 0;
    // A separator at the end of a number ("5,") must not be taken for white
    // space around it.
    return !separator.empty() &&
           separator.find_first_of("0123456789+-eE ") == std::string_view::npos &&
           !StartsWithWhiteSpace(separator, length) && !EndsWithWhiteSpace(separator, length);
}

double StrToFloat(const std::string& text, std::string_view separator) {
    ScannedNumber scanned;
    if (!Scan(text, separator, scanned)) {
        throw ConversionError(text);
    }
    double value = 0;
    const char* first = scanned.plain.data();
    const char* last = first + scanned.plain.size();
    const auto [end, error] = std::from_chars(first, last, value);
    if (end != last) {
        throw ConversionError(text);
    }
    if (error == std::errc::result_out_of_range) {
        // Below the smallest double the value is zero; above the largest it is
        // no number this program can hold.
        if (scanned.hasNonzeroDigit && scanned.leadingDigitPower < 0) {
            return scanned.negative ? -0.0 : 0.0;
        }
        throw ConversionError(text);
    }
    if (error != std::errc{}) {
        throw ConversionError(text);
    }
    return value;
}

std::string FloatToStr(Extended value, std::string_view separator) {
    if (IsNaN(value)) {
        throw InvalidOperationError();
    }
    if (IsInf(value)) {
        throw OverflowError();
    }
    if (value.kind() == Extended::Kind::kZero) {
        return "0";  // never "-0"
    }
    Decimal d = RoundTo15Digits(value);
    while (d.count > 1 && d.digits[d.count - 1] == '0') {
        --d.count;
    }
    std::string out;
    if (value.negative()) {
        out += '-';
    }
    if (d.power >= 15 || d.power < -4) {
        out += d.digits[0];
        if (d.count > 1) {
            out += separator;
            out.append(d.digits + 1, d.count - 1);
        }
        out += 'E';
        out += std::to_string(d.power);
    } else if (d.power >= 0) {
        const int whole = d.power + 1;
        for (int i = 0; i < whole; ++i) {
            out += i < d.count ? d.digits[i] : '0';
        }
        if (d.count > whole) {
            out += separator;
            out.append(d.digits + whole, d.count - whole);
        }
    } else {
        out += '0';
        out += separator;
        out.append(-d.power - 1, '0');
        out.append(d.digits, d.count);
    }
    return out;
}

}  // namespace zas
