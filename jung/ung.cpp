// SPDX-License-Identifier: GPL-3.0-or-later
#include "jung/ung.h"

#include "app/document/sheet_document.h"
#include "app/messages.h"
#include "app/pictures.h"
#include "jung/jung_calc.h"
#include "jung/jung_fields.h"
#include "ui_ung.h"

TForm2* Form2 = nullptr;

TForm2::TForm2(QWidget* parent)
    : WorksheetForm(zas::jung::kFields, parent), ui(std::make_unique<Ui::TForm2>()) {
    ui->setupUi(this);
    FinishSetup();
    zas::ui::SetGlyph(ui->BitBtn1, QStringLiteral(":/jung/glyphs/calculator"));
    zas::ui::SetGlyph(ui->BitBtn2, QStringLiteral(":/jung/glyphs/door_closed"));
    zas::ui::SetGlyph(ui->BitBtn3, QStringLiteral(":/jung/glyphs/tick"));
    new zas::document::SheetDocument(this, zas::document::JungSheet());
    zas::ui::OnClick(ui->BitBtn1, this, &TForm2::BitBtn1Click);
    zas::ui::OnClick(ui->BitBtn2, this, &TForm2::BitBtn2Click);
    zas::ui::OnClick(ui->BitBtn3, this, &TForm2::BitBtn3Click);
}

TForm2::~TForm2() = default;

void TForm2::BitBtn2Click() {
    ClearFields();
    Close();
}

void TForm2::BitBtn1Click() {
    zas::ComputeJung(*this);
    emit ComputeReturned();  // not reached after an error
}

void TForm2::BitBtn3Click() {
    ClearFields();
}
