// SPDX-License-Identifier: GPL-3.0-or-later
// What the Jung sheet's page says about its inputs: slips in the four
// angles, B typed differently on its two rows, and triangles whose two angles
// at the known points leave no room for a third.
#pragma once

#include <string_view>

#include "trust/verdict.h"

namespace zas {

Verdict JungVerdict(const WorksheetFields& fields, std::string_view separator);

}  // namespace zas
