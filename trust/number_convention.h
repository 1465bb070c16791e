// SPDX-License-Identifier: GPL-3.0-or-later
// Which texts of a sheet are numbers in a given decimal convention, and the
// same numbers written with another separator: what a saved sheet needs when
// it is opened where decimals are written differently.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zas {

// A separator a number can be written with: not empty, and nothing in it that
// could be taken for part of the number (a digit, a sign, an exponent letter,
// white space).
bool UsableSeparator(std::string_view separator);

// True when the text is a number in the convention of that separator, by the
// grammar the sheets read: white space around it, an optional sign, digits
// with at most one separator (digits on at least one side), an optional
// exponent. Its size does not matter.
bool IsNumberText(std::string_view text, std::string_view separator);

// The text with its decimal separator `from` replaced by `to`, all else kept
// byte for byte; nothing when the text is not a number written with `from`.
std::optional<std::string> WithSeparator(std::string_view text, std::string_view from,
                                         std::string_view to);

}  // namespace zas
