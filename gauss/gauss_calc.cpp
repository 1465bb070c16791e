// SPDX-License-Identifier: GPL-3.0-or-later
#include "gauss/gauss_calc.h"

#include <array>
#include <string_view>

#include "arith/step.h"
#include "gauss/gauss_steps.h"

namespace zas {

namespace gauss {

double CutX(Extended numerator, double tg1, double tg2) {
    return Store(static_cast<Extended>(Trunc(Div(numerator * 100, Extended{tg1} - tg2))) / 100);
}

Extended CutMeanY(double y1, double y2, int scale) {
    return static_cast<Extended>(Trunc((Extended{y1} + y2) * scale / 2)) / scale;
}

Extended CutY(double y) {
    return static_cast<Extended>(Trunc(Extended{y} * 100)) / 100;
}

}  // namespace gauss

namespace {

// The red fields of the sheet, in the order they are checked.
constexpr std::array<std::string_view, 20> kInputFields = {
    "EAg", "EAm", "EAs", "EBg", "EBm",  "EBs", "EBbg", "EBbm", "EBbs", "ECg",
    "ECm", "ECs", "EXA", "EXb", "EXbb", "EXc", "EYa",  "EYb",  "EYbb", "EYc",
};

}  // namespace

void ComputeGauss(WorksheetFields& f) {
    using gauss::CutMeanY;
    using gauss::CutX;
    using gauss::CutY;

    // 1. Every input field must hold text.
    if (!RequiredFieldsFilled(f, kInputFields)) {
        return;
    }

    // 2. Field texts to numbers, in this order (not the order checked above).
    const double Ag = ReadNumber(f, "EAg");
    const double Am = ReadNumber(f, "EAm");
    const double As = ReadNumber(f, "EAs");
    const double Bg = ReadNumber(f, "EBg");
    const double Bm = ReadNumber(f, "EBm");
    const double Bs = ReadNumber(f, "EBs");
    const double BBg = ReadNumber(f, "EBbg");
    const double BBm = ReadNumber(f, "EBbm");
    const double BBs = ReadNumber(f, "EBbs");
    const double Cg = ReadNumber(f, "ECg");
    const double Cm = ReadNumber(f, "ECm");
    const double Cs = ReadNumber(f, "ECs");
    const double Xc = ReadNumber(f, "EXc");
    // B as repeated on the second triangle's rows: checked and converted, but
    // both determinations take B from EXb and EYb.
    [[maybe_unused]] const double XbRepeated = ReadNumber(f, "EXbb");
    const double Ya = ReadNumber(f, "EYa");
    const double Yb = ReadNumber(f, "EYb");
    const double Yc = ReadNumber(f, "EYc");
    [[maybe_unused]] const double YbRepeated = ReadNumber(f, "EYbb");
    const double Xa = ReadNumber(f, "EXA");
    const double Xb = ReadNumber(f, "EXb");

    // 3. Directional angles in decimal degrees (stored). Each step that can
    // fail is marked where it begins (arith/step.h), so that an error raised
    // in it says which step and why.
    const StepMarker angleA1(gauss::kAngleA1);
    const double a1 = DmsToDegrees(Ag, Am, As);  // from A
    const StepMarker angleA2(gauss::kAngleA2);
    const double a2 = DmsToDegrees(Bg, Bm, Bs);  // from B, first determination
    const StepMarker angleA3(gauss::kAngleA3);
    const double a3 = DmsToDegrees(Cg, Cm, Cs);  // from C
    const StepMarker angleAA2(gauss::kAngleAA2);
    const double aa2 = DmsToDegrees(BBg, BBm, BBs);  // from B, second determination

    // 4. Tangents of the first determination cut to five decimals (stored),
    // both before either is written.
    const StepMarker tangentA1(gauss::kTgA1);
    const double tgA1 = TruncDecimals(Tangent(a1), 100000);
    const StepMarker tangentA2(gauss::kTgA2);
    const double tgA2 = TruncDecimals(Tangent(a2), 100000);

    // 5. The tangents on the sheet.
    WriteNumber(f, "Etga1", tgA1);
    WriteNumber(f, "Etga2", tgA2);

    // 6. The difference of the tangents (stored, not cut).
    const double dTg = Store(Extended{tgA1} - tgA2);
    WriteNumber(f, "Etga1a2", dTg);

    // 7. X of P from A and B: the numerator left to right at extended
    // precision; the factor 100 goes on before the division.
    const StepMarker firstX(gauss::kXp1);
    const double Xp1 = CutX(Extended{Xa} * tgA1 - Ya - Extended{Xb} * tgA2 + Yb, tgA1, tgA2);
    WriteNumber(f, "EXp", Xp1);

    // 8. Y of P through A and through B (stored, not cut).
    const StepMarker firstYForms(gauss::kYp1Forms);
    const double YpA = Store((Extended{Xp1} - Xa) * tgA1 + Ya);
    const double YpB = Store((Extended{Xp1} - Xb) * tgA2 + Yb);

    // 9. Their mean, cut to two decimals.
    const StepMarker firstY(gauss::kYp1);
    WriteNumber(f, "EYp", CutMeanY(YpA, YpB, 100));

    // 10. and 11. Tangents of the second determination, each written at once.
    const StepMarker tangentAA2(gauss::kTgAA2);
    const double tgAA2 = TruncDecimals(Tangent(aa2), 100000);
    WriteNumber(f, "Etgaa1", tgAA2);
    const StepMarker tangentA3(gauss::kTgA3);
    const double tgA3 = TruncDecimals(Tangent(a3), 100000);
    WriteNumber(f, "Etgaa2", tgA3);

    // 12. Their difference at extended precision, not stored.
    WriteNumber(f, "Etgaa1aa2", Extended{tgAA2} - tgA3);

    // 13. X of P from B and C.
    const StepMarker secondX(gauss::kXp2);
    const double Xp2 = CutX(Extended{Xb} * tgAA2 - Yb - Extended{Xc} * tgA3 + Yc, tgAA2, tgA3);
    WriteNumber(f, "EXpp", Xp2);

    // 14. Y of P through B only (stored), shown cut to two decimals.
    const StepMarker secondY(gauss::kYp2);
    const double YppB = Store((Extended{Xp2} - Xb) * tgAA2 + Yb);
    WriteNumber(f, "EYpp", CutY(YppB));

    // 15. Means: X uncut; Y to one decimal, from the uncut Y through A of the
    // first determination and Y through B of the second.
    WriteNumber(f, "Xp", Mean(Xp1, Xp2));
    WriteNumber(f, "Yp", CutMeanY(YpA, YppB, 10));
}

}  // namespace zas
