// SPDX-License-Identifier: GPL-3.0-or-later
// The exact arithmetic the sheets' steps are written in: values that may be
// missing (a text that is no number, a figure too large), carried through
// sums, differences, products and quotients so that a step is one line.
#pragma once

#include <array>
#include <optional>
#include <string_view>
#include <vector>

#include "arith/extended.h"
#include "check/exact_value.h"
#include "check/sheet_check.h"

namespace zas::check {

struct Q {
    std::optional<ExactDecimal> v;
};

inline Q Get(const StepValues& values, std::size_t field) {
    return {values.Exact(field)};
}

inline Q operator+(Q a, Q b) {
    return a.v && b.v ? Q{Add(*a.v, *b.v)} : Q{};
}
inline Q operator-(Q a, Q b) {
    return a.v && b.v ? Q{Subtract(*a.v, *b.v)} : Q{};
}
inline Q operator*(Q a, Q b) {
    return a.v && b.v ? Q{Multiply(*a.v, *b.v)} : Q{};
}
inline Q HalfOf(Q a) {
    return a.v ? Q{Half(*a.v)} : Q{};
}
inline Q Cut(Q a, Q b, int decimals) {
    return a.v && b.v ? Q{QuotientCut(*a.v, *b.v, decimals)} : Q{};
}
inline Q Round(Q a, Q b, int decimals) {
    return a.v && b.v ? Q{QuotientRounded(*a.v, *b.v, decimals)} : Q{};
}
inline Q Whole(int n) {
    return {ExactDecimal{n, 0}};
}

inline std::vector<ExactDecimal> One(Q a) {
    return a.v ? std::vector<ExactDecimal>{*a.v} : std::vector<ExactDecimal>{};
}

// A cotangent's or tangent's two right last digits, 1 and 0,99999 (or −1 and
// −0,99999), when its angle is exactly 45°, 135°, 225° or 315° give or take
// whole turns; nothing at any other angle.
std::vector<ExactDecimal> EitherLastDigitAtOne(const StepValues& values,
                                               const std::array<std::size_t, 3>& angle);

// The ratio rounded to five decimals where the step cuts it.
std::optional<ExactDecimal> RoundedRatio(Extended ratio);

// A step's pieces: the ratio of an angle, a sum or difference, a cut.
Step RatioStep(std::size_t field, Extended (*ratio)(double), std::array<std::size_t, 3> angle);

}  // namespace zas::check
