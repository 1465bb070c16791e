// SPDX-License-Identifier: GPL-3.0-or-later
// The toolkit's start, watched: a display that cannot be opened is said in
// the program's own words, where the toolkit would abort the process.
#pragma once

#include "app/command_line.h"

namespace zas::ui {

// Call right before the QApplication is constructed. Until EndToolkitStart
// the toolkit's messages are held back; if it finds no platform to show the
// windows on (an X display that cannot be opened, a platform plugin that
// cannot start), the program says so in one line on standard error and ends
// with exit code 1.
void BeginToolkitStart(const CommandLine& line);

// Call once the QApplication stands: the held messages go out as they came.
void EndToolkitStart();

}  // namespace zas::ui
