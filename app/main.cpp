// SPDX-License-Identifier: GPL-3.0-or-later
// Zasechka: the forward intersection by Jung's and Gauss's formulas.
#include <QApplication>
#include <QFile>
#include <string>
#include <vector>

#include "app/application.h"
#include "app/command_line.h"
#include "app/document/open_argument.h"
#include "app/startup.h"
#include "app/toolkit_start.h"
#ifdef _WIN32
#include "app/win32/console.h"
#endif

int main([[maybe_unused]] int argc, [[maybe_unused]] char* argv[]) {
    // --help, --version, --check, an option the program does not know and a
    // missing display are answered before the toolkit starts.
#ifdef _WIN32
    // Windows hands the C library's argv over in the ANSI code page; the
    // wide command line keeps every letter of a file's name.
    const zas::ui::CommandLine line = zas::ui::ReadCommandLine(zas::win32::Utf8Arguments());
    if (const auto exit_code = zas::win32::AnswerCommandLine(line)) {
        return *exit_code;
    }
#ifdef ZAS_CONSOLE_TWIN
    return zas::win32::StartWindowedProgram();
#endif
#else
    const zas::ui::CommandLine line =
        zas::ui::ReadCommandLine(std::vector<std::string>(argv, argv + argc));
    if (const auto exit_code = zas::ui::AnswerCommandLine(line, stdout, stderr)) {
        return *exit_code;
    }
#endif
    // The toolkit is given its own options alone, each value an argument of
    // its own; they live as long as it does.
    std::vector<std::string> toolkit_arguments = line.toolkit;
    std::vector<char*> toolkit_argv;
    for (std::string& argument : toolkit_arguments) {
        toolkit_argv.push_back(argument.data());
    }
    toolkit_argv.push_back(nullptr);
    int toolkit_argc = static_cast<int>(toolkit_arguments.size());
    zas::ui::BeginToolkitStart(line);
    QApplication toolkit(toolkit_argc, toolkit_argv.data());
    zas::ui::EndToolkitStart();
    zas::ui::Application application;
    zas::ui::CreateForms(application);
    if (line.file) {
#ifdef _WIN32
        zas::document::OpenFileArgument(QString::fromStdString(*line.file));
#else
        zas::document::OpenFileArgument(QFile::decodeName(line.file->c_str()));
#endif
    }
    return application.Run();
}
