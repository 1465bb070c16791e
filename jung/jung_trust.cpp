// SPDX-License-Identifier: GPL-3.0-or-later
#include "jung/jung_trust.h"

#include "jung/jung_fields.h"

namespace zas {

namespace {

// The interior angles, row by row: at A and B of A-B-P, at B and C of B-C-P.
constexpr AngleRow kAngles[] = {
    {SheetRow::kA, "β1", "строка А"},
    {SheetRow::kB, "β2", "строка В, первое определение"},
    {SheetRow::kSecondB, "β1′", "строка B, второе определение"},
    {SheetRow::kC, "β2′", "строка C"},
};

constexpr const char* kTriangles[] = {"А–В–P", "B–C–P"};

// Why a triangle with these two angles at its known points cannot exist, or
// nothing: each must be above 0° and the two must leave room for the third.
std::optional<std::string> NoTriangle(const char* triangle, const AngleRow& first,
                                      const AngleRow& second, ExactDecimal a, ExactDecimal b,
                                      std::string_view separator) {
    const std::string name = std::string("Треугольник ") + triangle + " не существует: ";
    for (const auto& [angle, row] : {std::pair{a, &first}, std::pair{b, &second}}) {
        if (angle.units <= 0) {
            return name + "угол " + row->symbol + " = " + AngleText(angle, separator) +
                   " не больше 0°.";
        }
    }
    const auto sum = Add(a, b);
    const auto room = sum ? Subtract(ExactDecimal{180 * 3600, 0}, *sum) : std::nullopt;
    if (!sum || !room || room->units > 0) {
        return std::nullopt;
    }
    return name + first.symbol + " + " + second.symbol + " = " + AngleText(a, separator) + " + " +
           AngleText(b, separator) + " = " + AngleText(*sum, separator) +
           ", а сумма двух углов треугольника меньше 180°.";
}

}  // namespace

Verdict JungVerdict(const WorksheetFields& fields, std::string_view separator) {
    Verdict verdict;
    for (const AngleRow& angle : kAngles) {
        NoteAngleSlips(fields, jung::kFields, angle, separator, verdict.remarks);
    }
    using enum jung::Field;
    NoteRepeatedCoordinate(fields, kRepeatedB, "X", jung::Name(EXb), jung::Name(EXbb), separator,
                           verdict.remarks);
    NoteRepeatedCoordinate(fields, kRepeatedB, "Y", jung::Name(EYb), jung::Name(EYbb), separator,
                           verdict.remarks);
    for (std::size_t t = 0; t < 2; ++t) {
        const AngleRow& first = kAngles[2 * t];
        const AngleRow& second = kAngles[2 * t + 1];
        const auto a = AngleInSeconds(fields, jung::kFields, first.sheet_row, separator);
        const auto b = AngleInSeconds(fields, jung::kFields, second.sheet_row, separator);
        if (a && b) {
            verdict.no_triangle[t] = NoTriangle(kTriangles[t], first, second, *a, *b, separator);
        }
    }
    return verdict;
}

}  // namespace zas
