// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/startup.h"

#include "app/About/about.h"
#include "app/Opic/opic.h"
#include "app/main_form.h"
#include "gauss/gays.h"
#include "jung/ung.h"

namespace zas::ui {

void CreateForms(Application& application) {
    application.CreateForm(Form1);  // the first: the main window
    application.CreateForm(Form2);
    application.CreateForm(Form3);
    application.CreateForm(AboutBox);
    application.CreateForm(Form4);
}

}  // namespace zas::ui
