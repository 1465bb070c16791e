// SPDX-License-Identifier: GPL-3.0-or-later
// The agreement of the two determinations of P, worked out from the texts on
// the sheet in exact decimal arithmetic: the differences of the coordinates,
// the linear discrepancy, and the angle at P in each triangle with the weak
// intersections marked. Each method gives its own angles at P.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "agreement/exact_decimal.h"
#include "arith/worksheet_fields.h"

namespace zas {

struct AngleAtP {
    std::string text;   // 38°05′08″
    bool weak = false;  // outside 30°–150°
};

struct Agreement {
    std::string dx;                  // X′P − X″P, metres, two decimals
    std::string dy;                  // Y′P − Y″P
    std::string discrepancy;         // √(ΔX² + ΔY²) cut to centimetres
    std::array<AngleAtP, 2> angles;  // triangle A-B-P, then B-C-P
};

// The four angles of a sheet in seconds of arc, as typed in degrees, minutes
// and seconds on the rows of A, B, B of the second triangle and C; nothing
// when a part is empty or not a number.
std::optional<std::array<ExactDecimal, 4>> AnglesInSeconds(const WorksheetFields& fields,
                                                           const SheetFields& sheet);
// One of them: the angle typed on a row of the sheet, read with `separator`.
std::optional<ExactDecimal> AngleInSeconds(const WorksheetFields& fields, const SheetFields& sheet,
                                           SheetRow row, std::string_view separator);

// Seconds of arc as 38°05′08″, the seconds with `decimals` decimals (cut).
std::string SecondsToDms(ExactDecimal seconds, int decimals, std::string_view separator);

// The block from the X and Y of the sheet's two P rows and the two angles at
// P already worked out (seconds, their decimals being those shown).
std::optional<Agreement> MakeAgreement(const WorksheetFields& fields, const SheetFields& sheet,
                                       const std::array<ExactDecimal, 2>& angles_at_p);

// The block as the lines printed below the table.
std::vector<std::string> AgreementLines(const Agreement& agreement);

}  // namespace zas
