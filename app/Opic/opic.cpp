// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Opic/opic.h"

#include "ui_opic.h"

TForm4* Form4 = nullptr;

TForm4::TForm4(QWidget* parent)
    : Form(parent, Colours::kPaper), ui(std::make_unique<Ui::TForm4>()) {
    ui->setupUi(this);
    FinishSetup();
    // The text is only read: the pointer stays an arrow over it.
    ui->RichEdit1->viewport()->setCursor(Qt::ArrowCursor);
}

TForm4::~TForm4() = default;
