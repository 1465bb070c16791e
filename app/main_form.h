// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: the picture and the buttons that open every other window.
#pragma once

#include <memory>

#include "app/form.h"

namespace Ui {
class TForm1;
}

class TForm1 : public zas::ui::Form {
    Q_OBJECT

  public:
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    void BitBtn5Click();  // Выход: ends the program
    void BitBtn1Click();  // По ф-ам Юнга
    void BitBtn2Click();  // По ф-ам Гаусса
    void BitBtn4Click();  // О программе
    void BitBtn3Click();  // Описание

  private:
    std::unique_ptr<Ui::TForm1> ui;
};

extern TForm1* Form1;
