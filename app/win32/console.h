// SPDX-License-Identifier: GPL-3.0-or-later
// The command line on Windows. A program of the windows subsystem has no
// console: cmd neither waits for it nor shows what it writes. So the program
// comes twice, zasechka.exe for the windows and zasechka.com, the same entry
// for the console, which cmd and PowerShell run first when the user types
// "zasechka": it answers the command line itself and hands everything else
// over to zasechka.exe.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "app/command_line.h"

namespace zas::win32 {

// The program's arguments from the wide command line, as UTF-8.
std::vector<std::string> Utf8Arguments();

// Answers the command line as zas::ui::AnswerCommandLine does. A console
// gets the text as UTF-16 (its own code page, 866 for Russian, has no UTF-8);
// a file or a pipe gets it as written, UTF-8, with bare line feeds.
std::optional<int> AnswerCommandLine(const ui::CommandLine& line);

// The console twin's hand-over: starts the windowed program beside it
// (zasechka.exe for zasechka.com) with the same arguments, as they were
// typed, and returns at once, as cmd does for a windowed program. Returns
// the exit code: 0, or 1 when it could not be started.
int StartWindowedProgram();

}  // namespace zas::win32
