// SPDX-License-Identifier: GPL-3.0-or-later
#include "arith/errors.h"

#include <cstdio>

namespace zas {

namespace {

constexpr int kShown = 40;

// The ASCII names of the C0 control characters, as on their control pictures;
// the horizontal tab by the name of its key.
constexpr const char* kControlNames[32] = {
    "NUL", "SOH", "STX", "ETX", "EOT", "ENQ", "ACK", "BEL", "BS",  "TAB", "LF",
    "VT",  "FF",  "CR",  "SO",  "SI",  "DLE", "DC1", "DC2", "DC3", "DC4", "NAK",
    "SYN", "ETB", "CAN", "EM",  "SUB", "ESC", "FS",  "GS",  "RS",  "US",
};

// Beyond every code point: what MultiByteAt gives for the bytes it does not
// read, which are copied as they are.
constexpr char32_t kOtherBytes = 0x110000;

// The code point of a two- or three-byte UTF-8 sequence at s[i] and its
// length; kOtherBytes for anything else.
char32_t MultiByteAt(const std::string& s, std::size_t i, std::size_t& length) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[i + k]); };
    const auto follows = [&](std::size_t k) {
        return i + k < s.size() && (byte(k) & 0xC0) == 0x80;
    };
    if ((byte(0) & 0xE0) == 0xC0 && follows(1)) {
        length = 2;
        return (char32_t{byte(0) & 0x1Fu} << 6) | (byte(1) & 0x3Fu);
    }
    if ((byte(0) & 0xF0) == 0xE0 && follows(1) && follows(2)) {
        length = 3;
        return (char32_t{byte(0) & 0x0Fu} << 12) | (char32_t{byte(1) & 0x3Fu} << 6) |
               (byte(2) & 0x3Fu);
    }
    return kOtherBytes;
}

// Characters that draw nothing, or break the line, or steer the direction of
// the text around them: the C1 controls, the Arabic letter mark, the
// zero-width characters and direction marks, the line and paragraph
// separators, the embeddings and overrides, the word joiner and invisible
// operators, the isolates, and the byte order mark.
bool IsInvisible(char32_t c) {
    return (c >= 0x80 && c <= 0x9F) || c == 0x61C || (c >= 0x200B && c <= 0x200F) ||
           (c >= 0x2028 && c <= 0x202E) || (c >= 0x2060 && c <= 0x2069) || c == 0xFEFF;
}

// The field text as quoted in the message: the first 40 characters of a longer
// text, then an ellipsis. Characters are UTF-8 code points, never cut apart.
//
// A text that looks right but is refused must show why: a tab or a line break
// pasted with a spreadsheet cell, or a NUL, would not show at all. Each
// control character is spelt out by its name in angle brackets (<TAB>, <LF>,
// <NUL>, <DEL>), and each other invisible character by its code (<U+200F>),
// one character of the forty each. Plain ASCII, which the sans serif the
// program installs draws; the control pictures (U+2400 on) have no glyph in it,
// nor in the faces a desktop usually has, and would show as empty boxes.
//
// The quote is a first-strong isolate (U+2068 to U+2069): right-to-left text in
// it reads right to left without turning the message around it. A direction
// mark inside is spelt out, so none can close the isolate early.
std::string QuoteFieldText(const std::string& text) {
    std::string quoted = "'\u2068";
    int chars = 0;
    for (std::size_t i = 0; i < text.size();) {
        const auto byte = static_cast<unsigned char>(text[i]);
        const bool startsChar = (byte & 0xC0) != 0x80;
        if (startsChar && ++chars > kShown) {
            quoted += "…";
            break;
        }
        std::size_t length = 1;
        const char32_t c = byte < 0x80 ? byte : MultiByteAt(text, i, length);
        if (c < 0x20) {
            quoted.append("<").append(kControlNames[c]).append(">");
        } else if (c == 0x7F) {
            quoted += "<DEL>";
        } else if (IsInvisible(c)) {
            char code[16];
            std::snprintf(code, sizeof code, "<U+%04X>", static_cast<unsigned>(c));
            quoted += code;
        } else {
            quoted.append(text, i, length);
        }
        i += length;
    }
    return quoted + "\u2069'";
}

// The fault's text and, within a marked step that names a cause for it, that
// cause on a second line.
std::string WithCause(const char* fault, const char* StepCauses::*cause) {
    const StepCauses* step = CurrentStep();
    if (step == nullptr || step->*cause == nullptr) {
        return fault;
    }
    return std::string(fault) + "\n" + step->*cause;
}

}  // namespace

ConversionError::ConversionError(const std::string& fieldText)
    : WorksheetError(QuoteFieldText(fieldText) + " не является правильным числом"),
      fieldText_(fieldText) {}

FloatingPointError::FloatingPointError(const char* fault, const char* StepCauses::*cause)
    : WorksheetError(WithCause(fault, cause)) {}

DivisionByZeroError::DivisionByZeroError()
    : FloatingPointError("Деление на ноль", &StepCauses::divisionByZero) {}

InvalidOperationError::InvalidOperationError()
    : FloatingPointError("Недопустимая операция с плавающей точкой",
                         &StepCauses::invalidOperation) {}

OverflowError::OverflowError()
    : FloatingPointError("Переполнение при операции с плавающей точкой", &StepCauses::overflow) {}

}  // namespace zas
