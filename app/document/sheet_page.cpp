// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/document/sheet_page.h"

#include <QFont>
#include <QFontMetricsF>
#include <QMimeData>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPen>
#include <algorithm>
#include <utility>

#include "app/document/check_marks.h"

namespace zas::document {

namespace {

// The sheet's colours, dark enough to stay readable in black and white.
const QColor kRed(200, 0, 0);
const QColor kGreen(0, 120, 0);

constexpr double kLeft = 20;  // millimetres from the page's edge
constexpr double kTop = 18;
constexpr double kRowHeight = 8;
// Point, degrees, minutes, seconds, X, the ratio, Y.
constexpr std::array<double, 7> kColumns = {18, 13, 13, 20, 36, 34, 36};

struct Cell {
    QString text;
    QColor colour = Qt::black;
    bool bold = false;
    const check::Verdict* mark = nullptr;  // on a checked sheet's written value
};

// The table's rows below the headings: each sheet row, then the means. What
// the surveyor types is red, as on the sheet, and so is the letter of a row
// that holds it.
std::vector<std::array<Cell, 7>> BodyRows(const SheetSnapshot& sheet) {
    const SheetDescription& description = *sheet.description;
    const auto cell = [&](SheetRow row, SheetColumn column) {
        const SheetField* field = FieldAt(description.fields, row, column);
        if (field == nullptr) {
            return Cell{};
        }
        const QString name = FieldName(*field);
        const auto mark = sheet.marks.constFind(name);
        return Cell{sheet.texts.value(name).trimmed(), field->input ? kRed : QColor(Qt::black),
                    false, mark != sheet.marks.cend() ? &mark.value() : nullptr};
    };
    std::vector<std::array<Cell, 7>> rows;
    for (std::size_t r = 0; r < description.points.size(); ++r) {
        const auto row = static_cast<SheetRow>(r);
        const Cell x = cell(row, SheetColumn::kX);
        rows.push_back({Cell{QString::fromUtf8(description.points[r]), x.colour, true},
                        cell(row, SheetColumn::kDegrees), cell(row, SheetColumn::kMinutes),
                        cell(row, SheetColumn::kSeconds), x, cell(row, SheetColumn::kRatio),
                        cell(row, SheetColumn::kY)});
    }
    const auto mean = [&](SheetColumn column) {
        const Cell value = cell(SheetRow::kMeans, column);
        return Cell{value.text, kGreen, true, value.mark};
    };
    rows.push_back({Cell{QStringLiteral("Средние:"), kGreen, true}, Cell{}, Cell{}, Cell{},
                    mean(SheetColumn::kX), Cell{}, mean(SheetColumn::kY)});
    return rows;
}

std::array<QString, 7> Headings(const SheetSnapshot& sheet) {
    return {QStringLiteral("Пункт"), QStringLiteral("°"),
            QStringLiteral("′"),     QStringLiteral("″"),
            QStringLiteral("X"),     QString::fromUtf8(sheet.description->ratio_heading),
            QStringLiteral("Y")};
}

class Page {
  public:
    Page(QPainter& painter, double dots_per_mm) : painter_(painter), k_(dots_per_mm) {}

    QRectF Box(double x, double y, double w, double h) const {
        return {x * k_, y * k_, w * k_, h * k_};
    }
    void Font(double points, bool bold) {
        QFont font(QStringLiteral("Liberation Sans"));
        font.setPointSizeF(points);
        font.setBold(bold);
        painter_.setFont(font);
    }
    // Text in a box; a text wider than its box is cut with an ellipsis, so
    // no digit shown stands for another.
    void Text(const QRectF& box, const QString& text, int align, const QColor& colour) {
        painter_.setPen(colour);
        const QString shown = QFontMetricsF(painter_.font(), painter_.device())
                                  .elidedText(text.left(400), Qt::ElideRight, box.width() - k_);
        painter_.drawText(box, align | Qt::TextSingleLine, shown);
    }
    // Text on one line, its font made smaller until it fits the box.
    void FittedText(const QRectF& box, const QString& text, const QColor& colour) {
        QFont font = painter_.font();
        while (font.pointSizeF() > 6 &&
               QFontMetricsF(font, painter_.device()).horizontalAdvance(text) > box.width()) {
            font.setPointSizeF(font.pointSizeF() - 0.5);
        }
        painter_.setFont(font);
        painter_.setPen(colour);
        painter_.drawText(box, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text);
    }
    // Text wrapped at word boundaries within a width, from its top; returns
    // the height it took, in millimetres.
    double Paragraph(double x, double y, double w, const QString& text, const QColor& colour) {
        painter_.setPen(colour);
        const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
        const QRectF box = Box(x, y, w, 200);
        const QString shown = text.left(1000);
        const QRectF used = painter_.boundingRect(box, flags, shown);
        painter_.drawText(box, flags, shown);
        return used.height() / k_;
    }
    // A check mark at the left end of a cell, 3.5 mm square.
    void Mark(double x, double y, check::Verdict verdict) {
        DrawCheckMark(painter_, Box(x + 1, y + (kRowHeight - 3.5) / 2, 3.5, 3.5), verdict);
    }
    void Line(double x1, double y1, double x2, double y2, double width) {
        painter_.setPen(QPen(Qt::black, width * k_));
        painter_.drawLine(QPointF(x1 * k_, y1 * k_), QPointF(x2 * k_, y2 * k_));
    }

  private:
    QPainter& painter_;
    double k_;
};

QString Escaped(QString text) {
    return text.replace(QLatin1Char('\t'), QLatin1Char(' '))
        .replace(QLatin1Char('\n'), QLatin1Char(' '))
        .replace(QLatin1Char('\r'), QLatin1Char(' '));
}

}  // namespace

bool DrawPage(QPagedPaintDevice& device, const SheetSnapshot& sheet) {
    QPainter painter;
    if (!painter.begin(&device)) {
        return false;
    }
    // The page's own coordinates, whatever margins the device keeps.
    const QRectF paper = device.pageLayout().fullRectPixels(device.logicalDpiX());
    const QRectF paintable = device.pageLayout().paintRectPixels(device.logicalDpiX());
    painter.translate(paper.topLeft() - paintable.topLeft());
    Page page(painter, device.logicalDpiX() / 25.4);

    double width = 0;
    for (const double w : kColumns) {
        width += w;
    }
    if (!sheet.trust.stale.isEmpty()) {
        // Above everything else, so that it is read first.
        page.Font(11, true);
        page.FittedText(page.Box(kLeft, kTop - 10, width, 8), sheet.trust.stale, kRed);
    }
    page.Font(14, true);
    page.Text(page.Box(kLeft, kTop, width, 10), QString::fromUtf8(sheet.description->caption),
              Qt::AlignHCenter | Qt::AlignVCenter, Qt::black);
    page.Font(9, false);
    page.Text(
        page.Box(kLeft, kTop + 10, width, 6),
        QStringLiteral("Составлен %1").arg(sheet.made.toString(QStringLiteral("dd.MM.yyyy hh:mm"))),
        Qt::AlignHCenter | Qt::AlignVCenter, Qt::black);

    // Two heading rows: the column names, then the angle's parts.
    const double top = kTop + 22;
    page.Font(10, true);
    const std::array<QString, 7> headings = Headings(sheet);
    double x = kLeft;
    page.Text(page.Box(x, top, kColumns[0], 2 * kRowHeight), headings[0], Qt::AlignCenter,
              Qt::black);
    x += kColumns[0];
    page.Text(page.Box(x, top, kColumns[1] + kColumns[2] + kColumns[3], kRowHeight),
              QString::fromUtf8(sheet.description->angle_heading), Qt::AlignCenter, Qt::black);
    for (int c = 1; c <= 3; ++c) {
        page.Text(page.Box(x, top + kRowHeight, kColumns[c], kRowHeight), headings[c],
                  Qt::AlignCenter, Qt::black);
        x += kColumns[c];
    }
    for (int c = 4; c < 7; ++c) {
        const QColor colour = c == 5 ? QColor(Qt::black) : kRed;
        page.Text(page.Box(x, top, kColumns[c], 2 * kRowHeight), headings[c], Qt::AlignCenter,
                  colour);
        x += kColumns[c];
    }

    std::vector<std::array<Cell, 7>> rows = BodyRows(sheet);
    if (!sheet.trust.mean_y_note.isEmpty() && !rows.back()[6].text.isEmpty()) {
        rows.back()[6].text += QStringLiteral(" *");  // see the note under the table
    }
    double y = top + 2 * kRowHeight;
    for (const auto& row : rows) {
        x = kLeft;
        for (int c = 0; c < 7; ++c) {
            page.Font(10, row[c].bold);
            const int align = c == 0 ? Qt::AlignCenter : (Qt::AlignRight | Qt::AlignVCenter);
            QRectF box = page.Box(x, y, kColumns[c], kRowHeight);
            if (c == 0 && &row == &rows.back()) {
                box = page.Box(x, y, kColumns[0] + kColumns[1] + kColumns[2] + kColumns[3],
                               kRowHeight);
            }
            page.Text(box.adjusted(0, 0, -page.Box(0, 0, 1.5, 0).width(), 0), row[c].text, align,
                      row[c].colour);
            if (row[c].mark != nullptr) {
                page.Mark(x, y, *row[c].mark);
            }
            x += kColumns[c];
        }
        y += kRowHeight;
    }

    // The rules: round the table, under the headings, between the
    // determinations and above the means; the columns.
    const double bottom = y;
    const double means_top = bottom - kRowHeight;
    for (const double rule : {top, top + 2 * kRowHeight, top + 5 * kRowHeight, top + 8 * kRowHeight,
                              means_top, bottom}) {
        const bool heavy = rule == top || rule == bottom || rule == top + 5 * kRowHeight;
        page.Line(kLeft, rule, kLeft + width, rule, heavy ? 0.4 : 0.2);
    }
    page.Line(kLeft + kColumns[0], top + kRowHeight,
              kLeft + kColumns[0] + kColumns[1] + kColumns[2] + kColumns[3], top + kRowHeight, 0.2);
    x = kLeft;
    for (int c = 0; c <= 7; ++c) {
        const bool inside_angle = c == 2 || c == 3;
        const double from = inside_angle ? top + kRowHeight : top;
        const double to = (c >= 1 && c <= 3) ? means_top : bottom;
        page.Line(x, from, x, c == 0 || c == 7 ? bottom : to, c == 0 || c == 7 ? 0.4 : 0.2);
        if (c < 7) {
            x += kColumns[c];
        }
    }

    // How to read the table, right under it.
    y = bottom + 2;
    page.Font(9, false);
    y += page.Paragraph(kLeft, y, width, sheet.trust.table_note, Qt::black);
    if (!sheet.trust.mean_y_note.isEmpty()) {
        y += page.Paragraph(kLeft, y, width, QStringLiteral("* ") + sheet.trust.mean_y_note,
                            Qt::black);
    }

    // The agreement of the two determinations, with its verdicts.
    y += 5;
    for (qsizetype i = 0; i < sheet.trust.agreement.size(); ++i) {
        page.Font(10, i == 0);
        y += page.Paragraph(kLeft, y, width, sheet.trust.agreement[i], Qt::black) + 1;
    }

    // Doubtful inputs: at most a dozen lines, the rest counted.
    const QStringList& remarks = sheet.trust.remarks;
    if (!remarks.isEmpty()) {
        y += 4;
        page.Font(10, true);
        y += page.Paragraph(kLeft, y, width, QString::fromUtf8(kRemarksHeading), kRed) + 1;
        page.Font(10, false);
        constexpr qsizetype kShown = 12;
        for (qsizetype i = 0; i < std::min(remarks.size(), kShown); ++i) {
            y += page.Paragraph(kLeft, y, width, remarks[i], kRed) + 1;
        }
        if (remarks.size() > kShown) {
            y += page.Paragraph(
                     kLeft, y, width,
                     QStringLiteral("…и ещё замечаний: %1.").arg(remarks.size() - kShown), kRed) +
                 1;
        }
    }

    // A checked sheet's summary.
    if (!sheet.check_summary.isEmpty()) {
        y += 4;
    }
    for (qsizetype i = 0; i < sheet.check_summary.size(); ++i) {
        page.Font(10, i == 0);
        y += page.Paragraph(kLeft, y, width, sheet.check_summary[i], Qt::black) + 1;
    }

    // The report's own lines, left blank to be filled in by hand.
    y += 10;
    page.Font(10, false);
    const std::pair<const char*, double> blanks[] = {
        {"Объект:", width}, {"Вычислил:", 110}, {"Проверил:", 110}, {"Дата:", 70}};
    for (const auto& [caption, end] : blanks) {
        page.Text(page.Box(kLeft, y, 30, 7), QString::fromUtf8(caption),
                  Qt::AlignLeft | Qt::AlignBottom, Qt::black);
        page.Line(kLeft + 22, y + 7, kLeft + end, y + 7, 0.2);
        y += 10;
    }
    return painter.end();
}

QMimeData* TableMimeData(const SheetSnapshot& sheet) {
    const std::array<QString, 7> headings = Headings(sheet);
    QStringList header = {headings[0],
                          QStringLiteral("Градусы"),
                          QStringLiteral("Минуты"),
                          QStringLiteral("Секунды"),
                          headings[4],
                          headings[5],
                          headings[6]};
    QString tsv = header.join(QLatin1Char('\t')) + QLatin1Char('\n');
    QString html = QStringLiteral("<table border=\"1\">\n<tr>");
    if (!sheet.trust.stale.isEmpty()) {
        tsv.prepend(sheet.trust.stale + QLatin1Char('\n'));
        html.prepend(QStringLiteral("<p><b>%1</b></p>\n").arg(sheet.trust.stale.toHtmlEscaped()));
    }
    for (const QString& heading : header) {
        html += QStringLiteral("<th>%1</th>").arg(heading.toHtmlEscaped());
    }
    html += QStringLiteral("</tr>\n");
    for (const auto& row : BodyRows(sheet)) {
        QStringList cells;
        html += QStringLiteral("<tr>");
        for (const Cell& cell : row) {
            cells << Escaped(cell.text);
            html += QStringLiteral("<td>%1</td>").arg(cell.text.toHtmlEscaped());
        }
        tsv += cells.join(QLatin1Char('\t')) + QLatin1Char('\n');
        html += QStringLiteral("</tr>\n");
    }
    html += QStringLiteral("</table>\n");
    auto* data = new QMimeData;
    data->setText(tsv);
    data->setHtml(html);
    return data;
}

}  // namespace zas::document
