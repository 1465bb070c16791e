// SPDX-License-Identifier: GPL-3.0-or-later
// The forward intersection by Gauss's formulas: from the directional angles
// towards P at A, B and C and the coordinates of those points, the point P
// twice and the mean of the two.
#pragma once

#include "arith/worksheet_fields.h"

namespace zas {

// Reads the 20 input fields of the Gauss worksheet and writes its 12 outputs,
// each before the next step begins. Ends with the missing-input message and
// nothing written, with all 12 outputs written, or with a WorksheetError after
// the outputs of the steps before it.
void ComputeGauss(WorksheetFields& fields);

// The cuts of the Gauss sheet that place their scale factor themselves.
namespace gauss {

// X of P: Trunc((numerator * 100) / (tg1 - tg2)) / 100, the divisor formed at
// extended precision from the two cut tangents; stored.
double CutX(Extended numerator, double tg1, double tg2);

// The mean of two forms of Y cut to 1 / scale: Trunc(((y1 + y2) * scale) / 2)
// / scale, not stored. Scale 100 for the first determination, 10 for the mean.
Extended CutMeanY(double y1, double y2, int scale);

// Y cut to two decimals: Trunc(y * 100) / 100, not stored.
Extended CutY(double y);

}  // namespace gauss

}  // namespace zas
