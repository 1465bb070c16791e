// SPDX-License-Identifier: GPL-3.0-or-later
#include "gauss/gauss_trust.h"

#include <cmath>
#include <numbers>

#include "gauss/gauss_fields.h"

namespace zas {

namespace {

// The directional angles towards P, row by row: from A and B for the first
// determination, from B and C for the second.
constexpr AngleRow kAngles[] = {
    {SheetRow::kA, "α1", "строка А"},
    {SheetRow::kB, "α2", "строка В, первое определение"},
    {SheetRow::kSecondB, "α2′", "строка B, второе определение"},
    {SheetRow::kC, "α3", "строка C"},
};

// Each triangle: its name, its two known points (the rows of their X and Y,
// B's being the row the computation reads), and the letters the page gives
// them.
struct Triangle {
    const char* name;
    std::array<SheetRow, 2> rows;
    const char* points[2];
};
constexpr Triangle kTriangles[] = {
    {"А–В–P", {SheetRow::kA, SheetRow::kB}, {"А", "В"}},
    {"B–C–P", {SheetRow::kB, SheetRow::kC}, {"B", "C"}},
};

double ToDouble(ExactDecimal value) {
    double d = static_cast<double>(value.units);
    for (int i = 0; i < value.scale; ++i) {
        d /= 10;
    }
    return d;
}

// Whether the rays from the two points along their directional angles (X to
// the north, Y to the east, angles clockwise from X) meet at positive
// distances along both. Only a verdict: the digits shown come from the
// computation, never from here.
bool MeetInFront(const std::array<double, 4>& xy, ExactDecimal alpha1, ExactDecimal alpha2) {
    const double radians_per_second = std::numbers::pi / (180.0 * 3600.0);
    const double a1 = ToDouble(alpha1) * radians_per_second;
    const double a2 = ToDouble(alpha2) * radians_per_second;
    const double d1x = std::cos(a1), d1y = std::sin(a1);
    const double d2x = std::cos(a2), d2y = std::sin(a2);
    const double bx = xy[2] - xy[0], by = xy[3] - xy[1];
    // P = first + t1·d1 = second + t2·d2, by Cramer's rule.
    const double cross = d1x * d2y - d1y * d2x;
    if (cross == 0) {
        return false;
    }
    const double t1 = (bx * d2y - by * d2x) / cross;
    const double t2 = (bx * d1y - by * d1x) / cross;
    return t1 > 0 && t2 > 0;
}

}  // namespace

Verdict GaussVerdict(const WorksheetFields& fields, std::string_view separator) {
    Verdict verdict;
    for (const AngleRow& angle : kAngles) {
        NoteAngleSlips(fields, gauss::kFields, angle, separator, verdict.remarks);
    }
    using enum gauss::Field;
    NoteRepeatedCoordinate(fields, kRepeatedB, "X", gauss::Name(EXb), gauss::Name(EXbb), separator,
                           verdict.remarks);
    NoteRepeatedCoordinate(fields, kRepeatedB, "Y", gauss::Name(EYb), gauss::Name(EYbb), separator,
                           verdict.remarks);
    std::array<std::optional<ExactDecimal>, 4> alpha;
    for (std::size_t i = 0; i < alpha.size(); ++i) {
        alpha[i] = AngleInSeconds(fields, gauss::kFields, kAngles[i].sheet_row, separator);
    }
    // The direction from B towards P is typed on both of B's rows; each
    // determination takes its own.
    const auto twice = alpha[1] && alpha[2] ? Subtract(*alpha[1], *alpha[2]) : std::nullopt;
    if (twice && twice->units != 0) {
        verdict.remarks.push_back(
            std::string("Направление с пункта B на P записано дважды по-разному: α2 = ") +
            AngleText(*alpha[1], separator) + " (" + kAngles[1].row +
            ") и α2′ = " + AngleText(*alpha[2], separator) + " (" + kAngles[2].row +
            "); первое определение берёт α2, второе — α2′.");
    }
    for (std::size_t t = 0; t < 2; ++t) {
        const Triangle& triangle = kTriangles[t];
        const auto& first = alpha[2 * t];
        const auto& second = alpha[2 * t + 1];
        std::array<double, 4> xy{};
        bool known = first && second;
        for (std::size_t i = 0; i < xy.size() && known; ++i) {
            const SheetColumn column = i % 2 == 0 ? SheetColumn::kX : SheetColumn::kY;
            const std::string_view name =
                FieldAt(gauss::kFields, triangle.rows[i / 2], column)->name;
            const auto value = ParseExact(fields.GetText(name), separator);
            known = value.has_value();
            xy[i] = known ? ToDouble(*value) : 0;
        }
        if (known && !MeetInFront(xy, *first, *second)) {
            verdict.no_triangle[t] = std::string("Треугольник ") + triangle.name +
                                     " не существует: направления " + kAngles[2 * t].symbol +
                                     " = " + AngleText(*first, separator) + " с пункта " +
                                     triangle.points[0] + " и " + kAngles[2 * t + 1].symbol +
                                     " = " + AngleText(*second, separator) + " с пункта " +
                                     triangle.points[1] + " не сходятся впереди обоих пунктов.";
        }
    }
    return verdict;
}

}  // namespace zas
