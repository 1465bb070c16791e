// SPDX-License-Identifier: GPL-3.0-or-later
// A worksheet window: a form whose direct-child line edits are the sheet's
// fields, which its computation reads and writes by their names.
#pragma once

#include <string>
#include <string_view>

#include "app/form.h"
#include "arith/sheet_fields.h"
#include "arith/worksheet_fields.h"

class QLineEdit;

namespace zas::ui {

class WorksheetForm : public Form, public WorksheetFields {
    Q_OBJECT

  public:
    // The window of the sheet whose fields the table describes.
    explicit WorksheetForm(const SheetFields& fields, QWidget* parent = nullptr);

    // The text of the edit field with that component name (case-sensitive),
    // unchanged, as UTF-8.
    std::string GetText(std::string_view name) const override;
    // Replaces the field's text; shown at once.
    void SetText(std::string_view name, const std::string& text) override;

  signals:
    // The compute button's handler returned without an error: the sheet was
    // computed, or the missing-input message was shown.
    void ComputeReturned();

    // The clear or the exit button has emptied the sheet.
    void Emptied();

  public:
    // The separator the sheet's numbers are read and written with: the one
    // start-up takes from the user's locale, and a comma, as in the samples,
    // until it is set. One that could be confused with the rest of a number
    // is refused: false, and the sheet keeps the separator it has.
    std::string_view DecimalSeparator() const override { return separator_; }
    bool SetDecimalSeparator(std::string_view separator);

  protected:
    // Form::FinishSetup, then each field named for screen readers as the
    // surveyor calls it.
    void FinishSetup();
    // Empties every field, in the sheet's order for it.
    void ClearFields();

  private:
    QLineEdit* Field(std::string_view name) const;

    const SheetFields& fields_;
    std::string separator_ = ",";
};

}  // namespace zas::ui
