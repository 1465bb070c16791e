// SPDX-License-Identifier: GPL-3.0-or-later
// What the document needs to know of a worksheet: its method, its rows as the
// paper sheet has them (by field name), and its agreement of the two
// determinations.
#pragma once

#include <array>
#include <optional>
#include <vector>

#include "agreement/agreement.h"
#include "app/document/sheet_format.h"

namespace zas::document {

// One row of the sheet's table; an empty name leaves its cell blank.
struct SheetRow {
    const char* point;                 // А, В, Р, B, C, P
    bool input;                        // a control point: red letter and inputs
    std::array<const char*, 3> angle;  // degrees, minutes, seconds
    const char* x;
    const char* ratio;  // the cotangent or tangent, or their sum or difference
    const char* y;
};

struct SheetDescription {
    Method method;
    // The window's caption, and the heading of the page and the title of the
    // print job and of the PDF, whatever file the window names.
    const char* caption;
    const char* angle_heading;  // «Углы β», «Дирекционные углы α»
    const char* ratio_heading;  // «ctg β», «tg α»
    std::vector<SheetRow> rows;
    std::array<const char*, 2> means;  // X, Y
    std::optional<Agreement> (*agreement)(const WorksheetFields&);

    // The 32 field names: the rows' in reading order, then the means.
    QStringList FieldNames() const;
};

const SheetDescription& JungSheet();
const SheetDescription& GaussSheet();

}  // namespace zas::document
