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
#include <QPixmap>
#include <QString>

class QAbstractButton;
class QLabel;

namespace zas::ui {

// The picture `base` for a screen of device pixel ratio `ratio`: the image
// drawn for the least ratio that is not below it (the 3x one above 3),
// carrying the ratio it was drawn for, so that it keeps the size it has at
// scale 1 whatever the screen's; Qt scales it down (or, above 3, up) to the
// screen's pixels as it paints it.
QPixmap Picture(const QString& base, qreal ratio);

// Shows the picture on the label, drawn for the ratio of the screen the
// label is on, and again when its window goes to a screen of another ratio.
void ShowPicture(QLabel* label, const QString& base);

// Gives the button its 16-pixel glyph and greyed twin, drawn for each ratio;
// each image is read the first time it is painted.
void SetGlyph(QAbstractButton* button, const QString& base);

// The program's icon, in the sizes title bars, task bars and switchers ask
// for at each ratio.
QIcon WindowIcon();

}  // namespace zas::ui
