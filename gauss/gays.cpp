// SPDX-License-Identifier: GPL-3.0-or-later
#include "gauss/gays.h"

#include <array>
#include <string_view>

#include "app/document/sheet_document.h"
#include "app/messages.h"
#include "app/pictures.h"
#include "gauss/gauss_calc.h"
#include "ui_gays.h"

TForm3* Form3 = nullptr;

namespace {

// Every field of the sheet, in the order the clear button empties them: the
// angles row by row, the first block's X and Y, the tangents, the second
// block's X and Y, the means.
constexpr std::array<std::string_view, 32> kClearOrder = {
    "EAg",  "EAm", "EAs",   "EBg",   "EBm",     "EBs",    "EBbg",   "EBbm",
    "EBbs", "ECg", "ECm",   "ECs",   "EXA",     "EXb",    "EXp",    "EYa",
    "EYb",  "EYp", "Etga1", "Etga2", "Etga1a2", "Etgaa1", "Etgaa2", "Etgaa1aa2",
    "EXbb", "EXc", "EXpp",  "EYbb",  "EYc",     "EYpp",   "Xp",     "Yp"};

}  // namespace

TForm3::TForm3(QWidget* parent) : WorksheetForm(parent), ui(std::make_unique<Ui::TForm3>()) {
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
    ClearFields(kClearOrder);
    Close();
}

void TForm3::BitBtn1Click() {
    zas::ComputeGauss(*this);
    emit ComputeReturned();  // not reached after an error
}

void TForm3::BitBtn2Click() {
    ClearFields(kClearOrder);
}
