// SPDX-License-Identifier: GPL-3.0-or-later
// Numbers as the user types and reads them in the worksheet fields.
#pragma once

#include <string>
#include <string_view>

#include "arith/extended.h"

namespace zas {

// True for a decimal separator that cannot be confused with the rest of a
// number: not empty, holding no digit, sign, blank or exponent letter, and
// neither beginning nor ending with white space. The conversions below take
// only such a separator; the window layer reads the user's locale's once and
// checks it here.
bool IsUsableSeparator(std::string_view separator);

// A field text to a number, its decimal separator the given one. Accepted:
// optional white space (any character with the Unicode White_Space property:
// blanks, no-break blanks, tabs, line breaks), an optional sign, digits with
// at most one decimal separator (digits on at least one side of it), an
// optional exponent (e or E, optional sign, digits), optional white space.
// Nothing may stand between the digits. Anything else, and a value beyond the
// range of a double, raises ConversionError. A value too small for a double
// becomes zero.
double StrToFloat(const std::string& text, std::string_view separator);

// The text without the white space (Unicode White_Space) before and after it.
std::string_view TrimWhiteSpace(std::string_view text);

// A number to a field text with the given decimal separator: at most 15
// significant digits, rounded half away from zero on the exact binary value;
// trailing zeros dropped; the exponent form (1E15, 4E-5) from 1E15 up and
// below 1E-4. Never "-0". A NaN raises InvalidOperationError, an infinity
// OverflowError.
std::string FloatToStr(Extended value, std::string_view separator);

}  // namespace zas
