// SPDX-License-Identifier: GPL-3.0-or-later
// What the Gauss sheet's page says about its inputs: slips in the four
// directional angles, B's coordinates or its direction towards P typed
// differently on its two rows, and directions that cannot meet in front of
// both points of a triangle.
#pragma once

#include <string_view>

#include "trust/verdict.h"

namespace zas {

Verdict GaussVerdict(const WorksheetFields& fields, std::string_view separator);

}  // namespace zas
