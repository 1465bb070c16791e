// SPDX-License-Identifier: GPL-3.0-or-later
#include "arith/errors.h"

namespace zas {

namespace {

// The field text as quoted in the message: the first 40 characters of a longer
// text, then an ellipsis. Characters are UTF-8 code points, never cut apart.
// A control character (a tab or a NUL pasted from elsewhere) would not show,
// and "5<NUL>" would read as a refused "5": each is shown as its picture,
// U+2400 to U+241F, and DEL as U+2421.
std::string QuoteFieldText(const std::string& text) {
    constexpr int kShown = 40;
    std::string quoted = "'";
    int chars = 0;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        const bool startsChar = (byte & 0xC0) != 0x80;
        if (startsChar && ++chars > kShown) {
            return quoted + "…'";
        }
        if (byte < 0x20) {
            quoted += {'\xE2', '\x90', static_cast<char>(0x80 + byte)};
        } else if (byte == 0x7F) {
            quoted += "\u2421";
        } else {
            quoted += c;
        }
    }
    return quoted + "'";
}

}  // namespace

ConversionError::ConversionError(const std::string& fieldText)
    : WorksheetError(QuoteFieldText(fieldText) + " не является правильным числом"),
      fieldText_(fieldText) {}

DivisionByZeroError::DivisionByZeroError() : FloatingPointError("Деление на ноль") {}

InvalidOperationError::InvalidOperationError()
    : FloatingPointError("Недопустимая операция с плавающей точкой") {}

OverflowError::OverflowError()
    : FloatingPointError("Переполнение при операции с плавающей точкой") {}

}  // namespace zas
