// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/form.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFont>
#include <QKeyEvent>
#include <QScreen>
#include <QVariant>

namespace zas::ui {

namespace {

// The name of the dynamic property in which a window's description keeps its
// position on the desktop (the frame's top-left corner).
constexpr char kStoredPosition[] = "storedPos";

QString SheetFamily(const QString& family) {
    if (family == QLatin1String("MS Sans Serif")) {
        return QStringLiteral("Liberation Sans");
    }
    if (family == QLatin1String("Symbol")) {
        // The Greek captions hold the letters themselves; a serif face draws
        // them as the symbol font did.
        return QStringLiteral("Liberation Serif");
    }
    return family;
}

// Points to pixels at 96 per inch, rounded to the nearest pixel.
int PointsToPixels(int points) {
    return (points * 96 + 36) / 72;
}

void ApplySheetFont(QWidget* widget) {
    QFont font = widget->font();
    font.setFamily(SheetFamily(font.family()));
    if (font.pointSize() > 0) {
        font.setPixelSize(PointsToPixels(font.pointSize()));
    }
    widget->setFont(font);
}

// The sheets are laid out for 96 pixels per inch in "MS Sans Serif" and
// "Symbol". ApplySheetFont maps those families to the metric-compatible
// Liberation faces and each point size to its pixel height (8 pt: 11 px,
// 10 pt: 13 px, 12 pt: 16 px).
//
// Maps a window's sheet fonts the moment its description sets them, on the
// window and on every control with a font of its own. Every
// line edit lays its text out as soon as it is created, in the font it has
// then: mapped at the end, the description's fonts would first be looked up
// as they are (no such face is installed, so the font database would search
// for a stand-in and load a face that is never drawn) and every text laid out
// twice.
class SheetFontMapper : public QObject {
  public:
    explicit SheetFontMapper(QWidget* window) : window_(window) {
        QCoreApplication::instance()->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::FontChange && watched->isWidgetType()) {
            auto* widget = static_cast<QWidget*>(watched);
            // The window itself, and each control with a font of its own;
            // the others inherit theirs already mapped.
            if (widget == window_ ||
                (widget->testAttribute(Qt::WA_SetFont) && window_->isAncestorOf(widget))) {
                ApplySheetFont(widget);
            }
        }
        return false;
    }

  private:
    QWidget* window_;
};

}  // namespace

Form::Form(QWidget* parent)
    : QDialog(parent), font_mapper_(std::make_unique<SheetFontMapper>(this)) {
    // An ordinary resizable window with the usual title-bar buttons.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    // Forms are in the button-face colour. (Only the colour: a background
    // role would also turn the labels' text role into the buttons' one.)
    QPalette colours = palette();
    colours.setColor(QPalette::Window, colours.color(QPalette::Button));
    setPalette(colours);
}

void Form::ShowModal() {
    const QScreen* where = screen();
    if (centred_ && where != nullptr) {
        // Before its first showing a window has no frame yet.
        QSize outer = frameGeometry().size();
        if (outer == size()) {
            outer = OuterSize(size());
        }
        move(CentreOnScreen(outer, where->availableGeometry()));
    }
    exec();
}

void Form::Close() {
    close();
}

void Form::FinishSetup() {
    font_mapper_.reset();
    const QVariant stored = property(kStoredPosition);
    if (stored.isValid()) {
        const QRect wanted(stored.toPoint(), OuterSize(size()));
        const QScreen* where = screen();
        move(where != nullptr ? PlaceOnScreen(wanted, where->availableGeometry())
                              : wanted.topLeft());
    } else {
        centred_ = true;
    }
}

void Form::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

QPoint PlaceOnScreen(const QRect& wanted, const QRect& available) {
    QRect placed = wanted;
    if (placed.right() > available.right()) {
        placed.moveRight(available.right());
    }
    if (placed.bottom() > available.bottom()) {
        placed.moveBottom(available.bottom());
    }
    if (placed.left() < available.left()) {
        placed.moveLeft(available.left());
    }
    if (placed.top() < available.top()) {
        placed.moveTop(available.top());
    }
    return placed.topLeft();
}

QPoint CentreOnScreen(QSize outer, const QRect& available) {
    return {available.x() + (available.width() - outer.width()) / 2,
            available.y() + (available.height() - outer.height()) / 2};
}

}  // namespace zas::ui
