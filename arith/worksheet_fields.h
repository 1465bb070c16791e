// SPDX-License-Identifier: GPL-3.0-or-later
// What a worksheet window offers its computation: the texts of its edit
// fields, read and written by the fields' component names (case-sensitive),
// and the decimal separator its numbers are typed and shown with.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "arith/extended.h"
#include "arith/sheet_fields.h"

namespace zas {

class WorksheetFields {
  public:
    virtual ~WorksheetFields() = default;
    // The field's current text, unchanged (blanks included); UTF-8.
    virtual std::string GetText(std::string_view name) const = 0;
    // Replaces the field's text; the window shows it at once.
    virtual void SetText(std::string_view name, const std::string& text) = 0;
    // The user's decimal separator, one IsUsableSeparator accepts.
    virtual std::string_view DecimalSeparator() const = 0;
};

// How the program tells the user something: a message box with one OK button,
// and the error report for what a button's handler raised. The window layer
// provides both; tests put a recorder in their place.
class MessageService {
  public:
    virtual ~MessageService() = default;
    virtual void ShowMessage(const std::string& text) = 0;
    virtual void ReportError(const std::string& text) { ShowMessage(text); }
};

// Installs the service used by ShowMessage (nullptr: none). Without one, the
// message goes to the standard error stream so that it is never lost.
void SetMessageService(MessageService* service);
MessageService* CurrentMessageService();
void ShowMessage(const std::string& text);
void ReportError(const std::string& text);

inline constexpr char kMissingInputMessage[] =
    "Введите исходные данные(они обозначены красным цветом)";

// The required-fields check: reads the sheet's inputs in the order of its
// check and, at the first empty one, shows kMissingInputMessage and returns
// false. Blanks count as text.
bool RequiredFieldsFilled(const WorksheetFields& fields, const SheetFields& sheet);

// A field's text converted by StrToFloat.
double ReadNumber(const WorksheetFields& fields, std::string_view name);

// The numbers of a sheet's inputs, by their index in its table (an output's
// stays 0).
using SheetNumbers = std::array<double, kSheetFieldCount>;

// Every input converted by StrToFloat in the sheet's conversion order; the
// first text that is no number raises ConversionError.
SheetNumbers ReadInputs(const WorksheetFields& fields, const SheetFields& sheet);

// Writes FloatToStr of the value (a stored double or an extended result).
void WriteNumber(WorksheetFields& fields, std::string_view name, Extended value);

}  // namespace zas
