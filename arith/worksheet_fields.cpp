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

bool RequiredFieldsFilled(const WorksheetFields& fields, std::span<const std::string_view> names) {
    for (const std::string_view name : names) {
        if (fields.GetText(name).empty()) {
            ShowMessage(kMissingInputMessage);
            return false;
        }
    }
    return true;
}

double ReadNumber(const WorksheetFields& fields, std::string_view name) {
    return StrToFloat(fields.GetText(name));
}

void WriteNumber(WorksheetFields& fields, std::string_view name, Extended value) {
    fields.SetText(name, FloatToStr(value));
}

}  // namespace zas
