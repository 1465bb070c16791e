// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/document/sheet_description.h"

#include "gauss/gauss_agreement.h"
#include "gauss/gauss_fields.h"
#include "jung/jung_agreement.h"
#include "jung/jung_fields.h"

namespace zas::document {

QString FieldName(const SheetField& field) {
    return QString::fromLatin1(field.name.data(), static_cast<qsizetype>(field.name.size()));
}

QStringList SheetDescription::FieldNames() const {
    QStringList names;
    for (const SheetField& field : fields) {
        names << FieldName(field);
    }
    return names;
}

QString SheetDescription::FieldAt(SheetRow row, SheetColumn column) const {
    const SheetField* field = zas::FieldAt(fields, row, column);
    return field != nullptr ? FieldName(*field) : QString();
}

const SheetDescription& JungSheet() {
    // The first triangle is lettered in Cyrillic, the second in Latin, as on
    // the sheet; each P row carries the sum of the cotangents above it.
    static const SheetDescription sheet{
        kJung,
        "Решение Прямой засечки по формулам Юнга.",
        "Углы β",
        "ctg β",
        {"А", "В", "Р", "B", "C", "P"},
        jung::kFields,
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
        {"А", "В", "Р", "B", "C", "P"},
        gauss::kFields,
        &GaussAgreement,
    };
    return sheet;
}

}  // namespace zas::document
