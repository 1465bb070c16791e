// SPDX-License-Identifier: GPL-3.0-or-later
#include "gauss/gauss_calc.h"

#include "arith/step.h"
#include "gauss/gauss_fields.h"
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

void ComputeGauss(WorksheetFields& f) {
    // The sheet's fields, steps and cuts by their names.
    using namespace gauss;

    // 1. Every input field must hold text.
    if (!RequiredFieldsFilled(f, kFields)) {
        return;
    }

    // 2. Field texts to numbers, in the sheet's conversion order (not the
    // order checked above). B as repeated on the second triangle's rows is
    // converted too, but both determinations take B from EXb and EYb.
    const SheetNumbers in = ReadInputs(f, kFields);
    const double Xa = in[EXA], Ya = in[EYa];
    const double Xb = in[EXb], Yb = in[EYb];
    const double Xc = in[EXc], Yc = in[EYc];

    // 3. Directional angles in decimal degrees (stored). Each step that can
    // fail is marked where it begins (arith/step.h), so that an error raised
    // in it says which step and why.
    const StepMarker angleA1(kAngleA1);
    const double a1 = DmsToDegrees(in[EAg], in[EAm], in[EAs]);  // from A
    const StepMarker angleA2(kAngleA2);
    const double a2 = DmsToDegrees(in[EBg], in[EBm], in[EBs]);  // from B, first determination
    const StepMarker angleA3(kAngleA3);
    const double a3 = DmsToDegrees(in[ECg], in[ECm], in[ECs]);  // from C
    const StepMarker angleAA2(kAngleAA2);
    const double aa2 = DmsToDegrees(in[EBbg], in[EBbm], in[EBbs]);  // from B, second determination

    // 4. Tangents of the first determination cut to five decimals (stored),
    // both before either is written.
    const StepMarker tangentA1(kTgA1);
    const double tgA1 = TruncDecimals(Tangent(a1), 100000);
    const StepMarker tangentA2(kTgA2);
    const double tgA2 = TruncDecimals(Tangent(a2), 100000);

    // 5. The tangents on the sheet.
    WriteNumber(f, Name(Etga1), tgA1);
    WriteNumber(f, Name(Etga2), tgA2);

    // 6. The difference of the tangents (stored, not cut).
    const double dTg = Store(Extended{tgA1} - tgA2);
    WriteNumber(f, Name(Etga1a2), dTg);

    // 7. X of P from A and B: the numerator left to right at extended
    // precision; the factor 100 goes on before the division.
    const StepMarker firstX(kXp1);
    const double Xp1 = CutX(Extended{Xa} * tgA1 - Ya - Extended{Xb} * tgA2 + Yb, tgA1, tgA2);
    WriteNumber(f, Name(EXp), Xp1);

    // 8. Y of P through A and through B (stored, not cut).
    const StepMarker firstYForms(kYp1Forms);
    const double YpA = Store((Extended{Xp1} - Xa) * tgA1 + Ya);
    const double YpB = Store((Extended{Xp1} - Xb) * tgA2 + Yb);

    // 9. Their mean, cut to two decimals.
    const StepMarker firstY(kYp1);
    WriteNumber(f, Name(EYp), CutMeanY(YpA, YpB, 100));

    // 10. and 11. Tangents of the second determination, each written at once.
    const StepMarker tangentAA2(kTgAA2);
    const double tgAA2 = TruncDecimals(Tangent(aa2), 100000);
    WriteNumber(f, Name(Etgaa1), tgAA2);
    const StepMarker tangentA3(kTgA3);
    const double tgA3 = TruncDecimals(Tangent(a3), 100000);
    WriteNumber(f, Name(Etgaa2), tgA3);

    // 12. Their difference at extended precision, not stored.
    WriteNumber(f, Name(Etgaa1aa2), Extended{tgAA2} - tgA3);

    // 13. X of P from B and C.
    const StepMarker secondX(kXp2);
    const double Xp2 = CutX(Extended{Xb} * tgAA2 - Yb - Extended{Xc} * tgA3 + Yc, tgAA2, tgA3);
    WriteNumber(f, Name(EXpp), Xp2);

    // 14. Y of P through B only (stored), shown cut to two decimals.
    const StepMarker secondY(kYp2);
    const double YppB = Store((Extended{Xp2} - Xb) * tgAA2 + Yb);
    WriteNumber(f, Name(EYpp), CutY(YppB));

    // 15. Means: X uncut; Y to one decimal, from the uncut Y through A of the
    // first determination and Y through B of the second.
    WriteNumber(f, Name(Xp), Mean(Xp1, Xp2));
    WriteNumber(f, Name(Yp), CutMeanY(YpA, YppB, 10));
}

}  // namespace zas
