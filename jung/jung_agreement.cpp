// SPDX-License-Identifier: GPL-3.0-or-later
#include "jung/jung_agreement.h"

#include "jung/jung_fields.h"

namespace zas {

std::optional<Agreement> JungAgreement(const WorksheetFields& fields) {
    // The interior angles at A and B of A-B-P, then at B and C of B-C-P.
    const auto angles = AnglesInSeconds(fields, jung::kFields);
    if (!angles) {
        return std::nullopt;
    }
    const auto& [b1, b2, bb1, bb2] = *angles;
    const ExactDecimal half_turn{180 * 3600, 0};
    const auto first = Subtract(half_turn, b1);
    const auto gamma1 = first ? Subtract(*first, b2) : std::nullopt;
    const auto second = Subtract(half_turn, bb1);
    const auto gamma2 = second ? Subtract(*second, bb2) : std::nullopt;
    if (!gamma1 || !gamma2) {
        return std::nullopt;
    }
    return MakeAgreement(fields, jung::kFields, {*gamma1, *gamma2});
}

}  // namespace zas
