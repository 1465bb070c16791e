// SPDX-License-Identifier: GPL-3.0-or-later
#include "agreement/exact_decimal.h"

#include <algorithm>

#include "arith/number_text.h"

namespace zas {

namespace {

constexpr ExactUnits Power10(int n) {
    ExactUnits p = 1;
    for (int i = 0; i < n; ++i) {
        p *= 10;
    }
    return p;
}

constexpr ExactUnits kMaxMagnitude = Power10(24);

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

std::optional<ExactDecimal> ParseExact(std::string_view text, std::string_view separator) {
    // White space around the number is passed over as the sheets do it.
    const std::string_view s = TrimWhiteSpace(text);
    if (s.empty() || separator.empty()) {
        return std::nullopt;
    }
    std::size_t i = 0;
    bool negative = false;
    if (s[i] == '+' || s[i] == '-') {
        negative = s[i] == '-';
        ++i;
    }
    ExactUnits units = 0;
    long long scale = 0;
    int digits = 0;
    auto take = [&](char c, bool fraction) {
        ++digits;
        if (units >= kMaxMagnitude * 1000) {
            // Beyond 10^24 already, so the number is refused below whatever
            // follows; the digits are only counted, and a million of them
            // cannot overflow.
            return;
        }
        units = units * 10 + (c - '0');
        if (fraction) {
            ++scale;
        }
    };
    while (i < s.size() && IsDigit(s[i])) {
        take(s[i++], false);
    }
    if (s.substr(i, separator.size()) == separator) {
        i += separator.size();
        while (i < s.size() && IsDigit(s[i])) {
            take(s[i++], true);
        }
    }
    if (digits == 0) {
        return std::nullopt;
    }
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        bool exp_negative = false;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
            exp_negative = s[i] == '-';
            ++i;
        }
        if (i == s.size() || !IsDigit(s[i])) {
            return std::nullopt;
        }
        long long exponent = 0;
        while (i < s.size() && IsDigit(s[i])) {
            exponent = std::min(exponent * 10 + (s[i++] - '0'), 100000LL);
        }
        scale += exp_negative ? exponent : -exponent;
    }
    if (i != s.size()) {
        return std::nullopt;
    }
    // The decimals stay as typed ("17,10" has two); a zero may lose some.
    if (units == 0) {
        scale = std::max(0LL, std::min(scale, static_cast<long long>(kMaxExactScale)));
    }
    while (scale < 0) {
        if (units >= kMaxMagnitude) {
            return std::nullopt;
        }
        units *= 10;
        ++scale;
    }
    if (scale > kMaxExactScale || units >= kMaxMagnitude) {
        return std::nullopt;
    }
    return ExactDecimal{negative ? -units : units, static_cast<int>(scale)};
}

std::optional<ExactDecimal> Rescale(ExactDecimal value, int scale) {
    ExactUnits units = value.units;
    for (int s = value.scale; s < scale; ++s) {
        if (__builtin_mul_overflow(units, ExactUnits{10}, &units)) {
            return std::nullopt;
        }
    }
    return ExactDecimal{units, std::max(scale, value.scale)};
}

std::optional<ExactDecimal> Add(ExactDecimal a, ExactDecimal b) {
    const int scale = std::max(a.scale, b.scale);
    const auto x = Rescale(a, scale);
    const auto y = Rescale(b, scale);
    ExactDecimal sum{0, scale};
    if (!x || !y || __builtin_add_overflow(x->units, y->units, &sum.units)) {
        return std::nullopt;
    }
    return sum;
}

std::optional<ExactDecimal> Subtract(ExactDecimal a, ExactDecimal b) {
    return Add(a, ExactDecimal{-b.units, b.scale});
}

std::optional<ExactDecimal> MultiplyByInteger(ExactDecimal a, std::int64_t factor) {
    ExactDecimal product{0, a.scale};
    if (__builtin_mul_overflow(a.units, ExactUnits{factor}, &product.units)) {
        return std::nullopt;
    }
    return product;
}

ExactDecimal CutTo(ExactDecimal value, int decimals) {
    if (decimals >= value.scale) {
        return value;
    }
    return ExactDecimal{value.units / Power10(value.scale - decimals), decimals};
}

ExactUnits IntegerSquareRoot(ExactUnits n) {
    // Newton's iteration from above: x falls to floor(sqrt(n)) and stops.
    if (n < 2) {
        return n;
    }
    ExactUnits x = n;
    ExactUnits y = x / 2 + (x & 1);  // (n + 1) / 2 without overflow
    while (y < x) {
        x = y;
        y = (x + n / x) / 2;
    }
    return x;
}

std::optional<ExactDecimal> HypotCut(ExactDecimal a, ExactDecimal b, int decimals) {
    const int scale = std::max({a.scale, b.scale, decimals});
    const auto x = Rescale(a, scale);
    const auto y = Rescale(b, scale);
    ExactUnits xx = 0;
    ExactUnits yy = 0;
    ExactUnits sum = 0;
    if (!x || !y || __builtin_mul_overflow(x->units, x->units, &xx) ||
        __builtin_mul_overflow(y->units, y->units, &yy) || __builtin_add_overflow(xx, yy, &sum)) {
        return std::nullopt;
    }
    // floor(floor(sqrt(s)) / k) = floor(sqrt(s) / k) for a whole k.
    return ExactDecimal{IntegerSquareRoot(sum) / Power10(scale - decimals), decimals};
}

std::string ExactToText(ExactDecimal value, std::string_view separator) {
    const bool negative = value.units < 0;
    ExactUnits magnitude = negative ? -value.units : value.units;
    std::string digits;
    do {
        digits.insert(digits.begin(), static_cast<char>('0' + static_cast<int>(magnitude % 10)));
        magnitude /= 10;
    } while (magnitude != 0);
    if (digits.size() <= static_cast<std::size_t>(value.scale)) {
        digits.insert(0, static_cast<std::size_t>(value.scale) + 1 - digits.size(), '0');
    }
    std::string text = negative ? "-" : "";
    text += digits.substr(0, digits.size() - static_cast<std::size_t>(value.scale));
    if (value.scale > 0) {
        text += separator;
        text += digits.substr(digits.size() - static_cast<std::size_t>(value.scale));
    }
    return text;
}

}  // namespace zas
