// SPDX-License-Identifier: GPL-3.0-or-later
#include "jung/jung_agreement.h"

#include "arith/number_text.h"

namespace zas {

std::optional<Agreement> JungAgreement(const WorksheetFields& fields) {
    const std::string_view separator = DecimalSeparator();
    // The interior angles at A and B of A-B-P, then at B and C of B-C-P.
    const auto b1 = AngleInSeconds(fields, {"EAg", "EAm", "EAs"}, separator);
    const auto b2 = AngleInSeconds(fields, {"EBg", "EBm", "EBs"}, separator);
    const auto bb1 = AngleInSeconds(fields, {"EBbg", "EBbm", "Ebbs"}, separator);
    const auto bb2 = AngleInSeconds(fields, {"ECg", "ECm", "ECs"}, separator);
    if (!b1 || !b2 || !bb1 || !bb2) {
        return std::nullopt;
    }
    const ExactDecimal half_turn{180 * 3600, 0};
    const auto first = Subtract(half_turn, *b1);
    const auto gamma1 = first ? Subtract(*first, *b2) : std::nullopt;
    const auto second = Subtract(half_turn, *bb1);
    const auto gamma2 = second ? Subtract(*second, *bb2) : std::nullopt;
    if (!gamma1 || !gamma2) {
        return std::nullopt;
    }
    return MakeAgreement(fields, {"EXp1", "EYp1", "EXpp1", "EYpp1"}, {*gamma1, *gamma2}, separator);
}

}  // namespace zas
