// SPDX-License-Identifier: GPL-3.0-or-later
// The fields of the Jung sheet (arith/sheet_fields.h). The interior angles β1
// (at A) and β2 (at B) belong to the triangle A–B–P, β1′ (at B) and β2′ (at
// C) to B–C–P; each cotangent stands on the row of the point whose
// coordinates it multiplies, so ctg β2 on A's row and ctg β1 on B's.
#pragma once

#include <string_view>

#include "arith/sheet_fields.h"

namespace zas::jung {

// clang-format off
// The fields by their component names, as the sheet reads: row by row, each
// row from left to right, then the means.
enum Field : std::size_t {
    EAg, EAm, EAs, EXa, Ectgb2, EYa,                  // A
    EBg, EBm, EBs, EXb, Ectgb1, EYb,                  // B
    EXp1, Eb1b2, EYp1,                                // P, first determination
    EBbg, EBbm, Ebbs, EXbb, Ectgbb2, EYbb,            // B, second triangle
    ECg, ECm, ECs, EXc, Ectgbb1, EYc,                 // C
    EXpp1, Ebb1bb2, EYpp1,                            // P, second determination
    Xp, Yp,                                           // the means
};

inline constexpr SheetFields kFields = [] {
    using enum SheetRow;
    using enum SheetColumn;
    // Inputs: their places in the check, the conversion and the clearing;
    // outputs: in the writing and the clearing.
    return SheetFields{
        InputField(EAg, "EAg", "Угол β1 при пункте A, градусы", kA, kDegrees, 0, 0, 0),
        InputField(EAm, "EAm", "Угол β1 при пункте A, минуты", kA, kMinutes, 1, 1, 1),
        InputField(EAs, "EAs", "Угол β1 при пункте A, секунды", kA, kSeconds, 2, 2, 2),
        InputField(EXa, "EXa", "X пункта A", kA, kX, 12, 18, 12),
        OutputField(Ectgb2, "Ectgb2", "ctg β2", kA, kRatio, 1, 18),
        InputField(EYa, "EYa", "Y пункта A", kA, kY, 16, 14, 15),

        InputField(EBg, "EBg", "Угол β2 при пункте B, градусы", kB, kDegrees, 3, 3, 3),
        InputField(EBm, "EBm", "Угол β2 при пункте B, минуты", kB, kMinutes, 4, 4, 4),
        InputField(EBs, "EBs", "Угол β2 при пункте B, секунды", kB, kSeconds, 5, 5, 5),
        InputField(EXb, "EXb", "X пункта B", kB, kX, 13, 19, 13),
        OutputField(Ectgb1, "Ectgb1", "ctg β1", kB, kRatio, 0, 19),
        InputField(EYb, "EYb", "Y пункта B", kB, kY, 17, 15, 16),

        OutputField(EXp1, "EXp1", "Xp, первое определение", kP, kX, 6, 30),
        OutputField(Eb1b2, "Eb1b2", "ctg β2 + ctg β1", kP, kRatio, 4, 20),
        OutputField(EYp1, "EYp1", "Yp, первое определение", kP, kY, 7, 31),

        InputField(EBbg, "EBbg", "Угол β1′ при пункте B, градусы", kSecondB, kDegrees, 6, 6, 6),
        InputField(EBbm, "EBbm", "Угол β1′ при пункте B, минуты", kSecondB, kMinutes, 7, 7, 7),
        InputField(Ebbs, "Ebbs", "Угол β1′ при пункте B, секунды", kSecondB, kSeconds, 8, 8, 8),
        InputField(EXbb, "EXbb", "X пункта B, второе определение", kSecondB, kX, 14, 13, 24),
        OutputField(Ectgbb2, "Ectgbb2", "ctg β2′", kSecondB, kRatio, 3, 21),
        InputField(EYbb, "EYbb", "Y пункта B, второе определение", kSecondB, kY, 18, 17, 27),

        InputField(ECg, "ECg", "Угол β2′ при пункте C, градусы", kC, kDegrees, 9, 9, 9),
        InputField(ECm, "ECm", "Угол β2′ при пункте C, минуты", kC, kMinutes, 10, 10, 10),
        InputField(ECs, "ECs", "Угол β2′ при пункте C, секунды", kC, kSeconds, 11, 11, 11),
        InputField(EXc, "EXc", "X пункта C", kC, kX, 15, 12, 25),
        OutputField(Ectgbb1, "Ectgbb1", "ctg β1′", kC, kRatio, 2, 22),
        InputField(EYc, "EYc", "Y пункта C", kC, kY, 19, 16, 28),

        OutputField(EXpp1, "EXpp1", "Xp, второе определение", kSecondP, kX, 8, 26),
        OutputField(Ebb1bb2, "Ebb1bb2", "ctg β2′ + ctg β1′", kSecondP, kRatio, 5, 23),
        OutputField(EYpp1, "EYpp1", "Yp, второе определение", kSecondP, kY, 9, 29),

        OutputField(Xp, "Xp", "Среднее Xp", kMeans, kX, 10, 14),
        OutputField(Yp, "Yp", "Среднее Yp", kMeans, kY, 11, 17),
    };
}();
// clang-format on

static_assert(TableHoldsTogether(kFields));

// A field's component name, for reading and writing its text.
constexpr std::string_view Name(Field field) {
    return kFields[field].name;
}

}  // namespace zas::jung
