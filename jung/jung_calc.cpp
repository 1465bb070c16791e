// SPDX-License-Identifier: GPL-3.0-or-later
#include "jung/jung_calc.h"

#include <array>
#include <string_view>

#include "arith/step.h"
#include "jung/jung_steps.h"

namespace zas {

namespace {

// The red fields of the sheet, in the order they are checked.
constexpr std::array<std::string_view, 20> kInputFields = {
    "EAg", "EAm", "EAs", "EBg", "EBm",  "EBs", "EBbg", "EBbm", "Ebbs", "ECg",
    "ECm", "ECs", "EXa", "EXb", "EXbb", "EXc", "EYa",  "EYb",  "EYbb", "EYc",
};

}  // namespace

void ComputeJung(WorksheetFields& f) {
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
    const double BBs = ReadNumber(f, "Ebbs");
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
    const double Xa = ReadNumber(f, "EXa");
    const double Xb = ReadNumber(f, "EXb");

    // 3. Interior angles in decimal degrees (stored). Each step that can
    // fail is marked where it begins (arith/step.h), so that an error raised
    // in it says which step and why.
    const StepMarker angleB1(jung::kAngleB1);
    const double b1 = DmsToDegrees(Ag, Am, As);  // at A, triangle A-B-P
    const StepMarker angleB2(jung::kAngleB2);
    const double b2 = DmsToDegrees(Bg, Bm, Bs);  // at B, triangle A-B-P
    const StepMarker angleBB2(jung::kAngleBB2);
    const double bb2 = DmsToDegrees(Cg, Cm, Cs);  // at C, triangle B-C-P
    const StepMarker angleBB1(jung::kAngleBB1);
    const double bb1 = DmsToDegrees(BBg, BBm, BBs);  // at B, triangle B-C-P

    // 4. Cotangents cut to five decimals (stored), all four before any write.
    const StepMarker cotangentB1(jung::kCtgB1);
    const double ctgB1 = TruncDecimals(Cotangent(b1), 100000);
    const StepMarker cotangentB2(jung::kCtgB2);
    const double ctgB2 = TruncDecimals(Cotangent(b2), 100000);
    const StepMarker cotangentBB1(jung::kCtgBB1);
    const double ctgBB1 = TruncDecimals(Cotangent(bb1), 100000);
    const StepMarker cotangentBB2(jung::kCtgBB2);
    const double ctgBB2 = TruncDecimals(Cotangent(bb2), 100000);

    // 5. The cotangents on the sheet.
    WriteNumber(f, "Ectgb1", ctgB1);
    WriteNumber(f, "Ectgb2", ctgB2);
    WriteNumber(f, "Ectgbb1", ctgBB1);
    WriteNumber(f, "Ectgbb2", ctgBB2);

    // 6. The denominators: sums of the cut cotangents (stored, not cut).
    const double S = Store(Extended{ctgB2} + ctgB1);
    const double SS = Store(Extended{ctgBB1} + ctgBB2);
    WriteNumber(f, "Eb1b2", S);
    WriteNumber(f, "Ebb1bb2", SS);

    // 7. First determination, from A and B. Each numerator runs left to right
    // at extended precision; the quotient is cut to two decimals (stored).
    const StepMarker firstX(jung::kXp1);
    const double Xp1 =
        TruncDecimals(Div(Extended{Xa} * ctgB2 - Ya + Extended{Xb} * ctgB1 + Yb, S), 100);
    WriteNumber(f, "EXp1", Xp1);
    const StepMarker firstY(jung::kYp1);
    const double Yp1 =
        TruncDecimals(Div(Extended{Ya} * ctgB2 + Xa + Extended{Yb} * ctgB1 - Xb, S), 100);
    WriteNumber(f, "EYp1", Yp1);

    // 8. Second determination, from B and C.
    const StepMarker secondX(jung::kXp2);
    const double Xp2 =
        TruncDecimals(Div(Extended{Xb} * ctgBB2 - Yb + Extended{Xc} * ctgBB1 + Yc, SS), 100);
    WriteNumber(f, "EXpp1", Xp2);
    const StepMarker secondY(jung::kYp2);
    const double Yp2 =
        TruncDecimals(Div(Extended{Yb} * ctgBB2 + Xb + Extended{Yc} * ctgBB1 - Xc, SS), 100);
    WriteNumber(f, "EYpp1", Yp2);

    // 9. Means at extended precision, neither cut nor stored.
    WriteNumber(f, "Xp", Mean(Xp1, Xp2));
    WriteNumber(f, "Yp", Mean(Yp1, Yp2));
}

}  // namespace zas
