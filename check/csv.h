// SPDX-License-Identifier: GPL-3.0-or-later
// Rows for a grade book: fields separated by semicolons (the numbers hold
// commas, and spreadsheets under a Russian locale expect them), quoted as
// RFC 4180 quotes them, each row ended by CR LF; the file begins with the
// UTF-8 byte order mark, by which spreadsheets know the encoding.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zas::check {

inline constexpr char kByteOrderMark[] = "\xEF\xBB\xBF";

// The field as written: in double quotes, each quote doubled, when it holds
// a semicolon, a quote, a line break or a carriage return; else as it is.
std::string CsvField(std::string_view text);

// The fields joined by semicolons, then CR LF.
std::string CsvRow(const std::vector<std::string>& fields);

}  // namespace zas::check
