// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/worksheet_form.h"

#include <QLineEdit>
#include <stdexcept>

namespace zas::ui {

WorksheetForm::WorksheetForm(QWidget* parent) : Form(parent, Colours::kPaper) {}

std::string WorksheetForm::GetText(std::string_view name) const {
    return Field(name)->text().toStdString();
}

void WorksheetForm::SetText(std::string_view name, const std::string& text) {
    Field(name)->setText(QString::fromStdString(text));
}

void WorksheetForm::ClearFields(std::span<const std::string_view> names) {
    for (const std::string_view name : names) {
        // Not QLineEdit::clear(): that keeps an undo entry for every removed
        // character, and a field that held a long pasted text would keep its
        // memory for the rest of the session.
        Field(name)->setText(QString());
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
