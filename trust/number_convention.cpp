// SPDX-License-Identifier: GPL-3.0-or-later
#include "trust/number_convention.h"

#include "arith/number_text.h"

namespace zas {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Where the separator stands in a number text, counted from the text's start
// (std::string_view::npos for a number without one); nothing when the text is
// not a number in that convention.
std::optional<std::size_t> SeparatorAt(std::string_view text, std::string_view separator) {
    if (!UsableSeparator(separator)) {
        return std::nullopt;
    }
    const std::string_view s = TrimWhiteSpace(text);
    if (s.empty()) {
        return std::nullopt;
    }
    const std::size_t offset = static_cast<std::size_t>(s.data() - text.data());
    std::size_t i = 0;
    if (s[i] == '+' || s[i] == '-') {
        ++i;
    }
    bool digits = false;
    for (; i < s.size() && IsDigit(s[i]); ++i) {
        digits = true;
    }
    std::size_t at = std::string_view::npos;
    if (s.substr(i).starts_with(separator)) {
        at = offset + i;
        i += separator.size();
        for (; i < s.size() && IsDigit(s[i]); ++i) {
            digits = true;
        }
    }
    if (!digits) {
        return std::nullopt;
    }
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
            ++i;
        }
        const std::size_t from = i;
        for (; i < s.size() && IsDigit(s[i]); ++i) {
        }
        if (i == from) {
            return std::nullopt;
        }
    }
    if (i != s.size()) {
        return std::nullopt;
    }
    return at;
}

}  // namespace

bool UsableSeparator(std::string_view separator) {
    if (separator.empty() || TrimWhiteSpace(separator).size() != separator.size()) {
        return false;
    }
    for (const char c : separator) {
        if (IsDigit(c) || c == '+' || c == '-' || c == 'e' || c == 'E' || c == ' ' ||
            (c >= '\t' && c <= '\r')) {
            return false;
        }
    }
    return true;
}

bool IsNumberText(std::string_view text, std::string_view separator) {
    return SeparatorAt(text, separator).has_value();
}

std::optional<std::string> WithSeparator(std::string_view text, std::string_view from,
                                         std::string_view to) {
    const auto at = SeparatorAt(text, from);
    if (!at) {
        return std::nullopt;
    }
    std::string converted(text);
    if (*at != std::string_view::npos) {
        converted.replace(*at, from.size(), to);
    }
    return converted;
}

}  // namespace zas
