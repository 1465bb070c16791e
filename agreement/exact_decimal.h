// SPDX-License-Identifier: GPL-3.0-or-later
// Field texts as exact decimal numbers: a scaled integer, units / 10^scale,
// so that differences of coordinates and sums of angles carry no binary
// rounding. Every operation checks its range and gives nothing when a value
// would not fit; the caller then leaves its figures out.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zas {

__extension__ typedef __int128 ExactUnits;

struct ExactDecimal {
    ExactUnits units = 0;
    int scale = 0;  // decimals, 0 to kMaxExactScale
};

inline constexpr int kMaxExactScale = 12;

// A field text read by the grammar of the worksheet numbers (white space, sign,
// digits with the given separator, exponent); nothing for anything else, and
// for a number with more than kMaxExactScale decimals or beyond 10^24.
std::optional<ExactDecimal> ParseExact(std::string_view text, std::string_view separator);

// The same value with `scale` decimals (not fewer than it has); nothing when
// it would not fit.
std::optional<ExactDecimal> Rescale(ExactDecimal value, int scale);

std::optional<ExactDecimal> Add(ExactDecimal a, ExactDecimal b);
std::optional<ExactDecimal> Subtract(ExactDecimal a, ExactDecimal b);
std::optional<ExactDecimal> MultiplyByInteger(ExactDecimal a, std::int64_t factor);

// Cut toward zero to `decimals` (fewer than or as many as the value has).
ExactDecimal CutTo(ExactDecimal value, int decimals);

// The largest integer whose square does not exceed n (n >= 0).
ExactUnits IntegerSquareRoot(ExactUnits n);

// sqrt(a^2 + b^2) cut toward zero to `decimals`; nothing when the squares
// would not fit.
std::optional<ExactDecimal> HypotCut(ExactDecimal a, ExactDecimal b, int decimals);

// The value with all its decimals and the given separator ("-0,01").
std::string ExactToText(ExactDecimal value, std::string_view separator);

}  // namespace zas
