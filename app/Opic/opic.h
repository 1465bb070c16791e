// SPDX-License-Identifier: GPL-3.0-or-later
// The description window: what the forward intersection is and when each of
// the two methods applies, as read-only text.
#pragma once

#include <memory>

#include "app/form.h"

namespace Ui {
class TForm4;
}

class TForm4 : public zas::ui::Form {
    Q_OBJECT

  public:
    explicit TForm4(QWidget* parent = nullptr);
    ~TForm4() override;

  private:
    std::unique_ptr<Ui::TForm4> ui;
};

extern TForm4* Form4;
