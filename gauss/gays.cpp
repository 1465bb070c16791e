// SPDX-License-Identifier: GPL-3.0-or-later
#include "gauss/gays.h"

#include "app/document/sheet_document.h"
#include "app/messages.h"
#include "app/pictures.h"
#include "gauss/gauss_calc.h"
#include "gauss/gauss_fields.h"
#include "ui_gays.h"

TForm3* Form3 = nullptr;

TForm3::TForm3(QWidget* parent)
    : WorksheetForm(zas::gauss::kFields, parent), ui(std::make_unique<Ui::TForm3>()) {
    ui->setupUi(this);
    FinishSetup();
    zas::ui::SetGlyph(ui->BitBtn1, QStringLiteral(":/gauss/glyphs/mouse"));
    zas::ui::SetGlyph(ui->BitBtn2, QStringLiteral(":/gauss/glyphs/brush"));
    zas::ui::SetGlyph(ui->BitBtn3, QStringLiteral(":/app/pictures/door_open"));
    new zas::document::SheetDocument(this, zas::document::GaussSheet());
    zas::ui::OnClick(ui->BitBtn1, this, &TForm3::BitBtn1Click);
    zas::ui::OnClick(ui->BitBtn2, this, &TForm3::BitBtn2Click);
    zas::ui::OnClick(ui->BitBtn3, this, &TForm3::BitBtn3Click);
}

TForm3::~TForm3() = default;

void TForm3::BitBtn3Click() {
    ClearFields();
    Close();
}

void TForm3::BitBtn1Click() {
    zas::ComputeGauss(*this);
    emit ComputeReturned();  // not reached after an error
}

void TForm3::BitBtn2Click() {
    ClearFields();
}
