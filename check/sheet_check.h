// SPDX-License-Identifier: GPL-3.0-or-later
// The check of a sheet filled in by hand: the sheet computed from its inputs
// as «Вычислить» computes it, on a copy, and each value the computation
// writes compared with the student's. A value agrees when it denotes the
// number the computation writes, or the number exact arithmetic gives for
// its step from the values before it, cut as the step cuts; at the angles
// whose cotangent or tangent is exactly ±1 both last digits are right.
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "agreement/exact_decimal.h"
#include "arith/sheet_fields.h"
#include "arith/worksheet_fields.h"

namespace zas::check {

enum class Verdict : std::uint8_t { kAgrees, kDiffers, kMissing };

// How a differing value differs.
enum class Reason : std::uint8_t {
    kNone,
    kRounded,      // the last digit rounded where the step cuts
    kSign,         // the right figures with the wrong sign
    kFewerDigits,  // the right figures, too few of them
    kMoreDigits,   // the right figures and more
    kNotANumber,
    kOther,
};

// The determinations the outputs belong to, then the means.
inline constexpr int kDeterminations = 3;

// What the steps read: the numbers of the inputs and of the outputs written
// before, each output as the sheet holds it where it agrees, else as exact
// arithmetic gives it.
class StepValues {
  public:
    virtual ~StepValues() = default;
    // The exact value of a field's text, or nothing; the field by its index
    // in the sheet's table.
    virtual std::optional<ExactDecimal> Exact(std::size_t field) const = 0;
    // An input as the computation converts it.
    virtual double Number(std::size_t field) const = 0;
};

// One output's step, as exact arithmetic sees it.
struct Step {
    std::size_t field;  // its index in the sheet's table
    // A cotangent or tangent: no exact value of its own, only the two last
    // digits at ±1.
    bool ratio = false;
    // Said under the verdict, as how the step is formed.
    std::string_view note;
    // The values that agree besides the computation's own.
    std::function<std::vector<ExactDecimal>(const StepValues&)> also;
    // What rounding the last digit, in place of the cut, gives; nothing for a
    // step that does not cut.
    std::function<std::optional<ExactDecimal>(const StepValues&)> rounded;
};

struct Method {
    const char* key;  // as the file names it: "jung", "gauss"
    void (*compute)(WorksheetFields&);
    const SheetFields& fields;
    std::vector<Step> steps;  // one per output, in any order
};

const Method& JungMethod();
const Method& GaussMethod();

struct FieldVerdict {
    std::string field;
    std::string spoken;     // what the surveyor calls it
    int determination = 0;  // 0, 1, or 2 for the means
    std::string expected;   // the text «Вычислить» writes
    std::string exact;      // the exact arithmetic's, when another number
    std::string given;      // the sheet's text, trimmed
    std::string note;       // how the step is formed, where it needs saying
    Verdict verdict = Verdict::kAgrees;
    Reason reason = Reason::kNone;
};

struct SheetCheck {
    std::vector<FieldVerdict> fields;  // in the order the outputs are written
    std::size_t Agreeing() const;
    std::size_t Count(Verdict verdict) const;
    // The first value that differs or is missing in each determination, in
    // the order the outputs are written, and in the means.
    std::array<const FieldVerdict*, kDeterminations> FirstDiffering() const;
    const FieldVerdict* Find(std::string_view field) const;
};

// Checks the sheet. Nothing when the required-fields check stopped the
// computation (its message shown through the message service, as for
// «Вычислить»); a conversion error or a floating-point fault is raised, as
// «Вычислить» raises it. No field of the sheet is written.
std::optional<SheetCheck> CheckSheet(const Method& method, const WorksheetFields& sheet);

// The Russian texts: a field's verdict as its tooltip says it (the verdict,
// then what the sheet should hold and holds, then how it differs), and the
// summary of the whole sheet.
std::string VerdictText(const FieldVerdict& verdict);
std::string SummaryText(const SheetCheck& check, bool russian = true);
std::string ReasonText(Reason reason, bool russian);

}  // namespace zas::check
