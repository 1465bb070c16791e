// SPDX-License-Identifier: GPL-3.0-or-later
// The about box: the program's name, its two methods and its notice, closed
// with OK.
#pragma once

#include <memory>

#include "app/form.h"

namespace Ui {
class TAboutBox;
}

class TAboutBox : public zas::ui::Form {
    Q_OBJECT

  public:
    explicit TAboutBox(QWidget* parent = nullptr);
    ~TAboutBox() override;

  private:
    std::unique_ptr<Ui::TAboutBox> ui;
};

extern TAboutBox* AboutBox;
