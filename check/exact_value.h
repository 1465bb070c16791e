// SPDX-License-Identifier: GPL-3.0-or-later
// A value on a hand-filled sheet read as the exact decimal it denotes, and
// the few exact operations a sheet's steps are made of. A student writes
// «0,5» or «0,50», a comma or a full stop, a typographic minus; all denote
// the same number, and the check compares numbers, never texts.
#pragma once

#include <optional>
#include <string_view>

#include "agreement/exact_decimal.h"

namespace zas::check {

// The text read by the number rule of the sheets (white space around it,
// sign, digits, one separator, exponent), taking the user's separator, a
// comma or a full stop, and U+2212 for the minus. The decimals stay as
// written (scale 2 for «0,50»). Nothing for a text that is no number, or
// whose value needs more than 36 digits.
std::optional<ExactDecimal> ReadValue(std::string_view text, std::string_view separator);

// The same value with no trailing zeros in its decimals.
ExactDecimal Normalized(ExactDecimal value);

bool SameValue(ExactDecimal a, ExactDecimal b);

// The product, its decimals those of both factors.
std::optional<ExactDecimal> Multiply(ExactDecimal a, ExactDecimal b);

// Half the value, exactly.
std::optional<ExactDecimal> Half(ExactDecimal value);

// a / b with `decimals` decimals: cut toward zero, or rounded half away from
// zero. Nothing when b is zero or the figures would not fit.
std::optional<ExactDecimal> QuotientCut(ExactDecimal a, ExactDecimal b, int decimals);
std::optional<ExactDecimal> QuotientRounded(ExactDecimal a, ExactDecimal b, int decimals);

// One unit of the last of `decimals` decimals.
ExactDecimal Unit(int decimals);

}  // namespace zas::check
