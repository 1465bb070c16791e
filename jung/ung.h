// SPDX-License-Identifier: GPL-3.0-or-later
// The Jung worksheet window: the paper sheet of the forward intersection by
// Jung's formulas, its 32 fields read and written by the computation.
#pragma once

#include <memory>

#include "app/worksheet_form.h"

namespace Ui {
class TForm2;
}

class TForm2 : public zas::ui::WorksheetForm {
    Q_OBJECT

  public:
    explicit TForm2(QWidget* parent = nullptr);
    ~TForm2() override;

    void BitBtn2Click();  // Выход: empties the sheet and closes it
    void BitBtn1Click();  // Вычислить
    void BitBtn3Click();  // Очистить

  private:
    std::unique_ptr<Ui::TForm2> ui;
};

extern TForm2* Form2;
