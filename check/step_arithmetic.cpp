// SPDX-License-Identifier: GPL-3.0-or-later
#include "check/step_arithmetic.h"

#include <array>

#include "arith/errors.h"

namespace zas::check {

std::vector<ExactDecimal> EitherLastDigitAtOne(const StepValues& values,
                                               const std::array<std::size_t, 3>& angle) {
    // The angle in seconds of arc; 45° is 162000″.
    const Q total = Get(values, angle[0]) * Whole(3600) + Get(values, angle[1]) * Whole(60) +
                    Get(values, angle[2]);
    if (!total.v) {
        return {};
    }
    const ExactDecimal whole = Normalized(*total.v);
    if (whole.scale != 0 || whole.units % 162000 != 0) {
        return {};
    }
    const ExactUnits eighths = whole.units / 162000;
    if (eighths % 2 == 0) {
        return {};
    }
    // 45° and 225° give +1, 135° and 315° −1, for the tangent as for the
    // cotangent.
    const int sign = ((eighths % 4) + 4) % 4 == 1 ? 1 : -1;
    return {ExactDecimal{sign, 0}, ExactDecimal{sign * 99999, 5}};
}

std::optional<ExactDecimal> RoundedRatio(Extended ratio) {
    try {
        const Extended half = ratio.negative() ? Extended(-0.5) : Extended(0.5);
        return ExactDecimal{Trunc(ratio * 100000 + half), 5};
    } catch (const WorksheetError&) {
        return std::nullopt;
    }
}

Step RatioStep(std::size_t field, Extended (*ratio)(double), std::array<std::size_t, 3> angle) {
    return Step{
        field,
        true,
        {},
        [angle](const StepValues& v) { return EitherLastDigitAtOne(v, angle); },
        [angle, ratio](const StepValues& v) {
            return RoundedRatio(
                ratio(DmsToDegrees(v.Number(angle[0]), v.Number(angle[1]), v.Number(angle[2]))));
        },
    };
}

}  // namespace zas::check
