// SPDX-License-Identifier: GPL-3.0-or-later
// The program's command line: its own --help and --version, a saved sheet to
// open, and the toolkit's options, told apart before the toolkit starts. The
// reading is a plain function over the arguments, so that any platform can
// hand it the list it has.
#pragma once

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

namespace zas::ui {

struct CommandLine {
    enum class Request {
        kRun,      // show the windows
        kHelp,     // --help
        kVersion,  // --version
        kRefused,  // an option the program does not know, or one without its value
        kCheck,    // --check PATH...: saved sheets checked, no windows
    };
    Request request = Request::kRun;
    // For kRefused: the argument as it was typed, and whether it is a known
    // option whose value is missing.
    std::string refused;
    bool value_missing = false;
    // The program's name, then the toolkit's options with each value as an
    // argument of its own (-platform=xcb becomes -platform xcb), as the
    // toolkit reads them.
    std::vector<std::string> toolkit;
    // The saved sheet named: the first argument that is neither an option
    // nor an option's value, or any after "--".
    std::optional<std::string> file;
    // For kCheck: every argument that is neither an option nor an option's
    // value, and whether the rows are for a grade book (--format=csv).
    std::vector<std::string> paths;
    bool csv = false;
    // The values of -platform and -display, when given.
    std::optional<std::string> platform;
    std::optional<std::string> display;
};

// Reads the arguments, the program's name first. Options are taken with one
// dash or two, their values as the next argument or after "=". The first
// --help, --version or refused option decides the request; what follows it
// is not read.
CommandLine ReadCommandLine(const std::vector<std::string>& arguments);

// Answers --help (a short usage, in Russian for a Russian locale) or
// --version on `out`; checks the saved sheets of --check; names a refused option on `err` (exit
// code 2); or, with no graphical session to show the windows on, says so on `err` (exit code 1).
// Returns the exit code when the program ends here, or nothing when the windows are to be shown.
std::optional<int> AnswerCommandLine(const CommandLine& line, std::FILE* out, std::FILE* err);

// Whether messages are to be in Russian, as the C library chooses their
// language: the first of LC_ALL, LC_MESSAGES and LANG that is set and not
// empty.
bool RussianMessages();

}  // namespace zas::ui
