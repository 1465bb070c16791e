// SPDX-License-Identifier: GPL-3.0-or-later
#include "check/exact_value.h"

#include <array>
#include <string>

#include "arith/number_text.h"

namespace zas::check {

namespace {

// Well inside the 128-bit range, so that one more digit never overflows.
constexpr ExactUnits kLimit = [] {
    ExactUnits p = 1;
    for (int i = 0; i < 36; ++i) {
        p *= 10;
    }
    return p;
}();

constexpr int kMaxScale = 40;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::optional<ExactUnits> Power10(int n) {
    if (n < 0 || n > 36) {
        return std::nullopt;
    }
    ExactUnits p = 1;
    for (int i = 0; i < n; ++i) {
        p *= 10;
    }
    return p;
}

// a * 10^shift / b as an integer quotient and remainder, or nothing.
struct Division {
    ExactUnits quotient;
    ExactUnits remainder;
    ExactUnits divisor;
};

std::optional<Division> Divide(ExactDecimal a, ExactDecimal b, int decimals) {
    if (b.units == 0) {
        return std::nullopt;
    }
    a = Normalized(a);
    b = Normalized(b);
    // a/b * 10^d = a.units * 10^(b.scale + d - a.scale) / b.units.
    const int shift = b.scale + decimals - a.scale;
    ExactUnits numerator = a.units;
    ExactUnits denominator = b.units;
    const auto power = Power10(shift < 0 ? -shift : shift);
    if (!power) {
        return std::nullopt;
    }
    if (__builtin_mul_overflow(shift < 0 ? denominator : numerator, *power,
                               shift < 0 ? &denominator : &numerator)) {
        return std::nullopt;
    }
    return Division{numerator / denominator, numerator % denominator, denominator};
}

}  // namespace

std::optional<ExactDecimal> ReadValue(std::string_view text, std::string_view separator) {
    std::string s(TrimWhiteSpace(text));
    // A typographic minus in front reads as the hyphen-minus.
    constexpr std::string_view kMinus = "\u2212";
    if (std::string_view(s).starts_with(kMinus)) {
        s.replace(0, kMinus.size(), "-");
    }
    std::size_t i = 0;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        negative = s[i] == '-';
        ++i;
    }
    ExactUnits units = 0;
    int scale = 0;
    int digits = 0;
    const auto take = [&](char c, bool fraction) {
        ++digits;
        if (units >= kLimit) {
            return false;
        }
        units = units * 10 + (c - '0');
        scale += fraction ? 1 : 0;
        return true;
    };
    for (; i < s.size() && IsDigit(s[i]); ++i) {
        if (!take(s[i], false)) {
            return std::nullopt;
        }
    }
    const std::array<std::string_view, 3> separators = {separator, ",", "."};
    for (const std::string_view mark : separators) {
        if (!mark.empty() && std::string_view(s).substr(i).starts_with(mark)) {
            i += mark.size();
            for (; i < s.size() && IsDigit(s[i]); ++i) {
                if (!take(s[i], true)) {
                    return std::nullopt;
                }
            }
            break;
        }
    }
    if (digits == 0) {
        return std::nullopt;
    }
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        bool down = false;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
            down = s[i] == '-';
            ++i;
        }
        if (i == s.size()) {
            return std::nullopt;
        }
        int exponent = 0;
        for (; i < s.size() && IsDigit(s[i]); ++i) {
            exponent = std::min(exponent * 10 + (s[i] - '0'), 1000);
        }
        scale += down ? exponent : -exponent;
    }
    if (i != s.size()) {
        return std::nullopt;
    }
    for (; scale < 0; ++scale) {
        if (units >= kLimit) {
            return std::nullopt;
        }
        units *= 10;
    }
    if (scale > kMaxScale) {
        if (units != 0) {
            return std::nullopt;
        }
        scale = kMaxScale;
    }
    return ExactDecimal{negative ? -units : units, scale};
}

ExactDecimal Normalized(ExactDecimal value) {
    while (value.scale > 0 && value.units % 10 == 0) {
        value.units /= 10;
        --value.scale;
    }
    return value;
}

bool SameValue(ExactDecimal a, ExactDecimal b) {
    a = Normalized(a);
    b = Normalized(b);
    return a.units == b.units && a.scale == b.scale;
}

std::optional<ExactDecimal> Multiply(ExactDecimal a, ExactDecimal b) {
    a = Normalized(a);
    b = Normalized(b);
    ExactDecimal product{0, a.scale + b.scale};
    if (__builtin_mul_overflow(a.units, b.units, &product.units)) {
        return std::nullopt;
    }
    return product;
}

std::optional<ExactDecimal> Half(ExactDecimal value) {
    ExactDecimal half{0, value.scale + 1};
    if (__builtin_mul_overflow(value.units, ExactUnits{5}, &half.units)) {
        return std::nullopt;
    }
    return Normalized(half);
}

std::optional<ExactDecimal> QuotientCut(ExactDecimal a, ExactDecimal b, int decimals) {
    const auto division = Divide(a, b, decimals);
    if (!division) {
        return std::nullopt;
    }
    return ExactDecimal{division->quotient, decimals};
}

std::optional<ExactDecimal> QuotientRounded(ExactDecimal a, ExactDecimal b, int decimals) {
    const auto division = Divide(a, b, decimals);
    if (!division) {
        return std::nullopt;
    }
    const ExactUnits twice =
        2 * (division->remainder < 0 ? -division->remainder : division->remainder);
    const ExactUnits divisor = division->divisor < 0 ? -division->divisor : division->divisor;
    ExactUnits units = division->quotient;
    if (twice >= divisor) {
        const bool negative = (a.units < 0) != (b.units < 0);
        units += negative ? -1 : 1;
    }
    return ExactDecimal{units, decimals};
}

ExactDecimal Unit(int decimals) {
    return ExactDecimal{1, decimals};
}

}  // namespace zas::check
