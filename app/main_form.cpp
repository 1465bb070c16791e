#include "app/main_form.h"

#include "app/messages.h"
#include "jung/ung.h"
#include "ui_main_form.h"

TForm1* Form1 = nullptr;

TForm1::TForm1(QWidget* parent) : Form(parent), ui(std::make_unique<Ui::TForm1>()) {
    ui->setupUi(this);
    FinishSetup();
    zas::ui::OnClick(ui->BitBtn5, this, &TForm1::BitBtn5Click);
    zas::ui::OnClick(ui->BitBtn1, this, &TForm1::BitBtn1Click);
}

TForm1::~TForm1() = default;

void TForm1::BitBtn5Click() {
    Close();
}

void TForm1::BitBtn1Click() {
    Form2->ShowModal();
}
