// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_form.h"

#include "app/About/about.h"
#include "app/Opic/opic.h"
#include "app/messages.h"
#include "app/pictures.h"
#include "gauss/gays.h"
#include "jung/ung.h"
#include "ui_main_form.h"

TForm1* Form1 = nullptr;

TForm1::TForm1(QWidget* parent) : Form(parent), ui(std::make_unique<Ui::TForm1>()) {
    ui->setupUi(this);
    FinishSetup();
    zas::ui::ShowPicture(ui->Image1, QStringLiteral(":/app/pictures/clips"));
    zas::ui::SetGlyph(ui->BitBtn1, QStringLiteral(":/app/pictures/jung_button"));
    zas::ui::SetGlyph(ui->BitBtn2, QStringLiteral(":/app/pictures/gauss_button"));
    zas::ui::SetGlyph(ui->BitBtn3, QStringLiteral(":/app/pictures/diskette"));
    zas::ui::SetGlyph(ui->BitBtn4, QStringLiteral(":/app/pictures/bulb"));
    zas::ui::SetGlyph(ui->BitBtn5, QStringLiteral(":/app/pictures/door_open"));
    zas::ui::OnClick(ui->BitBtn5, this, &TForm1::BitBtn5Click);
    zas::ui::OnClick(ui->BitBtn1, this, &TForm1::BitBtn1Click);
    zas::ui::OnClick(ui->BitBtn2, this, &TForm1::BitBtn2Click);
    zas::ui::OnClick(ui->BitBtn4, this, &TForm1::BitBtn4Click);
    zas::ui::OnClick(ui->BitBtn3, this, &TForm1::BitBtn3Click);
}

TForm1::~TForm1() = default;

void TForm1::BitBtn5Click() {
    Close();
}

void TForm1::BitBtn1Click() {
    Form2->ShowModal();
}

void TForm1::BitBtn2Click() {
    Form3->ShowModal();
}

void TForm1::BitBtn4Click() {
    AboutBox->ShowModal();
}

void TForm1::BitBtn3Click() {
    Form4->ShowModal();
}
