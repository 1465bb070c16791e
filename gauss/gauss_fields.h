// SPDX-License-Identifier: GPL-3.0-or-later
// The fields of the Gauss sheet (arith/sheet_fields.h). The directional
// angles run from A (α1) and B (α2) towards P in the first determination,
// from B (α2′, entered again on the second triangle's rows) and C (α3) in the
// second; each tangent stands on the row of its angle.
#pragma once

#include <string_view>

#include "arith/sheet_fields.h"

namespace zas::gauss {

// clang-format off
// The fields by their component names, as the sheet reads: row by row, each
// row from left to right, then the means.
enum Field : std::size_t {
    EAg, EAm, EAs, EXA, Etga1, EYa,                   // A
    EBg, EBm, EBs, EXb, Etga2, EYb,                   // B
    EXp, Etga1a2, EYp,                                // P, first determination
    EBbg, EBbm, EBbs, EXbb, Etgaa1, EYbb,             // B, second determination
    ECg, ECm, ECs, EXc, Etgaa2, EYc,                  // C
    EXpp, Etgaa1aa2, EYpp,                            // P, second determination
    Xp, Yp,                                           // the means
};

inline constexpr SheetFields kFields = [] {
    using enum SheetRow;
    using enum SheetColumn;
    // Inputs: their places in the check, the conversion and the clearing;
    // outputs: in the writing and the clearing.
    return SheetFields{
        InputField(EAg, "EAg", "Дирекционный угол α1 с пункта A, градусы", kA, kDegrees, 0, 0, 0),
        InputField(EAm, "EAm", "Дирекционный угол α1 с пункта A, минуты", kA, kMinutes, 1, 1, 1),
        InputField(EAs, "EAs", "Дирекционный угол α1 с пункта A, секунды", kA, kSeconds, 2, 2, 2),
        InputField(EXA, "EXA", "X пункта A", kA, kX, 12, 18, 12),
        OutputField(Etga1, "Etga1", "tg α1", kA, kRatio, 0, 18),
        InputField(EYa, "EYa", "Y пункта A", kA, kY, 16, 14, 15),

        InputField(EBg, "EBg", "Дирекционный угол α2 с пункта B, градусы", kB, kDegrees, 3, 3, 3),
        InputField(EBm, "EBm", "Дирекционный угол α2 с пункта B, минуты", kB, kMinutes, 4, 4, 4),
        InputField(EBs, "EBs", "Дирекционный угол α2 с пункта B, секунды", kB, kSeconds, 5, 5, 5),
        InputField(EXb, "EXb", "X пункта B", kB, kX, 13, 19, 13),
        OutputField(Etga2, "Etga2", "tg α2", kB, kRatio, 1, 19),
        InputField(EYb, "EYb", "Y пункта B", kB, kY, 17, 15, 16),

        OutputField(EXp, "EXp", "Xp, первое определение", kP, kX, 3, 14),
        OutputField(Etga1a2, "Etga1a2", "tg α1 − tg α2", kP, kRatio, 2, 20),
        OutputField(EYp, "EYp", "Yp, первое определение", kP, kY, 4, 17),

        InputField(EBbg, "EBbg", "Дирекционный угол α2 с пункта B, второе определение, градусы",
                   kSecondB, kDegrees, 6, 6, 6),
        InputField(EBbm, "EBbm", "Дирекционный угол α2 с пункта B, второе определение, минуты",
                   kSecondB, kMinutes, 7, 7, 7),
        InputField(EBbs, "EBbs", "Дирекционный угол α2 с пункта B, второе определение, секунды",
                   kSecondB, kSeconds, 8, 8, 8),
        InputField(EXbb, "EXbb", "X пункта B, второе определение", kSecondB, kX, 14, 13, 24),
        OutputField(Etgaa1, "Etgaa1", "tg α2, второе определение", kSecondB, kRatio, 5, 21),
        InputField(EYbb, "EYbb", "Y пункта B, второе определение", kSecondB, kY, 18, 17, 27),

        InputField(ECg, "ECg", "Дирекционный угол α3 с пункта C, градусы", kC, kDegrees, 9, 9, 9),
        InputField(ECm, "ECm", "Дирекционный угол α3 с пункта C, минуты", kC, kMinutes, 10, 10, 10),
        InputField(ECs, "ECs", "Дирекционный угол α3 с пункта C, секунды", kC, kSeconds, 11, 11, 11),
        InputField(EXc, "EXc", "X пункта C", kC, kX, 15, 12, 25),
        OutputField(Etgaa2, "Etgaa2", "tg α3", kC, kRatio, 6, 22),
        InputField(EYc, "EYc", "Y пункта C", kC, kY, 19, 16, 28),

        OutputField(EXpp, "EXpp", "Xp, второе определение", kSecondP, kX, 8, 26),
        OutputField(Etgaa1aa2, "Etgaa1aa2", "tg α2 − tg α3", kSecondP, kRatio, 7, 23),
        OutputField(EYpp, "EYpp", "Yp, второе определение", kSecondP, kY, 9, 29),

        OutputField(Xp, "Xp", "Среднее Xp", kMeans, kX, 10, 30),
        OutputField(Yp, "Yp", "Среднее Yp", kMeans, kY, 11, 31),
    };
}();
// clang-format on

static_assert(TableHoldsTogether(kFields));

// A field's component name, for reading and writing its text.
constexpr std::string_view Name(Field field) {
    return kFields[field].name;
}

}  // namespace zas::gauss
