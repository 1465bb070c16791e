// SPDX-License-Identifier: GPL-3.0-or-later
#include "trust/verdict.h"

#include "arith/number_text.h"
#include "trust/tolerance.h"

namespace zas {

namespace {

bool Differ(ExactDecimal a, ExactDecimal b) {
    const auto difference = Subtract(a, b);
    return !difference || difference->units != 0;
}

bool AtLeast(ExactDecimal value, int bound) {
    const auto difference = Subtract(value, ExactDecimal{bound, 0});
    return difference && difference->units >= 0;
}

// A field's text as a remark quotes it: without the white space around it,
// and a text of any length cut to its first 40 characters.
std::string Shown(const WorksheetFields& fields, std::string_view name) {
    const std::string text = fields.GetText(name);
    const std::string_view trimmed = TrimWhiteSpace(text);
    std::size_t characters = 0;
    for (std::size_t i = 0; i < trimmed.size(); ++i) {
        // A byte that begins a UTF-8 character, not one that continues it.
        if ((static_cast<unsigned char>(trimmed[i]) & 0xC0) != 0x80 && ++characters > 40) {
            return std::string(trimmed.substr(0, i)) + "…";
        }
    }
    return std::string(trimmed);
}

}  // namespace

std::string AngleText(ExactDecimal seconds, std::string_view separator) {
    return SecondsToDms(seconds, seconds.scale, separator);
}

void NoteAngleSlips(const WorksheetFields& fields, const SheetFields& sheet, const AngleRow& angle,
                    std::string_view separator, std::vector<std::string>& remarks) {
    static constexpr const char* kParts[] = {"градусы", "минуты", "секунды"};
    static constexpr SheetColumn kColumns[] = {SheetColumn::kDegrees, SheetColumn::kMinutes,
                                               SheetColumn::kSeconds};
    for (std::size_t i = 0; i < std::size(kColumns); ++i) {
        const std::string_view name = FieldAt(sheet, angle.sheet_row, kColumns[i])->name;
        const auto value = ParseExact(fields.GetText(name), separator);
        if (!value) {
            continue;
        }
        const char* why = nullptr;
        if (i == 0 && value->units < 0) {
            why = "меньше нуля";
        } else if (i == 0 && AtLeast(*value, 360)) {
            why = "360 или больше";
        } else if (i > 0 && AtLeast(*value, 60)) {
            why = "60 или больше";
        }
        if (why != nullptr) {
            remarks.push_back(std::string("Угол ") + angle.symbol + " (" + angle.row +
                              "): " + kParts[i] + " «" + Shown(fields, name) + "» — " + why +
                              "; вероятно, опечатка.");
        }
    }
}

void NoteRepeatedCoordinate(const WorksheetFields& fields, const RepeatedPoint& point,
                            const char* axis, std::string_view used, std::string_view repeat,
                            std::string_view separator, std::vector<std::string>& remarks) {
    const std::string used_text = fields.GetText(used);
    const std::string repeat_text = fields.GetText(repeat);
    if (TrimWhiteSpace(used_text).empty() || TrimWhiteSpace(repeat_text).empty()) {
        return;  // the computation asks for the missing text itself
    }
    const auto a = ParseExact(used_text, separator);
    const auto b = ParseExact(repeat_text, separator);
    if (a && b ? !Differ(*a, *b) : TrimWhiteSpace(used_text) == TrimWhiteSpace(repeat_text)) {
        return;
    }
    const std::string first = Shown(fields, used);
    const std::string second = Shown(fields, repeat);
    const std::string name = axis;
    remarks.push_back(std::string("Пункт ") + point.point + " записан дважды по-разному: " + name +
                      " = " + first + " (" + point.first_row + ") и " + name + " = " + second +
                      " (" + point.second_row + "); вычисление берёт " + name + " " +
                      point.taken_from + ".");
}

std::vector<std::string> AgreementBlock(const Agreement& agreement, const Verdict& verdict,
                                        std::string_view separator) {
    Agreement shown = agreement;
    bool missing = false;
    for (std::size_t i = 0; i < 2; ++i) {
        if (verdict.no_triangle[i]) {
            // Its angle at P means nothing, weak or not.
            shown.angles[i].weak = false;
            missing = true;
        }
    }
    std::vector<std::string> lines = AgreementLines(shown);
    // The heading, ΔX and ΔY, the discrepancy, then one line per triangle.
    for (std::size_t i = 0; i < 2; ++i) {
        if (verdict.no_triangle[i] && 3 + i < lines.size()) {
            lines[3 + i] = *verdict.no_triangle[i];
        }
    }
    if (missing) {
        lines.push_back(kNoMeanWithoutTriangle);
        return lines;
    }
    const auto dx = ParseExact(agreement.dx, separator);
    const auto dy = ParseExact(agreement.dy, separator);
    if (dx && dy) {
        for (std::string& line :
             ToleranceLines(JudgeDiscrepancy(*dx, *dy), agreement.discrepancy, separator)) {
            lines.push_back(std::move(line));
        }
    }
    return lines;
}

}  // namespace zas
