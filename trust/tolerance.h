// SPDX-License-Identifier: GPL-3.0-or-later
// Whether the two determinations of P agree closely enough to take their
// mean, and for which plan scales. The admissible linear discrepancy is
// 0,2 mm on the plan: 0,10 m at 1:500, 0,20 m at 1:1000, 0,40 m at 1:2000,
// 1,00 m at 1:5000 (the README says where the figure comes from).
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "agreement/exact_decimal.h"

namespace zas {

// The scales of the large-scale plans, as their denominators.
inline constexpr std::array<int, 4> kPlanScales = {500, 1000, 2000, 5000};
// The admissible discrepancy on the plan, in tenths of a millimetre.
inline constexpr int kToleranceTenthsOfMm = 2;

struct ToleranceVerdict {
    std::vector<int> admissible;  // the denominators it is admissible for
    std::vector<int> exceeded;    // and those it is not
};

// Judges √(ΔX² + ΔY²) against the tolerance of each scale, exactly: at the
// limit it is admissible, a hair past it not.
ToleranceVerdict JudgeDiscrepancy(ExactDecimal dx, ExactDecimal dy);

// The lines the agreement block gives: the tolerance of each scale, then the
// verdict on the discrepancy shown (its text, metres), and where it is not
// admissible that the mean should not be taken.
std::vector<std::string> ToleranceLines(const ToleranceVerdict& verdict,
                                        std::string_view discrepancy, std::string_view separator);

}  // namespace zas
