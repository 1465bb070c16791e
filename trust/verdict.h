// SPDX-License-Identifier: GPL-3.0-or-later
// What a sheet's page says about its figures besides the figures: inputs that
// look like slips (minutes or seconds of 60 or more, degrees below 0 or of
// 360 or more), a point typed twice on the sheet and differing, triangles
// that cannot exist, and the judgement of the discrepancy of the two
// determinations. None of it stops a computation: the sheet computes what it
// is given, and the page says what to make of it. Each method names its own
// fields and its own triangles (jung/jung_trust.*, gauss/gauss_trust.*).
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "agreement/agreement.h"

namespace zas {

// One angle of the sheet as the remarks name it.
struct AngleRow {
    SheetRow sheet_row;  // where its degrees, minutes and seconds are typed
    const char* symbol;  // «β1», «α2′»
    const char* row;  // «строка А», «строка B, второе определение»
};

struct Verdict {
    // Doubtful inputs, in the order of the sheet's rows.
    std::vector<std::string> remarks;
    // For each triangle (A-B-P, then B-C-P) that cannot exist, why.
    std::array<std::optional<std::string>, 2> no_triangle;
};

// The sentence that ends the block when a triangle does not exist.
inline constexpr char kNoMeanWithoutTriangle[] =
    "Определение из несуществующего треугольника не имеет смысла: среднее брать не следует.";

// Seconds of arc as the remarks show an angle: 100°00′00″, the seconds with
// the decimals they have.
std::string AngleText(ExactDecimal seconds, std::string_view separator);

// A remark for each part of the angle that is likely a slip: minutes or
// seconds of 60 or more, negative degrees, degrees of 360 or more. Parts that
// are not numbers are left to the computation's own message.
void NoteAngleSlips(const WorksheetFields& fields, const SheetFields& sheet, const AngleRow& angle,
                    std::string_view separator, std::vector<std::string>& remarks);

// A point whose coordinates are typed on two rows of the sheet.
struct RepeatedPoint {
    const char* point;       // «B»
    const char* first_row;   // «строка В, первое определение»
    const char* second_row;  // «строка B, второе определение»
    const char* taken_from;  // «из строки В первого определения»
};

// Both sheets type B twice: on its row of the first determination, which
// the computation reads, and again on the second's.
inline constexpr RepeatedPoint kRepeatedB = {"B", "строка В, первое определение",
                                             "строка B, второе определение",
                                             "из строки В первого определения"};

// A remark when a coordinate typed on both rows differs between them (as
// numbers: 329,83 and 329,830 agree), saying which row the computation takes
// it from. `used` is the field the computation reads, `repeat` the other.
void NoteRepeatedCoordinate(const WorksheetFields& fields, const RepeatedPoint& point,
                            const char* axis, std::string_view used, std::string_view repeat,
                            std::string_view separator, std::vector<std::string>& remarks);

// The agreement block with the verdict worked in: a triangle that does not
// exist says so in place of its angle at P, and the block ends with the
// judgement of the discrepancy against its tolerance, or, with a triangle
// that does not exist, with the mean not to be taken.
std::vector<std::string> AgreementBlock(const Agreement& agreement, const Verdict& verdict,
                                        std::string_view separator);

}  // namespace zas
