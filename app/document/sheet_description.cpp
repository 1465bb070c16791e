// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/document/sheet_description.h"

#include "gauss/gauss_agreement.h"
#include "jung/jung_agreement.h"

namespace zas::document {

QStringList SheetDescription::FieldNames() const {
    QStringList names;
    for (const SheetRow& row : rows) {
        for (const char* name :
             {row.angle[0], row.angle[1], row.angle[2], row.x, row.ratio, row.y}) {
            if (*name != '\0') {
                names << QString::fromLatin1(name);
            }
        }
    }
    names << QString::fromLatin1(means[0]) << QString::fromLatin1(means[1]);
    return names;
}

const SheetDescription& JungSheet() {
    // The first triangle is lettered in Cyrillic, the second in Latin, as on
    // the sheet; each P row carries the sum of the cotangents above it.
    static const SheetDescription sheet{
        kJung,
        "Решение Прямой засечки по формулам Юнга.",
        "Углы β",
        "ctg β",
        {
            {"А", true, {"EAg", "EAm", "EAs"}, "EXa", "Ectgb2", "EYa"},
            {"В", true, {"EBg", "EBm", "EBs"}, "EXb", "Ectgb1", "EYb"},
            {"Р", false, {"", "", ""}, "EXp1", "Eb1b2", "EYp1"},
            {"B", true, {"EBbg", "EBbm", "Ebbs"}, "EXbb", "Ectgbb2", "EYbb"},
            {"C", true, {"ECg", "ECm", "ECs"}, "EXc", "Ectgbb1", "EYc"},
            {"P", false, {"", "", ""}, "EXpp1", "Ebb1bb2", "EYpp1"},
        },
        {"Xp", "Yp"},
        &JungAgreement,
    };
    return sheet;
}

const SheetDescription& GaussSheet() {
    // Each P row carries the difference of the tangents above it.
    static const SheetDescription sheet{
        kGauss,
        "Решение прямой засечки по формулам Гаусса.",
        "Дирекционные углы α",
        "tg α",
        {
            {"А", true, {"EAg", "EAm", "EAs"}, "EXA", "Etga1", "EYa"},
            {"В", true, {"EBg", "EBm", "EBs"}, "EXb", "Etga2", "EYb"},
            {"Р", false, {"", "", ""}, "EXp", "Etga1a2", "EYp"},
            {"B", true, {"EBbg", "EBbm", "EBbs"}, "EXbb", "Etgaa1", "EYbb"},
            {"C", true, {"ECg", "ECm", "ECs"}, "EXc", "Etgaa2", "EYc"},
            {"P", false, {"", "", ""}, "EXpp", "Etgaa1aa2", "EYpp"},
        },
        {"Xp", "Yp"},
        &GaussAgreement,
    };
    return sheet;
}

}  // namespace zas::document
