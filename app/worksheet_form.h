// SPDX-License-Identifier: GPL-3.0-or-later
// A worksheet window: a form whose direct-child line edits are the sheet's
// fields, which its computation reads and writes by their names.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "app/form.h"
#include "arith/worksheet_fields.h"

class QLineEdit;

namespace zas::ui {

class WorksheetForm : public Form, public WorksheetFields {
    Q_OBJECT

  public:
    explicit WorksheetForm(QWidget* parent = nullptr);

    // The text of the edit field with that component name (case-sensitive),
    // unchanged, as UTF-8.
    std::string GetText(std::string_view name) const override;
    // Replaces the field's text; shown at once.
    void SetText(std::string_view name, const std::string& text) override;

  signals:
    // The clear or the exit button has emptied the sheet.
    void Emptied();

  protected:
    // Empties the named fields, in that order, then says so.
    void ClearFields(std::span<const std::string_view> names);

  private:
    QLineEdit* Field(std::string_view name) const;
};

}  // namespace zas::ui
