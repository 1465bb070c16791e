// SPDX-License-Identifier: GPL-3.0-or-later
#include "trust/tolerance.h"

#include <algorithm>

namespace zas {

namespace {

// Beyond a kilometre the comparison is not in doubt, and the squares below
// stay far inside 128 bits.
constexpr ExactUnits kFarBeyond = 10'000'000;  // tenths of a millimetre

std::string Scale(int denominator) {
    return "1:" + std::to_string(denominator);
}

std::string Scales(const std::vector<int>& denominators) {
    std::string text;
    for (std::size_t i = 0; i < denominators.size(); ++i) {
        if (i > 0) {
            text += i + 1 == denominators.size() ? " и " : ", ";
        }
        text += Scale(denominators[i]);
    }
    return text;
}

// The tolerance at a scale in metres, two decimals: 0,2 mm times M.
std::string Limit(int denominator, std::string_view separator) {
    return ExactToText({ExactUnits{kToleranceTenthsOfMm} * denominator / 100, 2}, separator);
}

}  // namespace

ToleranceVerdict JudgeDiscrepancy(ExactDecimal dx, ExactDecimal dy) {
    // Both in tenths of a millimetre; finer decimals would only make the
    // squares larger, so they are kept as they are.
    const int scale = std::max({dx.scale, dy.scale, 4});
    const auto x = Rescale(dx, scale);
    const auto y = Rescale(dy, scale);
    const ExactUnits unit = Rescale(ExactDecimal{1, 0}, scale - 4)->units;
    ToleranceVerdict verdict;
    for (const int denominator : kPlanScales) {
        bool admissible = false;
        if (x && y) {
            const ExactUnits ax = x->units < 0 ? -x->units : x->units;
            const ExactUnits ay = y->units < 0 ? -y->units : y->units;
            const ExactUnits limit = ExactUnits{kToleranceTenthsOfMm} * denominator * unit;
            if (ax <= kFarBeyond * unit && ay <= kFarBeyond * unit) {
                admissible = ax * ax + ay * ay <= limit * limit;
            }
        }
        (admissible ? verdict.admissible : verdict.exceeded).push_back(denominator);
    }
    return verdict;
}

std::vector<std::string> ToleranceLines(const ToleranceVerdict& verdict,
                                        std::string_view discrepancy, std::string_view separator) {
    std::string limits =
        "Допустимое расхождение — 0" + std::string(separator) + "2 мм в масштабе плана: ";
    for (std::size_t i = 0; i < kPlanScales.size(); ++i) {
        limits += (i > 0 ? ", " : "") + Limit(kPlanScales[i], separator) + " м для " +
                  Scale(kPlanScales[i]);
    }
    std::vector<std::string> lines = {limits + "."};
    const std::string shown = "Расхождение " + std::string(discrepancy) + " м";
    if (verdict.exceeded.empty()) {
        lines.push_back(shown + " допустимо для планов " + Scales(verdict.admissible) + ".");
    } else if (verdict.admissible.empty()) {
        lines.push_back(shown + " больше допустимого для планов всех масштабов " +
                        Scale(kPlanScales.front()) + "–" + Scale(kPlanScales.back()) +
                        ": среднее брать не следует.");
    } else {
        const bool one = verdict.exceeded.size() == 1;
        lines.push_back(shown + " допустимо для планов " + Scales(verdict.admissible) + "; для " +
                        (one ? "плана " : "планов ") + Scales(verdict.exceeded) +
                        " оно больше допустимого, и для " + (one ? "него" : "них") +
                        " среднее брать не следует.");
    }
    return lines;
}

}  // namespace zas
