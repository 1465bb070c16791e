// SPDX-License-Identifier: GPL-3.0-or-later
#include "check/sheet_check.h"

#include <algorithm>
#include <utility>

#include "arith/number_text.h"
#include "check/exact_value.h"

namespace zas::check {

namespace {

// The sheet as the computation sees it, its writes kept aside in their order
// instead of reaching a field.
class Recording : public WorksheetFields {
  public:
    explicit Recording(const WorksheetFields& sheet) : sheet_(sheet) {}
    std::string GetText(std::string_view name) const override { return sheet_.GetText(name); }
    void SetText(std::string_view name, const std::string& text) override {
        written.emplace_back(name, text);
    }
    std::string_view DecimalSeparator() const override { return sheet_.DecimalSeparator(); }
    std::vector<std::pair<std::string, std::string>> written;

  private:
    const WorksheetFields& sheet_;
};

class Values : public StepValues {
  public:
    Values(const WorksheetFields& sheet, const SheetFields& fields)
        : sheet_(sheet), fields_(fields) {}
    // Each field read once: an input as typed, an output as kept.
    std::optional<ExactDecimal> Exact(std::size_t field) const override {
        auto& known = known_.at(field);
        if (!known) {
            known = ReadValue(sheet_.GetText(fields_[field].name), sheet_.DecimalSeparator());
        }
        return *known;
    }
    double Number(std::size_t field) const override {
        return StrToFloat(sheet_.GetText(fields_[field].name), sheet_.DecimalSeparator());
    }
    void Keep(std::size_t field, std::optional<ExactDecimal> value) { known_.at(field) = value; }

  private:
    const WorksheetFields& sheet_;
    const SheetFields& fields_;
    mutable std::array<std::optional<std::optional<ExactDecimal>>, kSheetFieldCount> known_{};
};

// The determination a field belongs to by its row: 0 for A, B, P, 1 for the
// second triangle's rows, 2 for the means.
int DeterminationOf(const SheetField& field) {
    switch (field.row) {
        case SheetRow::kA:
        case SheetRow::kB:
        case SheetRow::kP:
            return 0;
        case SheetRow::kSecondB:
        case SheetRow::kC:
        case SheetRow::kSecondP:
            return 1;
        case SheetRow::kMeans:
            break;
    }
    return 2;
}

std::optional<ExactDecimal> Magnitude(std::optional<ExactDecimal> value) {
    if (value && value->units < 0) {
        value->units = -value->units;
    }
    return value;
}

// |a − b| below one unit of the last of `decimals` decimals.
bool Within(ExactDecimal a, ExactDecimal b, int decimals) {
    const auto difference = Magnitude(Subtract(a, b));
    const auto room = difference ? Subtract(Unit(decimals), *difference) : std::nullopt;
    return room && room->units > 0;
}

// The verdict on one output, and the value the later steps take for it.
FieldVerdict Judge(const Step& step, const SheetField& field, const std::string& expected_text,
                   const std::string& given, std::string_view separator, const Values& values,
                   std::optional<ExactDecimal>& carried) {
    FieldVerdict verdict;
    verdict.field = std::string(field.name);
    verdict.spoken = std::string(field.spoken);
    verdict.determination = DeterminationOf(field);
    verdict.expected = expected_text;
    verdict.given = std::string(TrimWhiteSpace(given));
    verdict.note = std::string(step.note);

    const std::optional<ExactDecimal> expected = ReadValue(expected_text, separator);
    const std::optional<ExactDecimal> value = ReadValue(verdict.given, separator);
    // The value the computation writes: nothing more to weigh, unless its
    // text carries more decimals than any step of a sheet keeps (five), the
    // mark of a binary artefact, whose exact value is named beside it.
    if (value && expected && SameValue(*value, *expected) && Normalized(*expected).scale <= 5) {
        carried = value;
        return verdict;
    }
    const std::vector<ExactDecimal> also = step.also(values);
    carried = expected;
    if (!step.ratio && !also.empty()) {
        carried = also.front();
        if (!expected || !SameValue(*expected, also.front())) {
            verdict.exact = ExactToText(Normalized(also.front()), separator);
        }
    }
    if (verdict.given.empty()) {
        verdict.verdict = Verdict::kMissing;
        return verdict;
    }
    std::vector<ExactDecimal> right = also;
    if (expected) {
        right.insert(right.begin(), *expected);
    }
    const auto among = [&](ExactDecimal v) {
        return std::any_of(right.begin(), right.end(),
                           [&](ExactDecimal r) { return SameValue(v, r); });
    };
    if (value ? among(*value) : verdict.given == TrimWhiteSpace(expected_text)) {
        carried = value;
        return verdict;
    }
    verdict.verdict = Verdict::kDiffers;
    if (!value) {
        verdict.reason = Reason::kNotANumber;
        return verdict;
    }
    if (among(ExactDecimal{-value->units, value->scale})) {
        verdict.reason = Reason::kSign;
        return verdict;
    }
    const std::optional<ExactDecimal> rounded = step.rounded ? step.rounded(values) : std::nullopt;
    if (rounded && SameValue(*value, *rounded)) {
        verdict.reason = Reason::kRounded;
        return verdict;
    }
    verdict.reason = Reason::kOther;
    if (!carried) {
        return verdict;
    }
    const int shown = Normalized(*carried).scale;
    const int written = Normalized(*value).scale;
    if (written < shown && Within(*value, *carried, written)) {
        verdict.reason = Reason::kFewerDigits;
    } else if (written > shown && Within(*value, *carried, shown)) {
        verdict.reason = Reason::kMoreDigits;
    }
    return verdict;
}

const char* const kDeterminationRussian[] = {"в первом определении", "во втором определении",
                                             "в средних"};
const char* const kDeterminationEnglish[] = {"in the first determination",
                                             "in the second determination", "in the means"};

}  // namespace

std::size_t SheetCheck::Count(Verdict verdict) const {
    return static_cast<std::size_t>(std::count_if(
        fields.begin(), fields.end(), [&](const FieldVerdict& f) { return f.verdict == verdict; }));
}

std::size_t SheetCheck::Agreeing() const {
    return Count(Verdict::kAgrees);
}

std::array<const FieldVerdict*, kDeterminations> SheetCheck::FirstDiffering() const {
    std::array<const FieldVerdict*, kDeterminations> first{};
    for (const FieldVerdict& field : fields) {
        const auto d = static_cast<std::size_t>(field.determination);
        if (field.verdict != Verdict::kAgrees && first[d] == nullptr) {
            first[d] = &field;
        }
    }
    return first;
}

const FieldVerdict* SheetCheck::Find(std::string_view field) const {
    for (const FieldVerdict& verdict : fields) {
        if (verdict.field == field) {
            return &verdict;
        }
    }
    return nullptr;
}

std::optional<SheetCheck> CheckSheet(const Method& method, const WorksheetFields& sheet) {
    Recording copy(sheet);
    method.compute(copy);
    if (copy.written.empty()) {
        return std::nullopt;
    }
    SheetCheck check;
    check.fields.reserve(copy.written.size());
    Values values(sheet, method.fields);
    // The outputs in the order the sheet writes them, as the computation
    // writes them; a name found elsewhere in the table only if it is not
    // where that order puts it.
    const auto written = FieldsInOrder<kOutputCount>(method.fields, &SheetField::write);
    for (std::size_t i = 0; i < copy.written.size(); ++i) {
        const auto& [name, expected] = copy.written[i];
        const SheetField* field = i < written.size() ? written[i] : nullptr;
        if (field == nullptr || field->name != name) {
            field = nullptr;
            for (const SheetField& f : method.fields) {
                field = f.name == name ? &f : field;
            }
        }
        const auto step =
            std::find_if(method.steps.begin(), method.steps.end(),
                         [&](const Step& s) { return field && s.field == field->id; });
        if (step == method.steps.end()) {
            continue;  // a field the sheet does not check
        }
        std::optional<ExactDecimal> carried;
        check.fields.push_back(Judge(*step, *field, expected, sheet.GetText(name),
                                     sheet.DecimalSeparator(), values, carried));
        values.Keep(field->id, carried);
    }
    return check;
}

std::string ReasonText(Reason reason, bool russian) {
    switch (reason) {
        case Reason::kRounded:
            return russian ? "последняя цифра округлена, а здесь её отбрасывают"
                           : "the last digit is rounded where this step cuts it";
        case Reason::kSign:
            return russian ? "не тот знак" : "the wrong sign";
        case Reason::kFewerDigits:
            return russian ? "не хватает цифр после запятой" : "digits missing after the point";
        case Reason::kMoreDigits:
            return russian ? "лишние цифры после запятой" : "digits too many after the point";
        case Reason::kNotANumber:
            return russian ? "в листе не число" : "the sheet holds no number";
        case Reason::kNone:
        case Reason::kOther:
            break;
    }
    return {};
}

std::string VerdictText(const FieldVerdict& verdict) {
    std::string text;
    switch (verdict.verdict) {
        case Verdict::kAgrees:
            text = "Верно.\n";
            break;
        case Verdict::kDiffers:
            text = "Расходится.\n";
            break;
        case Verdict::kMissing:
            text = "Не заполнено.\n";
            break;
    }
    text += "Должно быть " + verdict.expected;
    if (!verdict.exact.empty()) {
        text += " (точно " + verdict.exact + ")";
    }
    text += "; в листе " + (verdict.given.empty() ? std::string("пусто") : verdict.given);
    const std::string reason = ReasonText(verdict.reason, true);
    if (!reason.empty()) {
        text += "\nРасхождение: " + reason + ".";
    }
    if (!verdict.note.empty()) {
        text += "\n" + verdict.note;
    }
    return text;
}

std::string SummaryText(const SheetCheck& check, bool russian) {
    const std::size_t total = check.fields.size();
    const std::size_t agreeing = check.Agreeing();
    if (agreeing == total) {
        return russian
                   ? "Все " + std::to_string(total) + " значений листа совпадают с вычисленными."
                   : "All " + std::to_string(total) + " values agree with the computed ones.";
    }
    std::string text =
        russian ? "Совпадают с вычисленными: " + std::to_string(agreeing) + " из " +
                      std::to_string(total) + " значений"
                : std::to_string(agreeing) + " of " + std::to_string(total) + " values agree";
    // Only the kinds of discrepancy the sheet has.
    if (const std::size_t differing = check.Count(Verdict::kDiffers)) {
        text += (russian ? "; расходятся: " : "; differing: ") + std::to_string(differing);
    }
    if (const std::size_t missing = check.Count(Verdict::kMissing)) {
        text += (russian ? "; не заполнены: " : "; not filled in: ") + std::to_string(missing);
    }
    text += '.';
    const auto first = check.FirstDiffering();
    for (std::size_t d = 0; d < first.size(); ++d) {
        if (first[d] == nullptr) {
            continue;
        }
        text += russian ? "\nПервое расхождение " + std::string(kDeterminationRussian[d]) + ": " +
                              first[d]->spoken
                        : "\nFirst discrepancy " + std::string(kDeterminationEnglish[d]) + ": " +
                              first[d]->spoken;
        if (d + 1 < first.size()) {
            text += russian ? "; значения, вычисленные из него, тоже могут расходиться"
                            : "; the values computed from it may differ too";
        }
        text += '.';
    }
    return text;
}

}  // namespace zas::check
