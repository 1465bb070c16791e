// SPDX-License-Identifier: GPL-3.0-or-later
// Whether the results a sheet shows are those «Вычислить» gives for the
// inputs it shows: the computation is run again, silently, on a copy of the
// texts, and what it writes is compared with what the sheet holds.
#pragma once

#include "arith/worksheet_fields.h"

namespace zas {

// True when `compute`, run on a copy of the sheet's texts with its messages
// held back, ends without a message or an error and every text it writes is
// the one the sheet already shows. The sheet itself is only read.
bool OutputsFollowFromInputs(const WorksheetFields& sheet, void (*compute)(WorksheetFields&));

}  // namespace zas
