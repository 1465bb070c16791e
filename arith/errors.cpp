#include "arith/errors.h"

namespace zas {

namespace {

// The field text as quoted in the message: the first 40 characters of a longer
// text, then an ellipsis. Characters are UTF-8 code points, never cut apart.
std::string QuoteFieldText(const std::string& text) {
    constexpr int kShown = 40;
    int chars = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool startsChar = (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80;
        if (startsChar && ++chars > kShown) {
            return "'" + text.substr(0, i) + "…'";
        }
    }
    return "'" + text + "'";
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
