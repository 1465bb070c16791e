// SPDX-License-Identifier: GPL-3.0-or-later
// The agreement of the Gauss sheet's two determinations of P.
#pragma once

#include <optional>

#include "agreement/agreement.h"

namespace zas {

// From the sheet's texts: ΔX, ΔY and the discrepancy of (EXp, EYp) and
// (EXpp, EYpp), and the angle at P between the two directions of each
// triangle. Nothing when a text it needs is empty or not a number.
std::optional<Agreement> GaussAgreement(const WorksheetFields& fields);

namespace gauss {
// The angle between two directional angles, in seconds of arc: |α1 − α2|
// reduced modulo 360°, replaced by 360° − d where it exceeds 180°.
std::optional<ExactDecimal> AngleBetween(ExactDecimal alpha1, ExactDecimal alpha2);
}  // namespace gauss

}  // namespace zas
