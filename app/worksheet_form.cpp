// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/worksheet_form.h"

#include <QLineEdit>
#include <stdexcept>

#include "arith/number_text.h"

namespace zas::ui {

WorksheetForm::WorksheetForm(const SheetFields& fields, QWidget* parent)
    : Form(parent, Colours::kPaper), fields_(fields) {}

std::string WorksheetForm::GetText(std::string_view name) const {
    return Field(name)->text().toStdString();
}

void WorksheetForm::SetText(std::string_view name, const std::string& text) {
    Field(name)->setText(QString::fromStdString(text));
}

bool WorksheetForm::SetDecimalSeparator(std::string_view separator) {
    if (!IsUsableSeparator(separator)) {
        return false;
    }
    separator_ = separator;
    return true;
}

void WorksheetForm::FinishSetup() {
    Form::FinishSetup();
    for (const SheetField& field : fields_) {
        const auto length = static_cast<qsizetype>(field.spoken.size());
        Field(field.name)->setAccessibleName(QString::fromUtf8(field.spoken.data(), length));
    }
}

void WorksheetForm::ClearFields() {
    for (const SheetField* field : FieldsInOrder<kSheetFieldCount>(fields_, &SheetField::clear)) {
        // Not QLineEdit::clear(): that keeps an undo entry for every removed
        // character, and a field that held a long pasted text would keep its
        // memory for the rest of the session.
        Field(field->name)->setText(QString());
    }
    emit Emptied();
}

QLineEdit* WorksheetForm::Field(std::string_view name) const {
    const QString objectName = QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
    auto* field = findChild<QLineEdit*>(objectName, Qt::FindDirectChildrenOnly);
    if (field == nullptr) {
        throw std::invalid_argument("На листе нет поля " + std::string(name));
    }
    return field;
}

}  // namespace zas::ui
