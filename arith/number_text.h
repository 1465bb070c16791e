// SPDX-License-Identifier: GPL-3.0-or-later
// Numbers as the user types and reads them in the worksheet fields.
#pragma once

#include <string>
#include <string_view>

#include "arith/extended.h"

namespace zas {

// The decimal separator of the user's locale, held here once for the whole
// program. Start-up sets it; until then it is a comma, as in the worksheets'
// samples. A separator that could be confused with the rest of a number (empty,
// or holding a digit, a sign, a blank or an exponent letter, or beginning or
// ending with white space) is refused: the call returns false and the
// separator stays as it was.
bool SetDecimalSeparator(std::string_view separator);
const std::string& DecimalSeparator();

// A field text to a number. Accepted: optional white space (any character
// with the Unicode White_Space property: blanks, no-break blanks, tabs, line
// breaks), an optional sign, digits with at most one decimal separator (digits
// on at least one side of it), an optional exponent (e or E, optional sign,
// digits), optional white space. Nothing may stand between the digits.
// Anything else, and a value beyond the range of a double, raises
// ConversionError. A value too small for a double becomes zero.
double StrToFloat(const std::string& text);

// The text without the white space (Unicode White_Space) before and after it.
std::string_view TrimWhiteSpace(std::string_view text);

// A number to a field text: at most 15 significant digits, rounded half away
// from zero on the exact binary value; trailing zeros dropped; the exponent
// form (1E15, 4E-5) from 1E15 up and below 1E-4. Never "-0". A NaN raises
// InvalidOperationError, an infinity OverflowError.
std::string FloatToStr(Extended value);

}  // namespace zas
