// SPDX-License-Identifier: GPL-3.0-or-later
// What the document needs to know of a worksheet: its method, its fields as
// the paper sheet has them (the sheet's table of fields, arith/sheet_fields.h),
// the letters of its rows, and its agreement of the two determinations.
#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <optional>

#include "agreement/agreement.h"
#include "app/document/sheet_format.h"
#include "arith/sheet_fields.h"

namespace zas::document {

struct SheetDescription {
    Method method;
    // The window's caption, and the heading of the page and the title of the
    // print job and of the PDF, whatever file the window names.
    const char* caption;
    const char* angle_heading;  // «Углы β», «Дирекционные углы α»
    const char* ratio_heading;  // «ctg β», «tg α»
    // The point letter of each row above the means: А, В, Р, B, C, P.
    std::array<const char*, 6> points;
    const SheetFields& fields;
    std::optional<Agreement> (*agreement)(const WorksheetFields&);

    // The 32 field names: the rows' in reading order, then the means.
    QStringList FieldNames() const;
    // The name of the field at a row and column, or an empty string where
    // the sheet leaves the cell blank.
    QString FieldAt(SheetRow row, SheetColumn column) const;
};

// A field's component name as the toolkit holds it.
QString FieldName(const SheetField& field);

const SheetDescription& JungSheet();
const SheetDescription& GaussSheet();

}  // namespace zas::document
