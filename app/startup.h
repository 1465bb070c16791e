// SPDX-License-Identifier: GPL-3.0-or-later
// The program's start-up: every window, created once, in a fixed order.
#pragma once

#include "app/application.h"

namespace zas::ui {

// Creates the main window, then the Jung and the Gauss worksheets, the about
// box and the description, each hidden and holding what its description
// gives (the worksheets their worked examples), and sets their global
// references.
void CreateForms(Application& application);

}  // namespace zas::ui
