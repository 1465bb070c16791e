// SPDX-License-Identifier: GPL-3.0-or-later
#include "jung/jung_calc.h"

#include "arith/step.h"
#include "jung/jung_fields.h"
#include "jung/jung_steps.h"

namespace zas {

void ComputeJung(WorksheetFields& f) {
    // The sheet's fields and steps by their names.
    using namespace jung;

    // 1. Every input field must hold text.
    if (!RequiredFieldsFilled(f, kFields)) {
        return;
    }

    // 2. Field texts to numbers, in the sheet's conversion order (not the
    // order checked above). B as repeated on the second triangle's rows is
    // converted too, but both determinations take B from EXb and EYb.
    const SheetNumbers in = ReadInputs(f, kFields);
    const double Xa = in[EXa], Ya = in[EYa];
    const double Xb = in[EXb], Yb = in[EYb];
    const double Xc = in[EXc], Yc = in[EYc];

    // 3. Interior angles in decimal degrees (stored). Each step that can
    // fail is marked where it begins (arith/step.h), so that an error raised
    // in it says which step and why.
    const StepMarker angleB1(kAngleB1);
    const double b1 = DmsToDegrees(in[EAg], in[EAm], in[EAs]);  // at A, triangle A-B-P
    const StepMarker angleB2(kAngleB2);
    const double b2 = DmsToDegrees(in[EBg], in[EBm], in[EBs]);  // at B, triangle A-B-P
    const StepMarker angleBB2(kAngleBB2);
    const double bb2 = DmsToDegrees(in[ECg], in[ECm], in[ECs]);  // at C, triangle B-C-P
    const StepMarker angleBB1(kAngleBB1);
    const double bb1 = DmsToDegrees(in[EBbg], in[EBbm], in[Ebbs]);  // at B, triangle B-C-P

    // 4. Cotangents cut to five decimals (stored), all four before any write.
    const StepMarker cotangentB1(kCtgB1);
    const double ctgB1 = TruncDecimals(Cotangent(b1), 100000);
    const StepMarker cotangentB2(kCtgB2);
    const double ctgB2 = TruncDecimals(Cotangent(b2), 100000);
    const StepMarker cotangentBB1(kCtgBB1);
    const double ctgBB1 = TruncDecimals(Cotangent(bb1), 100000);
    const StepMarker cotangentBB2(kCtgBB2);
    const double ctgBB2 = TruncDecimals(Cotangent(bb2), 100000);

    // 5. The cotangents on the sheet.
    WriteNumber(f, Name(Ectgb1), ctgB1);
    WriteNumber(f, Name(Ectgb2), ctgB2);
    WriteNumber(f, Name(Ectgbb1), ctgBB1);
    WriteNumber(f, Name(Ectgbb2), ctgBB2);

    // 6. The denominators: sums of the cut cotangents (stored, not cut).
    const double S = Store(Extended{ctgB2} + ctgB1);
    const double SS = Store(Extended{ctgBB1} + ctgBB2);
    WriteNumber(f, Name(Eb1b2), S);
    WriteNumber(f, Name(Ebb1bb2), SS);

    // 7. First determination, from A and B. Each numerator runs left to right
    // at extended precision; the quotient is cut to two decimals (stored).
    const StepMarker firstX(kXp1);
    const double Xp1 =
        TruncDecimals(Div(Extended{Xa} * ctgB2 - Ya + Extended{Xb} * ctgB1 + Yb, S), 100);
    WriteNumber(f, Name(EXp1), Xp1);
    const StepMarker firstY(kYp1);
    const double Yp1 =
        TruncDecimals(Div(Extended{Ya} * ctgB2 + Xa + Extended{Yb} * ctgB1 - Xb, S), 100);
    WriteNumber(f, Name(EYp1), Yp1);

    // 8. Second determination, from B and C.
    const StepMarker secondX(kXp2);
    const double Xp2 =
        TruncDecimals(Div(Extended{Xb} * ctgBB2 - Yb + Extended{Xc} * ctgBB1 + Yc, SS), 100);
    WriteNumber(f, Name(EXpp1), Xp2);
    const StepMarker secondY(kYp2);
    const double Yp2 =
        TruncDecimals(Div(Extended{Yb} * ctgBB2 + Xb + Extended{Yc} * ctgBB1 - Xc, SS), 100);
    WriteNumber(f, Name(EYpp1), Yp2);

    // 9. Means at extended precision, neither cut nor stored.
    WriteNumber(f, Name(Xp), Mean(Xp1, Xp2));
    WriteNumber(f, Name(Yp), Mean(Yp1, Yp2));
}

}  // namespace zas
