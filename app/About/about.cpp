// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/About/about.h"

#include <QLabel>
#include <algorithm>

#include "app/pictures.h"
#include "ui_about.h"

TAboutBox* AboutBox = nullptr;

TAboutBox::TAboutBox(QWidget* parent) : Form(parent), ui(std::make_unique<Ui::TAboutBox>()) {
    ui->setupUi(this);
    FinishSetup();
    zas::ui::ShowPicture(ui->Image1, QStringLiteral(":/app/About/cap"));
    // The notice carries the program's version.
    ui->Copyright->setText(ui->Copyright->text().arg(QStringLiteral(ZAS_VERSION)));
    // A dialog's fixed border: neither resized, minimised nor maximised.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(size());
    // The captions size themselves to their text: in this face "по формулам
    // Юнга и Гаусса" runs a few pixels wider than the box it was laid out in,
    // and its last letter would be cut off.
    for (QLabel* caption : {ui->ProductName, ui->Version, ui->Copyright}) {
        const int wanted = caption->fontMetrics().boundingRect(caption->text()).right() + 1;
        caption->resize(std::max(caption->width(), wanted), caption->height());
    }
}

TAboutBox::~TAboutBox() = default;
