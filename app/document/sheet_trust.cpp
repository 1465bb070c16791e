// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/document/sheet_trust.h"

#include <string_view>

#include "app/worksheet_form.h"
#include "arith/number_text.h"
#include "gauss/gauss_calc.h"
#include "gauss/gauss_trust.h"
#include "jung/jung_calc.h"
#include "jung/jung_trust.h"
#include "trust/currency.h"

namespace zas::document {

namespace {

struct MethodTrust {
    const char* key;
    void (*compute)(WorksheetFields&);
    Verdict (*verdict)(const WorksheetFields&, std::string_view);
    const char* table_note;
    const char* mean_y_note;  // %1: one tenth of a metre as the locale writes it
};

// The paper sheet puts each ratio on the row of the coordinate it multiplies,
// which is not always the row of its own angle: the note says so.
constexpr MethodTrust kMethods[] = {
    {"jung", &ComputeJung, &JungVerdict,
     "Котангенс стоит в строке той координаты, на которую он умножается: ctg β2 — в строке А, "
     "ctg β1 — в строке В, ctg β2′ — в строке B, ctg β1′ — в строке C; в строке P — сумма двух "
     "котангенсов над ней.",
     nullptr},
    {"gauss", &ComputeGauss, &GaussVerdict,
     "Тангенс стоит в строке той координаты, на которую он умножается: tg α1 — в строке А, "
     "tg α2 — в строке В, tg α2′ — в строке B, tg α3 — в строке C; в строке P — разность двух "
     "тангенсов над ней.",
     "Yр — среднее из неусечённых Y′ (через А, первое определение) и Y″ (через B, второе "
     "определение), усечённое до %1 м; оно может отличаться от среднего из чисел столбца Y."},
};

const MethodTrust& MethodOf(const SheetDescription& description) {
    for (const MethodTrust& method : kMethods) {
        if (qstrcmp(method.key, description.method.key) == 0) {
            return method;
        }
    }
    return kMethods[0];
}

// True when any result field holds text: the ratios, P's coordinates and the
// means.
bool ShowsResults(const ui::WorksheetForm& sheet, const SheetDescription& description) {
    for (const SheetField& field : description.fields) {
        if (!field.input && !sheet.GetText(field.name).empty()) {
            return true;
        }
    }
    return false;
}

QStringList Lines(const std::vector<std::string>& lines) {
    QStringList converted;
    for (const std::string& line : lines) {
        converted << QString::fromStdString(line);
    }
    return converted;
}

}  // namespace

QString LocalSeparator(const ui::WorksheetForm& sheet) {
    return QString::fromStdString(std::string(sheet.DecimalSeparator()));
}

void Currency::Check(const ui::WorksheetForm& sheet, const SheetDescription& description,
                     const QStringList& texts) {
    if (OutputsFollowFromInputs(sheet, MethodOf(description).compute)) {
        consistent_ = texts;
    }
}

SheetTrust JudgeSheet(const ui::WorksheetForm& sheet, const SheetDescription& description,
                      bool current) {
    const MethodTrust& method = MethodOf(description);
    const std::string separator(sheet.DecimalSeparator());
    const Verdict verdict = method.verdict(sheet, separator);
    SheetTrust trust;
    if (current) {
        if (const auto agreement = description.agreement(sheet)) {
            trust.agreement = Lines(AgreementBlock(*agreement, verdict, separator));
        }
    } else if (ShowsResults(sheet, description)) {
        trust.stale = QString::fromUtf8(kStaleSheet);
    }
    trust.remarks = Lines(verdict.remarks);
    if (trust.agreement.isEmpty()) {
        for (const auto& triangle : verdict.no_triangle) {
            if (triangle) {
                trust.remarks << QString::fromStdString(*triangle);
            }
        }
    }
    trust.table_note = QString::fromUtf8(method.table_note);
    if (method.mean_y_note != nullptr) {
        trust.mean_y_note = QString::fromUtf8(method.mean_y_note)
                                .arg(QStringLiteral("0") + LocalSeparator(sheet) + "1");
    }
    return trust;
}

QStringList TooltipLines(const SheetTrust& trust) {
    QStringList lines = trust.stale.isEmpty() ? trust.agreement : QStringList{trust.stale};
    if (!trust.remarks.isEmpty()) {
        lines << QString::fromUtf8(kRemarksHeading) << trust.remarks;
    }
    return lines;
}

}  // namespace zas::document
