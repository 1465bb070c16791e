// SPDX-License-Identifier: GPL-3.0-or-later
// What the page, the PDF, the copied sheet and the means' tooltips say about
// a sheet's figures besides the figures: whether its results still belong to
// the inputs beside them, the agreement block with its verdicts, remarks on
// doubtful inputs, and how to read the table. The window itself shows none
// of it and stays as it is.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "app/document/sheet_description.h"

namespace zas::ui {
class WorksheetForm;
}

namespace zas::document {

inline constexpr char kStaleSheet[] =
    "Лист не пересчитан после изменения исходных данных: результаты не соответствуют им.";

struct SheetTrust {
    // kStaleSheet when the sheet shows results that do not belong to its
    // inputs; empty when they do, or when it shows no results at all.
    QString stale;
    // The agreement block with its verdicts; none unless the results belong
    // to the inputs.
    QStringList agreement;
    // Doubtful inputs, true whatever the results: likely slips, a point
    // typed twice differently, and (where no agreement block says so) a
    // triangle that cannot exist.
    QStringList remarks;
    // How to read the table; and what the mean Y is where it is not the
    // plain mean of the column (one sheet only).
    QString table_note;
    QString mean_y_note;
};

// Whether a sheet's results belong to the inputs it shows. They do after a
// «Вычислить» that ended without an error, for as long as no text changes;
// a sheet opened from a file is held to the same measure: its results belong
// to its inputs when computing them gives exactly the results it holds.
// Until then (the worked example as the sheet opens, with no results yet)
// they do not.
class Currency {
  public:
    // After the compute button's handler returned without an error, and
    // after a file was opened: the texts are kept when computing the inputs
    // gives exactly the results shown.
    void Check(const ui::WorksheetForm& sheet, const SheetDescription& description,
               const QStringList& texts);
    bool Current(const QStringList& texts) const { return consistent_ == texts; }

  private:
    std::optional<QStringList> consistent_;
};

SheetTrust JudgeSheet(const ui::WorksheetForm& sheet, const SheetDescription& description,
                      bool current);

// What a mean's tooltip says: the stale line or the agreement block, then the
// remarks; nothing when there is nothing to say.
QStringList TooltipLines(const SheetTrust& trust);

// The heading of the remarks on the page and in the tooltips.
inline constexpr char kRemarksHeading[] = "Замечания к исходным данным:";

// The decimal separator the sheet is typed and shown with here.
QString LocalSeparator(const ui::WorksheetForm& sheet);

}  // namespace zas::document
