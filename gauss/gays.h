// SPDX-License-Identifier: GPL-3.0-or-later
// The Gauss worksheet window: the paper sheet of the forward intersection by
// Gauss's formulas, its 32 fields read and written by the computation.
#pragma once

#include <memory>

#include "app/worksheet_form.h"

namespace Ui {
class TForm3;
}

class TForm3 : public zas::ui::WorksheetForm {
    Q_OBJECT

  public:
    explicit TForm3(QWidget* parent = nullptr);
    ~TForm3() override;

    void BitBtn3Click();  // Выход: empties the sheet and closes it
    void BitBtn1Click();  // Вычислить
    void BitBtn2Click();  // Очистить

  private:
    std::unique_ptr<Ui::TForm3> ui;
};

extern TForm3* Form3;
