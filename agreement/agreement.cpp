// SPDX-License-Identifier: GPL-3.0-or-later
#include "agreement/agreement.h"

#include <algorithm>
#include <utility>

namespace zas {

namespace {

constexpr std::int64_t kWeakBelow = 30 * 3600;  // seconds of arc
constexpr std::int64_t kWeakAbove = 150 * 3600;

std::string TwoDigits(ExactUnits n) {
    const int v = static_cast<int>(n);
    return std::string(1, static_cast<char>('0' + v / 10)) + static_cast<char>('0' + v % 10);
}

bool Weak(ExactDecimal seconds) {
    const ExactUnits unit = Rescale(ExactDecimal{1, 0}, seconds.scale)->units;
    return seconds.units < kWeakBelow * unit || seconds.units > kWeakAbove * unit;
}

// The text at a row and column of the sheet, read exactly.
std::optional<ExactDecimal> ExactAt(const WorksheetFields& fields, const SheetFields& sheet,
                                    SheetRow row, SheetColumn column) {
    return ParseExact(fields.GetText(FieldAt(sheet, row, column)->name), fields.DecimalSeparator());
}

// A coordinate of the first P row less the same of the second, cut to
// centimetres.
std::optional<ExactDecimal> Metres(const WorksheetFields& fields, const SheetFields& sheet,
                                   SheetColumn column) {
    const auto first = ExactAt(fields, sheet, SheetRow::kP, column);
    const auto second = ExactAt(fields, sheet, SheetRow::kSecondP, column);
    const auto difference = first && second ? Subtract(*first, *second) : std::nullopt;
    if (!difference) {
        return std::nullopt;
    }
    return Rescale(CutTo(*difference, 2), 2);
}

}  // namespace

std::optional<ExactDecimal> AngleInSeconds(const WorksheetFields& fields, const SheetFields& sheet,
                                           SheetRow row, std::string_view separator) {
    ExactDecimal total{0, 0};
    for (const auto& [part, factor] :
         {std::pair{SheetColumn::kDegrees, 3600}, std::pair{SheetColumn::kMinutes, 60},
          std::pair{SheetColumn::kSeconds, 1}}) {
        const auto value = ParseExact(fields.GetText(FieldAt(sheet, row, part)->name), separator);
        const auto seconds = value ? MultiplyByInteger(*value, factor) : std::nullopt;
        const auto sum = seconds ? Add(total, *seconds) : std::nullopt;
        if (!sum) {
            return std::nullopt;
        }
        total = *sum;
    }
    return total;
}

std::optional<std::array<ExactDecimal, 4>> AnglesInSeconds(const WorksheetFields& fields,
                                                           const SheetFields& sheet) {
    std::array<ExactDecimal, 4> angles{};
    const SheetRow rows[] = {SheetRow::kA, SheetRow::kB, SheetRow::kSecondB, SheetRow::kC};
    for (std::size_t angle = 0; angle < angles.size(); ++angle) {
        const auto seconds = AngleInSeconds(fields, sheet, rows[angle], fields.DecimalSeparator());
        if (!seconds) {
            return std::nullopt;
        }
        angles[angle] = *seconds;
    }
    return angles;
}

std::string SecondsToDms(ExactDecimal seconds, int decimals, std::string_view separator) {
    // Fewer decimals than the value has: cut; more: the value cannot hold
    // them all, so it keeps its own.
    const ExactDecimal cut = CutTo(Rescale(seconds, decimals).value_or(seconds), decimals);
    const bool negative = cut.units < 0;
    const ExactUnits magnitude = negative ? -cut.units : cut.units;
    const ExactUnits unit = Rescale(ExactDecimal{1, 0}, cut.scale)->units;
    const ExactUnits whole = magnitude / unit;
    std::string text = negative ? "-" : "";
    text += ExactToText(ExactDecimal{whole / 3600, 0}, separator) + "°";
    text += TwoDigits(whole % 3600 / 60) + "′";
    text += TwoDigits(whole % 60);
    if (cut.scale > 0) {
        const std::string fraction =
            ExactToText(ExactDecimal{magnitude % unit + unit, cut.scale}, separator);
        text += fraction.substr(1);  // the separator and the decimals, after the leading 1
    }
    return text + "″";
}

std::optional<Agreement> MakeAgreement(const WorksheetFields& fields, const SheetFields& sheet,
                                       const std::array<ExactDecimal, 2>& angles_at_p) {
    const std::string_view separator = fields.DecimalSeparator();
    const auto dx = Metres(fields, sheet, SheetColumn::kX);
    const auto dy = Metres(fields, sheet, SheetColumn::kY);
    if (!dx || !dy) {
        return std::nullopt;
    }
    const auto discrepancy = HypotCut(*dx, *dy, 2);
    if (!discrepancy) {
        return std::nullopt;
    }
    Agreement agreement{ExactToText(*dx, separator),
                        ExactToText(*dy, separator),
                        ExactToText(*discrepancy, separator),
                        {}};
    const int decimals = std::max(angles_at_p[0].scale, angles_at_p[1].scale);
    for (std::size_t i = 0; i < 2; ++i) {
        const auto seconds = Rescale(angles_at_p[i], decimals);
        if (!seconds) {
            return std::nullopt;
        }
        agreement.angles[i] = {SecondsToDms(*seconds, decimals, separator), Weak(*seconds)};
    }
    return agreement;
}

std::vector<std::string> AgreementLines(const Agreement& agreement) {
    std::vector<std::string> lines = {
        "Согласие двух определений:",
        "ΔX = X′P − X″P = " + agreement.dx + " м; ΔY = Y′P − Y″P = " + agreement.dy + " м",
        "Линейное расхождение √(ΔX² + ΔY²) = " + agreement.discrepancy + " м",
    };
    const char* triangles[] = {"А–В–P", "B–C–P"};
    bool weak = false;
    for (std::size_t i = 0; i < 2; ++i) {
        std::string line = std::string("Угол при P в треугольнике ") + triangles[i] + ": " +
                           agreement.angles[i].text;
        if (agreement.angles[i].weak) {
            line += " — слабая засечка";
            weak = true;
        }
        lines.push_back(line);
    }
    if (weak) {
        lines.push_back("Угол при P вне 30°–150°: точка P определена ненадёжно.");
    }
    return lines;
}

}  // namespace zas
