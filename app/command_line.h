// SPDX-License-Identifier: GPL-3.0-or-later
// What the program answers from its command line before the toolkit starts:
// --help and --version, and the missing display. Every other argument is the
// toolkit's.
#pragma once

#include <cstdio>
#include <optional>

namespace zas::ui {

// Answers --help (a short usage, in Russian for a Russian locale) or
// --version on `out`, or, with no graphical session to show the windows on,
// says so on `err`. Returns the exit code when the program ends here, or
// nothing when the windows are to be shown.
std::optional<int> AnswerCommandLine(int argc, const char* const argv[], std::FILE* out,
                                     std::FILE* err);

}  // namespace zas::ui
