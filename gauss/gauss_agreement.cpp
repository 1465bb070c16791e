// SPDX-License-Identifier: GPL-3.0-or-later
#include "gauss/gauss_agreement.h"

#include "gauss/gauss_fields.h"

namespace zas {

namespace gauss {

std::optional<ExactDecimal> AngleBetween(ExactDecimal alpha1, ExactDecimal alpha2) {
    auto d = Subtract(alpha1, alpha2);
    const auto full = d ? Rescale(ExactDecimal{360 * 3600, 0}, d->scale) : std::nullopt;
    if (!full) {
        return std::nullopt;
    }
    ExactUnits units = d->units < 0 ? -d->units : d->units;
    units %= full->units;
    if (2 * units > full->units) {
        units = full->units - units;
    }
    return ExactDecimal{units, d->scale};
}

}  // namespace gauss

std::optional<Agreement> GaussAgreement(const WorksheetFields& fields) {
    // The directions from A and B towards P, then from B and C.
    const auto angles = AnglesInSeconds(fields, gauss::kFields);
    if (!angles) {
        return std::nullopt;
    }
    const auto& [a1, a2, aa2, a3] = *angles;
    const auto gamma1 = gauss::AngleBetween(a1, a2);
    const auto gamma2 = gauss::AngleBetween(aa2, a3);
    if (!gamma1 || !gamma2) {
        return std::nullopt;
    }
    return MakeAgreement(fields, gauss::kFields, {*gamma1, *gamma2});
}

}  // namespace zas
