// SPDX-License-Identifier: GPL-3.0-or-later
// Zasechka: the forward intersection by Jung's and Gauss's formulas.
#include <QApplication>

#include "app/application.h"
#include "app/document/open_argument.h"
#include "app/startup.h"

int main(int argc, char* argv[]) {
    QApplication toolkit(argc, argv);
    zas::ui::Application application;
    zas::ui::CreateForms(application);
    zas::document::OpenFileArgument(toolkit.arguments());
    return application.Run();
}
