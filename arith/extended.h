// SPDX-License-Identifier: GPL-3.0-or-later
// The numeric model of the worksheets. Every named quantity is a double between
// steps; inside a step the expression is evaluated in extended precision (the
// x87 80-bit format: a 64-bit significand, the exponent range down to 2^-16445
// with its subnormals) and rounded to double once, when it is stored (Store).
// Each operation is rounded to nearest even at 64 bits exactly as the x87 unit
// does it, but computed in software, so every CPU gives the same bits.
// Floating-point faults are detected here, explicitly, at the operation that
// causes them.
#pragma once

#include <bit>
#include <concepts>
#include <cstdint>
#include <limits>
#include <stdexcept>
#include <string>

namespace zas {

// A number of the x87 extended format. A plain value: sign, class, 64-bit
// significand and binary exponent, copied and moved as such; nothing on the
// heap. Arithmetic rounds to nearest even at 64 bits; like the x87 unit with
// its faults masked, it yields infinities and NaNs, which Div, Store and Trunc
// turn into errors.
class Extended {
  public:
    enum class Kind : std::uint8_t { kZero, kFinite, kInfinity, kNaN };

    constexpr Extended() = default;

    // Exact: every double is an extended value.
    constexpr Extended(double value);  // NOLINT: converts implicitly, as in a step

    // Exact for every 64-bit integer.
    template <std::integral Integer>
    constexpr Extended(Integer value)  // NOLINT: converts implicitly, as in a step
        : Extended(FromInteger(value < 0, value < 0 ? 0ULL - static_cast<std::uint64_t>(value)
                                                    : static_cast<std::uint64_t>(value))) {}

    // (-1)^negative * significand * 2^exponent, rounded to 64 bits and the
    // extended range.
    static Extended FromParts(bool negative, std::uint64_t significand, int exponent);

    // A decimal or hexadecimal text ("2.9", "0x1p63", "1e4000") rounded to the
    // nearest extended value, as a compiler reads an x87 long double literal.
    // A text that is no number gives a NaN.
    static Extended FromText(const char* text);

    constexpr Kind kind() const { return kind_; }
    constexpr bool negative() const { return negative_; }
    // For a finite nonzero value: |value| = significand() * 2^exponent(), the
    // significand's top bit set (a subnormal has zeros at its low end).
    constexpr std::uint64_t significand() const { return significand_; }
    constexpr int exponent() const { return exponent_; }

    constexpr Extended operator-() const {
        Extended negated = *this;
        negated.negative_ = !negative_;
        return negated;
    }

    friend Extended operator+(const Extended& a, const Extended& b);
    friend Extended operator-(const Extended& a, const Extended& b);
    friend Extended operator*(const Extended& a, const Extended& b);
    friend Extended operator/(const Extended& a, const Extended& b);

    // IEEE equality: a NaN equals nothing, -0 equals +0.
    friend bool operator==(const Extended& a, const Extended& b);

    // Only the arithmetic, the named constants and the numeric limits
    // construct these. A zero, an infinity or a NaN; a finite value is made
    // by Finite alone.
    static constexpr Extended Special(Kind kind, bool negative) {
        if (kind == Kind::kFinite) {
            throw std::invalid_argument("Extended::Special: конечное число задаётся через Finite");
        }
        Extended value;
        value.kind_ = kind;
        value.negative_ = negative;
        return value;
    }
    // |value| = significand * 2^exponent, the significand's top bit set.
    static constexpr Extended Finite(bool negative, std::uint64_t significand, int exponent) {
        if ((significand >> 63) == 0) {
            throw std::invalid_argument("Extended::Finite: старший бит мантиссы не установлен");
        }
        Extended value;
        value.kind_ = Kind::kFinite;
        value.negative_ = negative;
        value.significand_ = significand;
        value.exponent_ = exponent;
        return value;
    }

  private:
    static constexpr Extended FromInteger(bool negative, std::uint64_t magnitude) {
        if (magnitude == 0) {
            return Special(Kind::kZero, false);
        }
        const int shift = std::countl_zero(magnitude);
        return Finite(negative, magnitude << shift, -shift);
    }

    std::uint64_t significand_ = 0;
    std::int32_t exponent_ = 0;
    Kind kind_ = Kind::kZero;
    bool negative_ = false;
};

constexpr Extended::Extended(double value) {
    const auto bits = std::bit_cast<std::uint64_t>(value);
    negative_ = (bits >> 63) != 0;
    const int biased = static_cast<int>((bits >> 52) & 0x7FF);
    const std::uint64_t fraction = bits & ((1ULL << 52) - 1);
    if (biased == 0x7FF) {
        kind_ = fraction == 0 ? Kind::kInfinity : Kind::kNaN;
        return;
    }
    if (biased == 0 && fraction == 0) {
        kind_ = Kind::kZero;
        return;
    }
    // A double's subnormal is a normal extended value.
    const std::uint64_t whole = biased == 0 ? fraction : fraction | (1ULL << 52);
    const int shift = std::countl_zero(whole);
    kind_ = Kind::kFinite;
    significand_ = whole << shift;
    exponent_ = (biased == 0 ? 1 : biased) - 1075 - shift;
}

constexpr bool IsNaN(const Extended& x) {
    return x.kind() == Extended::Kind::kNaN;
}
constexpr bool IsInf(const Extended& x) {
    return x.kind() == Extended::Kind::kInfinity;
}
constexpr bool IsFinite(const Extended& x) {
    return !IsNaN(x) && !IsInf(x);
}
constexpr Extended Abs(const Extended& x) {
    return x.negative() ? -x : x;
}

// An x87 literal in a test or a table: 2.9_ext, 0x1p63_ext, 1e4000_ext.
inline Extended operator""_ext(const char* text) {
    return Extended::FromText(text);
}

// pi rounded to the nearest extended value: significand C90FDAA22168C235 hex.
inline constexpr Extended kPi = Extended::Finite(false, 0xC90FDAA22168C235ULL, 2 - 64);

// The exact binary value in C's "%.*e" form with the given digits after the
// point (0 or more), rounded to nearest with ties to even; the whole text,
// however long.
std::string ToScientific(const Extended& value, int decimals);

// Rounds an extended value to the double that is stored between steps.
// A value too large for a double raises OverflowError; a NaN (only possible
// after an invalid operation) raises InvalidOperationError.
double Store(Extended value);

// a / b at extended precision. b = 0 raises DivisionByZeroError, or
// InvalidOperationError when a is 0 too; an infinite quotient raises
// OverflowError.
Extended Div(Extended a, Extended b);

// Truncation toward zero to a signed 64-bit integer. A value whose truncation
// lies outside the signed 64-bit range, or a NaN, raises InvalidOperationError.
std::int64_t Trunc(Extended value);

// Cuts toward zero to the decimals of scale (100000: five, 100: two):
// value times scale, truncated, back to extended, divided by scale, stored.
double TruncDecimals(Extended value, int scale);

// Degrees, minutes and seconds to decimal degrees: seconds / 3600 plus
// minutes / 60, then plus degrees, in extended precision; stored. Any real
// numbers are accepted; the sign of the degrees does not carry to the rest.
double DmsToDegrees(double degrees, double minutes, double seconds);

// pi times degrees, divided by 180. Not stored: goes straight to Sin or Cos.
Extended DegToRad(double degrees);

// The sine and cosine correctly rounded to 64 bits, for every argument.
Extended Sin(Extended radians);
Extended Cos(Extended radians);

// The worksheets' trigonometric ratios of an angle in decimal degrees, each one
// extended quotient, not yet cut: cosine over sine, and sine over cosine.
Extended Cotangent(double degrees);
Extended Tangent(double degrees);

// The mean of two stored values: summed and halved at extended precision, not
// stored.
Extended Mean(double a, double b);

}  // namespace zas

// The extended format's limits, as std::numeric_limits<long double> gives them
// for the x87 type.
template <>
class std::numeric_limits<zas::Extended> {
  public:
    static constexpr bool is_specialized = true;
    static constexpr int digits = 64;
    static constexpr bool has_infinity = true;
    static constexpr bool has_quiet_NaN = true;
    static constexpr zas::Extended max() { return zas::Extended::Finite(false, ~0ULL, 16384 - 64); }
    static constexpr zas::Extended min() {
        return zas::Extended::Finite(false, 1ULL << 63, -16382 - 63);
    }
    static constexpr zas::Extended denorm_min() {
        return zas::Extended::Finite(false, 1ULL << 63, -16445 - 63);
    }
    static constexpr zas::Extended infinity() {
        return zas::Extended::Special(zas::Extended::Kind::kInfinity, false);
    }
    static constexpr zas::Extended quiet_NaN() {
        return zas::Extended::Special(zas::Extended::Kind::kNaN, false);
    }
};
