// SPDX-License-Identifier: GPL-3.0-or-later
// The window class every window of the program derives from: a window built
// from its Designer description, shown modally from the main window, hidden
// (never destroyed) when closed.
#pragma once

#include <QDialog>
#include <QPalette>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <memory>

class QKeyEvent;

namespace zas::ui {

class Form : public QDialog {
    Q_OBJECT

  public:
    // What a window's colours are made from. A paper sheet's fixed colours
    // (red inputs, green means, the silver of the description) were chosen
    // for black text on a light face, so on a dark desktop it keeps the light
    // colours it was drawn in; under light desktop colours it takes them as
    // any window does.
    enum class Colours { kDesktop, kPaper };

    explicit Form(QWidget* parent = nullptr, Colours colours = Colours::kDesktop);

    // Shows the window modally and returns when it closes; while it is open no
    // other window takes input. Callers ignore how it was closed. A window
    // with no stored position opens centred on the screen each time.
    void ShowModal();
    // Hides the window; a modal showing ends, closing the main window ends
    // the program.
    void Close();

  protected:
    // Called by each window right after setupUi. Until then every sheet font
    // the description sets is mapped to its face in pixels, as it is set.
    // Puts the window at its stored position, where it opens the first time;
    // afterwards it opens where the user left it. A window with no stored
    // position opens centred.
    void FinishSetup();

    void changeEvent(QEvent* event) override;

    // Escape closes nothing: no window has a cancel button.
    void keyPressEvent(QKeyEvent* event) override;

  private:
    // The desktop's colours, or the light ones on a dark desktop for a paper
    // sheet; the window's face in the button colour.
    void ApplyColours();

    bool centred_ = false;
    bool paper_;
    // The desktop's colours the window's were made from.
    QPalette desktop_colours_;
    // Maps the sheet fonts while the description builds the window.
    std::unique_ptr<QObject> font_mapper_;
};

// Where a window stored at `wanted` (its outer rectangle) is put on a screen
// whose usable area is `available`: where it was stored, unless that would
// leave part of it off the screen; then moved just far enough to be whole
// (its top-left corner kept on the screen first).
QPoint PlaceOnScreen(const QRect& wanted, const QRect& available);

// Where a window of the given outer size is put to stand in the middle of
// the screen's usable area.
QPoint CentreOnScreen(QSize outer, const QRect& available);

// The outer size of a window of the given client size: the sheets' sizes are
// given with a frame of 4 pixels each side and a 23-pixel title bar.
inline QSize OuterSize(QSize client) {
    return client + QSize(8, 27);
}

}  // namespace zas::ui
