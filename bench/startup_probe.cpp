// SPDX-License-Identifier: GPL-3.0-or-later
// The program's whole start-up, as main.cpp runs it: the toolkit, the
// application object, the five windows from their descriptions, the main
// window shown and the event loop entered. The main window is closed, as by
// its close box, at the first idle moment after it is drawn, and the program
// ends the way it always does.
#include <QApplication>

#include "app/application.h"
#include "app/main_form.h"
#include "app/startup.h"
#include "bench/close_when_shown.h"

int main(int argc, char* argv[]) {
    QApplication toolkit(argc, argv);
    zas::ui::Application application;
    zas::ui::CreateForms(application);
    zas::bench::CloseWhenShown closer(Form1);
    return application.Run();
}
