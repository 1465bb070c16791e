// SPDX-License-Identifier: GPL-3.0-or-later
#include "agreement/agreement.h"

#include <algorithm>

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

std::optional<ExactDecimal> Metres(const WorksheetFields& fields, std::string_view a,
                                   std::string_view b, std::string_view separator) {
    const auto x = ParseExact(fields.GetText(a), separator);
    const auto y = ParseExact(fields.GetText(b), separator);
    if (!x || !y) {
        return std::nullopt;
    }
    const auto difference = Subtract(*x, *y);
    if (!difference) {
        return std::nullopt;
    }
    return Rescale(CutTo(*difference, 2), 2);
}

}  // namespace

std::optional<ExactDecimal> AngleInSeconds(const WorksheetFields& fields, const AngleFields& names,
                                           std::string_view separator) {
    ExactDecimal total{0, 0};
    for (std::size_t i = 0; i < names.size(); ++i) {
        const auto part = ParseExact(fields.GetText(names[i]), separator);
        if (!part) {
            return std::nullopt;
        }
        const auto seconds = MultiplyByInteger(*part, i == 0 ? 3600 : i == 1 ? 60 : 1);
        const auto sum = seconds ? Add(total, *seconds) : std::nullopt;
        if (!sum) {
            return std::nullopt;
        }
        total = *sum;
    }
    return total;
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

std::optional<Agreement> MakeAgreement(const WorksheetFields& fields,
                                       const std::array<std::string_view, 4>& coordinates,
                                       const std::array<ExactDecimal, 2>& angles_at_p,
                                       std::string_view separator) {
    const auto dx = Metres(fields, coordinates[0], coordinates[2], separator);
    const auto dy = Metres(fields, coordinates[1], coordinates[3], separator);
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
