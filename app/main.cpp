// Zasechka: the forward intersection by Jung's and Gauss's formulas.
#include <QApplication>

#include "app/application.h"
#include "app/main_form.h"
#include "jung/ung.h"

int main(int argc, char* argv[]) {
    QApplication toolkit(argc, argv);
    zas::ui::Application application;
    application.CreateForm(Form1);
    application.CreateForm(Form2);
    return application.Run();
}
