// SPDX-License-Identifier: GPL-3.0-or-later
// The command line: which argument is the sheet to open, what goes to Qt,
// and what is refused.
#include <gtest/gtest.h>

#include "app/command_line.h"

namespace {

using zas::ui::CommandLine;
using Arguments = std::vector<std::string>;
using enum CommandLine::Request;

CommandLine Read(Arguments arguments) {
    arguments.insert(arguments.begin(), "zasechka");
    return zas::ui::ReadCommandLine(arguments);
}

// Each of Qt's options with a value, with one dash or two, the value after a
// blank or "=", takes its value along on every platform and goes to Qt as
// "-option value": catches a value opened as a file (zasechka -name
// surveys), an option missing from the list, an "=" form Qt cannot read.
TEST(CommandLine, AnOptionsValueIsNeverAFile) {
    for (const std::string name :
         {"name", "display", "geometry", "platform", "platformtheme", "platformpluginpath",
          "plugin", "style", "stylesheet", "title", "qwindowgeometry", "qwindowtitle",
          "qwindowicon", "icon", "session", "visual"}) {
        for (const std::string& option : {'-' + name, "--" + name}) {
            for (const Arguments& arguments :
                 {Arguments{option, "surveys", "a.zas"}, Arguments{option + "=surveys", "a.zas"}}) {
                const CommandLine line = Read(arguments);
                EXPECT_EQ(line.file, "a.zas") << arguments.front();
                EXPECT_EQ(line.toolkit, (Arguments{"zasechka", '-' + name, "surveys"}));
            }
        }
    }
    EXPECT_EQ(Read({"--platform=offscreen", "-display", ":1"}).platform, "offscreen");
}

// One row each: "--" ends the options; the first operand is the file, an
// empty one names nothing; the first --help, --version or refused option
// decides; an unknown option, or a known one without its value, is refused
// as typed, never taken for a file or passed to Qt.
TEST(CommandLine, FilesRequestsAndRefusals) {
    struct Row {
        Arguments arguments;
        CommandLine::Request request;
        std::optional<std::string> file;
        Arguments toolkit;
        std::string refused;
        bool value_missing = false;
    };
    for (const Row& row : std::initializer_list<Row>{
             {{"-style", "Fusion", "--", "--help", "-x"}, kRun, "--help", {"-style", "Fusion"}, ""},
             {{"-name", "surveys"}, kRun, {}, {"-name", "surveys"}, ""},
             {{"", "--reverse", "-", "b.zas"}, kRun, "-", {"-reverse"}, ""},
             {{"--help", "--bogus"}, kHelp, {}, {}, ""},
             {{"-platform", "xcb", "--version"}, kVersion, {}, {"-platform", "xcb"}, ""},
             {{"a.zas", "--bogus", "--help"}, kRefused, "a.zas", {}, "--bogus"},
             {{"-v"}, kRefused, {}, {}, "-v"},
             {{"-reverse=1"}, kRefused, {}, {}, "-reverse=1"},
             {{"-reverse", "--name"}, kRefused, {}, {"-reverse"}, "--name", true}}) {
        const CommandLine line = Read(row.arguments);
        EXPECT_EQ(line.request, row.request) << row.arguments.front();
        EXPECT_EQ(line.file, row.file) << row.arguments.front();
        EXPECT_EQ(Arguments(line.toolkit.begin() + 1, line.toolkit.end()), row.toolkit);
        EXPECT_EQ(line.refused, row.refused);
        EXPECT_EQ(line.value_missing, row.value_missing) << row.arguments.front();
    }
}

}  // namespace
