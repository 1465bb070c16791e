// SPDX-License-Identifier: GPL-3.0-or-later
// Zasechka: the forward intersection by Jung's and Gauss's formulas.
#include <QApplication>

#include "app/application.h"
#include "app/command_line.h"
#include "app/document/open_argument.h"
#include "app/startup.h"
#ifdef _WIN32
#include "app/win32/console.h"
#endif

int main(int argc, char* argv[]) {
    // --help, --version and a missing display are answered before the
    // toolkit starts.
#ifdef _WIN32
    if (const auto exit_code = zas::win32::AnswerCommandLine(argc, argv)) {
        return *exit_code;
    }
#ifdef ZAS_CONSOLE_TWIN
    return zas::win32::StartWindowedProgram();
#endif
#else
    if (const auto exit_code = zas::ui::AnswerCommandLine(argc, argv, stdout, stderr)) {
        return *exit_code;
    }
#endif
    QApplication toolkit(argc, argv);
    zas::ui::Application application;
    zas::ui::CreateForms(application);
    zas::document::OpenFileArgument(toolkit.arguments());
    return application.Run();
}
