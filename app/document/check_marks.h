// SPDX-License-Identifier: GPL-3.0-or-later
// The marks a checked sheet shows on the values its computation writes: a
// tick where the value agrees, a cross on a red disc where it differs, a
// question mark in a ring where the field is empty. Each is drawn inside the
// field's own rectangle, at its right end: nothing moves or resizes, and no
// text changes colour. The shapes differ, so no mark rests on colour alone.
#pragma once

#include <QRectF>
#include <QWidget>

#include "check/sheet_check.h"

class QLineEdit;
class QPainter;

namespace zas::document {

// Draws the mark for a verdict in a square box.
void DrawCheckMark(QPainter& painter, const QRectF& box, check::Verdict verdict);

// A mark lying over the right end of a field. It takes no mouse or key
// input: the field stays as it was to type in.
class CheckMark : public QWidget {
    Q_OBJECT

  public:
    CheckMark(QLineEdit* field, check::Verdict verdict);
    check::Verdict Verdict() const { return verdict_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    check::Verdict verdict_;
};

}  // namespace zas::document
