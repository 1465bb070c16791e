// SPDX-License-Identifier: GPL-3.0-or-later
// Checks of a window against its sheet's tables: each control found by its
// component name, of the right kind, where the table puts it, with its
// caption, font and colour, and each caption fitting its box.
#pragma once

#include <QApplication>
#include <QFontInfo>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRect>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <vector>

#include "app/form.h"

namespace zas::testing {

enum class SheetFont { kWindow, kHeading, kSmallHeading, kGreek };
enum class SheetColour { kText, kRed, kGreen, kBlack };

struct LabelRow {
    const char* name;
    QRect geometry;
    const char* caption;  // UTF-8, as the user sees it
    SheetFont font;
    SheetColour colour;
};

struct LineRow {
    const char* name;
    QRect geometry;
};

struct FieldRow {
    const char* name;
    QPoint position;
    int width;
    const char* start_text;
    SheetColour colour;  // red inputs, text outputs, green means
};

struct ButtonRow {
    const char* name;
    QRect geometry;
    const char* caption;
};

// The labels both worksheets have alike: the X and Y headings, the point
// letters, the angle marks and the means row.
inline std::vector<LabelRow> LabelsBothSheetsShare() {
    constexpr SheetFont W = SheetFont::kWindow;
    constexpr SheetFont H = SheetFont::kHeading;
    constexpr SheetColour T = SheetColour::kText;
    constexpr SheetColour R = SheetColour::kRed;
    constexpr SheetColour Gr = SheetColour::kGreen;
    return {
        {"Label8", {256, 64, 23, 20}, "\u0425\u0440", H, R},
        {"Label23", {488, 72, 23, 20}, "Y\u0440", H, R},
        // The first block is lettered in Cyrillic, the second in Latin.
        {"Label5", {64, 128, 13, 20}, "\u0410", H, R},
        {"Label7", {64, 168, 13, 20}, "\u0412", H, R},
        {"Label6", {64, 208, 12, 20}, "\u0420", H, T},
        {"Label26", {64, 256, 13, 20}, "B", H, R},
        {"Label25", {64, 296, 13, 20}, "C", H, R},
        {"Label24", {64, 336, 12, 20}, "P", H, SheetColour::kBlack},
        {"Label28", {144, 120, 6, 13}, "\u043e", W, T},
        {"Label11", {176, 128, 3, 13}, "`", W, T},
        {"Label13", {208, 128, 6, 13}, "``", W, T},
        {"Label10", {144, 160, 6, 13}, "\u043e", W, T},
        {"Label29", {176, 168, 3, 13}, "`", W, T},
        {"Label32", {208, 168, 6, 13}, "``", W, T},
        {"Label9", {144, 248, 6, 13}, "\u043e", W, T},
        {"Label12", {176, 256, 3, 13}, "`", W, R},
        {"Label14", {208, 256, 6, 13}, "``", W, T},
        {"Label27", {144, 288, 6, 13}, "\u043e", W, T},
        {"Label30", {176, 296, 3, 13}, "`", W, R},
        {"Label31", {208, 296, 6, 13}, "``", W, T},
        {"Label33", {120, 392, 80, 20}, "Средние:", H, T},
        {"Label34", {208, 392, 33, 20}, "\u0425\u0440=", H, Gr},
        {"Label35", {344, 392, 33, 20}, "Y\u0440=", H, Gr},
    };
}

inline QColor ColourOf(SheetColour colour) {
    switch (colour) {
        case SheetColour::kRed:
            return QColor(255, 0, 0);
        case SheetColour::kGreen:
            return QColor(0, 128, 0);
        case SheetColour::kBlack:
            return QColor(0, 0, 0);
        case SheetColour::kText:
            break;
    }
    return QApplication::palette().color(QPalette::WindowText);
}

// The font as drawn: family, pixel height and weight.
inline void CheckFont(const QWidget* widget, SheetFont font) {
    const QFontInfo drawn(widget->font());
    const bool greek = font == SheetFont::kGreek;
    QCOMPARE(drawn.family(),
             greek ? QStringLiteral("Liberation Serif") : QStringLiteral("Liberation Sans"));
    const int pixels = font == SheetFont::kWindow ? 11 : font == SheetFont::kSmallHeading ? 13 : 16;
    QCOMPARE(widget->font().pixelSize(), pixels);
    QCOMPARE(drawn.bold(), font != SheetFont::kWindow);
}

inline void CheckColour(const QWidget* widget, QPalette::ColorRole role, SheetColour colour) {
    QCOMPARE(widget->palette().color(QPalette::Active, role), ColourOf(colour));
    QCOMPARE(widget->palette().color(QPalette::Inactive, role), ColourOf(colour));
}

// How many pixels of the caption, drawn as a label draws it (from the top-left
// corner of its box), fall outside the box: faint anti-aliasing fringes (under
// half covered) do not count, anything more would be clipped for all to see.
inline int InkOutside(const QFont& font, const QString& text, QSize box) {
    QImage canvas(box + QSize(40, 40), QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    QPainter painter(&canvas);
#ifdef Q_OS_WIN
    // Qt's offscreen platform on Windows has no fontconfig and hints glyphs
    // fully, as neither Linux nor Windows' own engine does: measured here as
    // Linux hints them, vertically only. (The windows platform is looked at
    // in the smoke run.)
    QFont measured = font;
    measured.setHintingPreference(QFont::PreferVerticalHinting);
    painter.setFont(measured);
#else
    painter.setFont(font);
#endif
    painter.setPen(Qt::black);
    painter.drawText(canvas.rect(), Qt::AlignLeft | Qt::AlignTop, text);
    painter.end();
    int outside = 0;
    for (int y = 0; y < canvas.height(); ++y) {
        for (int x = 0; x < canvas.width(); ++x) {
            const bool beyond = x >= box.width() || y >= box.height();
            outside += beyond && qAlpha(canvas.pixel(x, y)) >= 128 ? 1 : 0;
        }
    }
    return outside;
}

// Whether the label is drawn in that colour: its most heavily inked pixel lies
// from the background in the colour's direction (anti-aliasing only blends
// the colour with the background).
inline bool DrawnIn(QWidget* label, const QColor& colour) {
    const QImage image = label->grab().toImage();
    const QColor background = label->palette().color(QPalette::Window);
    QColor inked = background;
    int most = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            const int ink = std::abs(pixel.red() - background.red()) +
                            std::abs(pixel.green() - background.green()) +
                            std::abs(pixel.blue() - background.blue());
            if (ink > most) {
                most = ink;
                inked = pixel;
            }
        }
    }
    const double a[3] = {double(inked.red() - background.red()),
                         double(inked.green() - background.green()),
                         double(inked.blue() - background.blue())};
    const double b[3] = {double(colour.red() - background.red()),
                         double(colour.green() - background.green()),
                         double(colour.blue() - background.blue())};
    const double dot = a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
    const double norms = std::sqrt((a[0] * a[0] + a[1] * a[1] + a[2] * a[2]) *
                                   (b[0] * b[0] + b[1] * b[1] + b[2] * b[2]));
    return most > 0 && dot > 0.97 * norms;
}

inline void CheckLabels(QWidget* form, const std::vector<LabelRow>& rows) {
    for (const LabelRow& row : rows) {
        auto* label = form->findChild<QLabel*>(row.name, Qt::FindDirectChildrenOnly);
        QVERIFY2(label != nullptr, row.name);
        QCOMPARE(label->geometry(), row.geometry);
        QCOMPARE(label->text(), QString::fromUtf8(row.caption));
        CheckFont(label, row.font);
        CheckColour(label, QPalette::WindowText, row.colour);
        QVERIFY2(DrawnIn(label, ColourOf(row.colour)), row.name);
        QVERIFY2(!label->wordWrap(), row.name);
        QVERIFY2(label->alignment() & Qt::AlignTop, row.name);
        QVERIFY2(InkOutside(label->font(), label->text(), row.geometry.size()) == 0, row.name);
    }
}

// Horizontal lines are raised, vertical ones lowered.
inline void CheckLines(const QWidget* form, const std::vector<LineRow>& rows) {
    for (const LineRow& row : rows) {
        const auto* line = form->findChild<QFrame*>(row.name, Qt::FindDirectChildrenOnly);
        QVERIFY2(line != nullptr, row.name);
        QCOMPARE(line->geometry(), row.geometry);
        const bool horizontal = row.geometry.width() > row.geometry.height();
        QCOMPARE(line->frameShape(), horizontal ? QFrame::HLine : QFrame::VLine);
        QCOMPARE(line->frameShadow(), horizontal ? QFrame::Raised : QFrame::Sunken);
    }
}

inline void CheckFields(const QWidget* form, const std::vector<FieldRow>& rows) {
    for (const FieldRow& row : rows) {
        const auto* field = form->findChild<QLineEdit*>(row.name, Qt::FindDirectChildrenOnly);
        QVERIFY2(field != nullptr, row.name);
        QCOMPARE(field->geometry(), QRect(row.position, QSize(row.width, 21)));
        QCOMPARE(field->text(), QString::fromUtf8(row.start_text));
        CheckFont(field, SheetFont::kWindow);
        CheckColour(field, QPalette::Text, row.colour);
        QVERIFY2(!field->isReadOnly(), row.name);
        QCOMPARE(field->maxLength(), INT_MAX);
    }
}

// Buttons with a glyph that has its own greyed image, never default buttons.
inline void CheckButtons(const QWidget* form, const std::vector<ButtonRow>& rows) {
    for (const ButtonRow& row : rows) {
        const auto* button = form->findChild<QPushButton*>(row.name);
        QVERIFY2(button != nullptr, row.name);
        QCOMPARE(button->geometry(), row.geometry);
        QCOMPARE(button->text(), QString::fromUtf8(row.caption));
        CheckFont(button, SheetFont::kWindow);
        QVERIFY2(!button->isDefault() && !button->autoDefault(), row.name);
        QCOMPARE(button->iconSize(), QSize(16, 16));
        const QImage normal = button->icon().pixmap(16, 16).toImage();
        const QImage greyed = button->icon().pixmap(16, 16, QIcon::Disabled).toImage();
        QVERIFY2(!normal.isNull() && !greyed.isNull(), row.name);
        QVERIFY2(normal != greyed, row.name);
        // Not an empty picture: some of its pixels are drawn.
        int drawn = 0;
        for (int y = 0; y < normal.height(); ++y) {
            for (int x = 0; x < normal.width(); ++x) {
                drawn += qAlpha(normal.pixel(x, y)) > 0 ? 1 : 0;
            }
        }
        QVERIFY2(drawn > 16, row.name);
    }
}

// The widgets the Tab key visits, starting from the first one, until it
// comes back to it: real key presses on a shown, active window.
inline std::vector<QString> TabWalk(QWidget* first) {
    std::vector<QString> names;
    first->setFocus(Qt::TabFocusReason);
    for (int i = 0; i < 200; ++i) {
        QWidget* focus = QApplication::focusWidget();
        if (focus == nullptr || (i > 0 && focus == first)) {
            break;
        }
        names.push_back(focus->objectName());
        QTest::keyClick(focus, Qt::Key_Tab);
    }
    return names;
}

// Shows the window modally, runs the actions inside its modal loop, and
// returns how the showing ended once the window has closed. A window the
// actions leave open is closed here, and the test fails.
inline int WhileShownModally(ui::Form* form, const std::function<void()>& actions) {
    bool left_open = false;
    QTimer::singleShot(0, form, [&] {
        actions();
        if (form->isVisible()) {
            left_open = true;
            form->close();
        }
    });
    form->ShowModal();
    [&] { QVERIFY(!left_open); }();
    return form->result();
}

}  // namespace zas::testing
