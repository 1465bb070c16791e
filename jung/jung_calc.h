// SPDX-License-Identifier: GPL-3.0-or-later
// The forward intersection by Jung's formulas: from the interior angles of the
// triangles A-B-P and B-C-P and the coordinates of A, B, C, the point P twice
// and the mean of the two.
#pragma once

#include "arith/worksheet_fields.h"

namespace zas {

// Reads the 20 input fields of the Jung worksheet and writes its 12 outputs,
// each before the next step begins. Ends with the missing-input message and
// nothing written, with all 12 outputs written, or with a WorksheetError after
// the outputs of the steps before it.
void ComputeJung(WorksheetFields& fields);

}  // namespace zas
