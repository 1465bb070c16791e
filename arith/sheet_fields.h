// SPDX-License-Identifier: GPL-3.0-or-later
// A worksheet's 32 edit fields, described once in a table (jung/jung_fields.h,
// gauss/gauss_fields.h): each field's component name, what the surveyor
// calls it, whether the surveyor types it (an input, red on the sheet) or the
// computation writes it, where it stands on the paper sheet, and its place in
// each of the four orders the sheet keeps: the check for missing input, the
// conversion of the inputs, the writing of the results and the emptying by
// «Очистить». The computation, the window, the agreement, the file, the page
// and the clipboard all take the fields from there.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace zas {

// The rows of the paper sheet: A, B and P of the first determination, B, C
// and P of the second, then the means.
enum class SheetRow : std::uint8_t { kA, kB, kP, kSecondB, kC, kSecondP, kMeans };

// Its columns: the angle's degrees, minutes and seconds, X, the trigonometric
// column (the ratios, their sum or difference), Y.
enum class SheetColumn : std::uint8_t { kDegrees, kMinutes, kSeconds, kX, kRatio, kY };

// The place of a field in an order it takes no part in: an output is neither
// checked nor converted, an input never written.
inline constexpr int kNoPlace = -1;

struct SheetField {
    std::size_t id;           // its index in the sheet's table
    std::string_view name;    // the component name, case-sensitive: "EAg"
    std::string_view spoken;  // what the surveyor calls it: "ctg β2"
    bool input;               // typed by the surveyor (red), or written by the computation
    SheetRow row;
    SheetColumn column;
    // Places counted from 0, or kNoPlace.
    int check;       // the required-fields check
    int conversion;  // the conversion of the texts to numbers
    int write;       // the order a complete run writes the results in
    int clear;       // the order «Очистить» and «Выход» empty the sheet in
};

inline constexpr std::size_t kSheetFieldCount = 32;
inline constexpr std::size_t kInputCount = 20;
inline constexpr std::size_t kOutputCount = 12;

// A sheet's table, in the order the paper sheet reads: row by row, each row
// from left to right, then the means.
using SheetFields = std::array<SheetField, kSheetFieldCount>;

// The rows of a table, written with the places that apply to each kind.
constexpr SheetField InputField(std::size_t id, std::string_view name, std::string_view spoken,
                                SheetRow row, SheetColumn column, int check, int conversion,
                                int clear) {
    return {id, name, spoken, true, row, column, check, conversion, kNoPlace, clear};
}
constexpr SheetField OutputField(std::size_t id, std::string_view name, std::string_view spoken,
                                 SheetRow row, SheetColumn column, int write, int clear) {
    return {id, name, spoken, false, row, column, kNoPlace, kNoPlace, write, clear};
}

// The N fields that have a place in an order, by that place.
template <std::size_t N>
constexpr std::array<const SheetField*, N> FieldsInOrder(const SheetFields& fields,
                                                         int SheetField::*place) {
    std::array<const SheetField*, N> ordered{};
    for (const SheetField& field : fields) {
        if (field.*place != kNoPlace) {
            ordered.at(static_cast<std::size_t>(field.*place)) = &field;
        }
    }
    return ordered;
}

// Their names, as the orders are written out.
template <std::size_t N>
constexpr std::array<std::string_view, N> NamesInOrder(const SheetFields& fields,
                                                       int SheetField::*place) {
    std::array<std::string_view, N> names{};
    const auto ordered = FieldsInOrder<N>(fields, place);
    for (std::size_t i = 0; i < N; ++i) {
        names[i] = ordered[i]->name;
    }
    return names;
}

// The field at a row and column of the paper sheet, or nullptr where the
// sheet leaves the cell blank (the P rows have no angle; the means row only X
// and Y).
constexpr const SheetField* FieldAt(const SheetFields& fields, SheetRow row, SheetColumn column) {
    for (const SheetField& field : fields) {
        if (field.row == row && field.column == column) {
            return &field;
        }
    }
    return nullptr;
}

// True when a table holds together: each field at its own index, with a name
// and a cell of its own; 20 inputs, each with one place in the check and one
// in the conversion, none written; 12 outputs, each written once, neither
// checked nor converted; every field emptied once. Each order then holds
// every field it concerns exactly once.
constexpr bool TableHoldsTogether(const SheetFields& fields) {
    std::array<int, kSheetFieldCount> checked{}, converted{}, written{}, cleared{};
    std::size_t inputs = 0;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const SheetField& field = fields[i];
        const auto within = [](int place, std::size_t count) {
            return place >= 0 && static_cast<std::size_t>(place) < count;
        };
        if (field.id != i || field.name.empty() || field.spoken.empty() ||
            FieldAt(fields, field.row, field.column) != &field ||
            !within(field.clear, kSheetFieldCount) || cleared[field.clear]++ != 0) {
            return false;
        }
        if (field.input) {
            ++inputs;
            if (!within(field.check, kInputCount) || !within(field.conversion, kInputCount) ||
                field.write != kNoPlace || checked[field.check]++ != 0 ||
                converted[field.conversion]++ != 0) {
                return false;
            }
        } else if (!within(field.write, kOutputCount) || field.check != kNoPlace ||
                   field.conversion != kNoPlace || written[field.write]++ != 0) {
            return false;
        }
        for (std::size_t j = 0; j < i; ++j) {
            if (fields[j].name == field.name) {
                return false;
            }
        }
    }
    return inputs == kInputCount;
}

}  // namespace zas
