// SPDX-License-Identifier: GPL-3.0-or-later
// The pictures, button glyphs and window icon, each drawn at build time for
// every device pixel ratio a screen is likely to have (1, 1.25, 1.5, 2, 3),
// and the few lines that pick the one drawn for the screen a window is on: a
// 1x bitmap stretched to a 1.5x or 2x screen looks soft.
//
// A picture's files are named from its base (":/app/pictures/clips"):
// clips.png for 1x, clips@1.25x.png, clips@1.5x.png, clips@2x.png and
// clips@3x.png; a glyph's greyed twin is base_disabled with the same
// suffixes; the icon is icon_<pixels>.png.
#pragma once

#include <QIcon>
#include <QString>

class QAbstractButton;
class QLabel;

namespace zas::ui {

// The file of the picture `base` drawn for `ratio`: the least ratio drawn
// that is not below it (the picture is then only ever scaled down), or the
// largest.
QString PictureFile(const QString& base, qreal ratio);

// Shows the picture on the label, drawn for the label's device pixel ratio,
// and again whenever the label is painted at another ratio (a window moved
// to another screen).
void ShowPicture(QLabel* label, const QString& base);

// Gives the button its 16-pixel glyph and greyed twin, drawn for each ratio;
// each image is read the first time it is painted.
void SetGlyph(QAbstractButton* button, const QString& base);

// The program's icon, in the sizes title bars, task bars and switchers ask
// for at each ratio.
QIcon WindowIcon();

}  // namespace zas::ui
