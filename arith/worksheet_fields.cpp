// SPDX-License-Identifier: GPL-3.0-or-later
#include "arith/worksheet_fields.h"

#include <cstdio>

#include "arith/number_text.h"

namespace zas {

namespace {
MessageService* gMessageService = nullptr;
}

void SetMessageService(MessageService* service) {
    gMessageService = service;
}

MessageService* CurrentMessageService() {
    return gMessageService;
}

void ShowMessage(const std::string& text) {
    if (gMessageService != nullptr) {
        gMessageService->ShowMessage(text);
    } else {
        std::fprintf(stderr, "%s\n", text.c_str());
    }
}

void ReportError(const std::string& text) {
    if (gMessageService != nullptr) {
        gMessageService->ReportError(text);
    } else {
        std::fprintf(stderr, "%s\n", text.c_str());
    }
}

bool RequiredFieldsFilled(const WorksheetFields& fields, const SheetFields& sheet) {
    for (const SheetField* input : FieldsInOrder<kInputCount>(sheet, &SheetField::check)) {
        if (fields.GetText(input->name).empty()) {
            ShowMessage(kMissingInputMessage);
            return false;
        }
    }
    return true;
}

double ReadNumber(const WorksheetFields& fields, std::string_view name) {
    return StrToFloat(fields.GetText(name), fields.DecimalSeparator());
}

SheetNumbers ReadInputs(const WorksheetFields& fields, const SheetFields& sheet) {
    SheetNumbers numbers{};
    for (const SheetField* input : FieldsInOrder<kInputCount>(sheet, &SheetField::conversion)) {
        numbers[input->id] = ReadNumber(fields, input->name);
    }
    return numbers;
}

void WriteNumber(WorksheetFields& fields, std::string_view name, Extended value) {
    fields.SetText(name, FloatToStr(value, fields.DecimalSeparator()));
}

}  // namespace zas
