// SPDX-License-Identifier: GPL-3.0-or-later
// The command line as read before the toolkit starts: which argument is the
// sheet to open, what goes to Qt, and what is refused.
#include <gtest/gtest.h>

#include "app/command_line.h"

namespace {

using zas::ui::CommandLine;
using Arguments = std::vector<std::string>;

CommandLine Read(Arguments arguments) {
    arguments.insert(arguments.begin(), "zasechka");
    return zas::ui::ReadCommandLine(arguments);
}

// Each of Qt's options with a value, with one dash or two, the value after a
// blank or "=", takes its value along, on every platform: catches a value
// opened as a file (zasechka -name surveys), an option missing from the list
// (refused), and an "=" form handed to Qt, which reads only the other.
TEST(CommandLine, AnOptionsValueIsNeverAFile) {
    for (const std::string name :
         {"name", "display", "geometry", "platform", "platformtheme", "platformpluginpath",
          "plugin", "style", "stylesheet", "title", "qwindowgeometry", "qwindowtitle",
          "qwindowicon", "icon", "session", "visual"}) {
        for (const Arguments& arguments :
             {Arguments{'-' + name, "surveys", "a.zas"}, Arguments{"--" + name, "surveys", "a.zas"},
              Arguments{'-' + name + "=surveys", "a.zas"},
              Arguments{"--" + name + "=surveys", "a.zas"}}) {
            SCOPED_TRACE(arguments.front());
            const CommandLine line = Read(arguments);
            EXPECT_EQ(line.request, CommandLine::Request::kRun);
            EXPECT_EQ(line.file, "a.zas");
            EXPECT_EQ(line.toolkit, (Arguments{"zasechka", '-' + name, "surveys"}));
        }
    }
    EXPECT_EQ(Read({"-name", "surveys"}).file, std::nullopt);
    EXPECT_EQ(Read({"--platform=offscreen", "-display", ":1"}).platform, "offscreen");
    EXPECT_EQ(Read({"--platform=offscreen", "-display", ":1"}).display, ":1");
    const CommandLine flag = Read({"--reverse", "a.zas", "b.zas", ""});
    EXPECT_EQ(flag.toolkit, (Arguments{"zasechka", "-reverse"}));
    EXPECT_EQ(flag.file, "a.zas");
    EXPECT_EQ(Read({"", "-"}).file, "-");
}

// After "--" every argument is a file: catches "--" ignored or handed to Qt.
TEST(CommandLine, TwoDashesEndTheOptions) {
    const CommandLine line = Read({"-style", "Fusion", "--", "--help", "-name"});
    EXPECT_EQ(line.request, CommandLine::Request::kRun);
    EXPECT_EQ(line.file, "--help");
    EXPECT_EQ(line.toolkit, (Arguments{"zasechka", "-style", "Fusion"}));
}

// The first answer-giving argument decides; an unknown option, or a known one
// without its value, is refused as typed: catches an unknown option taken
// for a file or passed to Qt.
TEST(CommandLine, RequestsAndRefusals) {
    struct Row {
        Arguments arguments;
        CommandLine::Request request;
        std::string refused;
        bool value_missing;
    };
    using enum CommandLine::Request;
    for (const Row& row :
         std::initializer_list<Row>{{{"--help", "--bogus"}, kHelp, "", false},
                                    {{"-platform", "xcb", "--version"}, kVersion, "", false},
                                    {{"--bogus", "--help"}, kRefused, "--bogus", false},
                                    {{"a.zas", "-v"}, kRefused, "-v", false},
                                    {{"-help"}, kRefused, "-help", false},
                                    {{"-reverse=1"}, kRefused, "-reverse=1", false},
                                    {{"---name", "x"}, kRefused, "---name", false},
                                    {{"-style", "Fusion", "--name"}, kRefused, "--name", true}}) {
        SCOPED_TRACE(row.arguments.front());
        const CommandLine line = Read(row.arguments);
        EXPECT_EQ(line.request, row.request);
        EXPECT_EQ(line.refused, row.refused);
        EXPECT_EQ(line.value_missing, row.value_missing);
    }
}

}  // namespace
