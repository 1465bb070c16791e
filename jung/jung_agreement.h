// SPDX-License-Identifier: GPL-3.0-or-later
// The agreement of the Jung sheet's two determinations of P.
#pragma once

#include <optional>

#include "agreement/agreement.h"

namespace zas {

// From the sheet's texts: ΔX, ΔY and the discrepancy of (EXp1, EYp1) and
// (EXpp1, EYpp1), and the angles at P, 180° − β1 − β2 and 180° − β1′ − β2′.
// Nothing when a text it needs is empty or not a number.
std::optional<Agreement> JungAgreement(const WorksheetFields& fields);

}  // namespace zas
