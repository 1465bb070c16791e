// SPDX-License-Identifier: GPL-3.0-or-later
// The sheet as one A4 portrait page (printed or exported to PDF) and as a
// table on the clipboard: what the sheet shows at one moment. A sheet whose
// results no longer belong to its inputs says so in its first line.
#pragma once

#include <QDateTime>
#include <QMap>
#include <QString>
#include <QStringList>

#include "app/document/sheet_description.h"
#include "app/document/sheet_trust.h"
#include "check/sheet_check.h"

class QMimeData;
class QPagedPaintDevice;

namespace zas::document {

struct SheetSnapshot {
    const SheetDescription* description = nullptr;  // its caption heads the page
    QMap<QString, QString> texts;                   // by field name
    SheetTrust trust;                               // what the page says of the figures
    // A checked sheet's marks, by field name, and the check's summary.
    QMap<QString, check::Verdict> marks;
    QStringList check_summary;
    QDateTime made;
};

// Draws the page on a printer or a PDF writer whose page is A4 portrait; the
// caller has begun nothing. False when the device cannot be painted on.
bool DrawPage(QPagedPaintDevice& device, const SheetSnapshot& sheet);

// The table as tab-separated text and as HTML: a header row, then one row
// per row of the sheet with its point letter, then the means; before them,
// the line that says the results no longer belong to the inputs, if so.
QMimeData* TableMimeData(const SheetSnapshot& sheet);

}  // namespace zas::document
