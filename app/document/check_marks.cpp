// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/document/check_marks.h"

#include <QFont>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPen>

namespace zas::document {

namespace {

// Dark enough on the sheet's white fields and in black and white print.
const QColor kAgrees(0, 120, 0);
const QColor kDiffers(200, 0, 0);
const QColor kMissing(0, 60, 170);

}  // namespace

void DrawCheckMark(QPainter& painter, const QRectF& box, check::Verdict verdict) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const double s = box.width();
    const auto at = [&](double x, double y) { return box.topLeft() + QPointF(x * s, y * s); };
    switch (verdict) {
        case check::Verdict::kAgrees: {
            painter.setPen(QPen(kAgrees, s * 0.18, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            QPainterPath tick(at(0.12, 0.55));
            tick.lineTo(at(0.4, 0.85));
            tick.lineTo(at(0.9, 0.15));
            painter.drawPath(tick);
            break;
        }
        case check::Verdict::kDiffers:
            painter.setPen(Qt::NoPen);
            painter.setBrush(kDiffers);
            painter.drawEllipse(box);
            painter.setPen(QPen(Qt::white, s * 0.16, Qt::SolidLine, Qt::RoundCap));
            painter.drawLine(at(0.3, 0.3), at(0.7, 0.7));
            painter.drawLine(at(0.7, 0.3), at(0.3, 0.7));
            break;
        case check::Verdict::kMissing: {
            painter.setPen(QPen(kMissing, s * 0.1));
            painter.setBrush(Qt::white);
            painter.drawEllipse(box.adjusted(s * 0.05, s * 0.05, -s * 0.05, -s * 0.05));
            QFont font(QStringLiteral("Liberation Sans"));
            font.setBold(true);
            font.setPixelSize(qMax(1, static_cast<int>(s * 0.75)));
            painter.setFont(font);
            painter.drawText(box, Qt::AlignCenter, QStringLiteral("?"));
            break;
        }
    }
    painter.restore();
}

CheckMark::CheckMark(QLineEdit* field, check::Verdict verdict) : QWidget(field), verdict_(verdict) {
    setObjectName(QStringLiteral("checkMark"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    // A square at the field's right end, inside its frame.
    const int side = qMax(7, field->height() - 8);
    setGeometry(field->width() - side - 4, (field->height() - side) / 2, side, side);
    show();
}

void CheckMark::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    DrawCheckMark(painter, QRectF(rect()), verdict_);
}

}  // namespace zas::document
