// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/form.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QFont>
#include <QKeyEvent>
#include <QScreen>
#include <QVariant>
#include <cmath>

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

// Relative luminance, as contrast ratios are reckoned (sRGB).
double Luminance(const QColor& colour) {
    const auto linear = [](double channel) {
        return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
           0.0722 * linear(colour.blueF());
}

// Light text on a dark face.
bool IsDark(const QPalette& colours) {
    return Luminance(colours.color(QPalette::WindowText)) >
           Luminance(colours.color(QPalette::Window));
}

// The toolkit's own light colours, the ones the sheets were drawn in: black
// text on a light grey face, white fields.
QPalette LightColours() {
    const QColor face(239, 239, 239);
    const QColor dark = face.darker(150);
    const QColor shadow = dark.darker(135);
    const QColor mid = face.darker(130);
    QPalette colours(Qt::black, face, face.lighter(150), dark, mid, Qt::black, Qt::white);
    colours.setColor(QPalette::Midlight, mid.lighter(110));
    colours.setColor(QPalette::Button, face);
    colours.setColor(QPalette::Shadow, shadow);
    colours.setColor(QPalette::HighlightedText, Qt::white);
    const QColor greyed(190, 190, 190);
    colours.setColor(QPalette::Disabled, QPalette::Text, greyed);
    colours.setColor(QPalette::Disabled, QPalette::WindowText, greyed);
    colours.setColor(QPalette::Disabled, QPalette::ButtonText, greyed);
    colours.setColor(QPalette::Disabled, QPalette::Base, face);
    colours.setColor(QPalette::Disabled, QPalette::Dark, QColor(209, 209, 209).darker(110));
    colours.setColor(QPalette::Disabled, QPalette::Shadow, shadow.lighter(150));
    colours.setColor(QPalette::Active, QPalette::Highlight, QColor(48, 140, 198));
    colours.setColor(QPalette::Inactive, QPalette::Highlight, QColor(48, 140, 198));
    colours.setColor(QPalette::Disabled, QPalette::Highlight, QColor(145, 145, 145));
    colours.setColor(QPalette::PlaceholderText, QColor(0, 0, 0, 128));
    colours.setColor(QPalette::ToolTipBase, QColor(255, 255, 220));
    colours.setColor(QPalette::ToolTipText, Qt::black);
    colours.setColor(QPalette::Link, Qt::blue);
    colours.setColor(QPalette::LinkVisited, Qt::magenta);
    colours.setColor(QPalette::AlternateBase, QColor(247, 247, 247));
    return colours;
}

}  // namespace

Form::Form(QWidget* parent, Colours colours)
    : QDialog(parent),
      paper_(colours == Colours::kPaper),
      font_mapper_(std::make_unique<SheetFontMapper>(this)) {
    // An ordinary resizable window with the usual title-bar buttons.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    ApplyColours();
}

void Form::ApplyColours() {
    desktop_colours_ = QApplication::palette(this);
    QPalette colours = desktop_colours_;
    if (paper_ && IsDark(colours)) {
        colours = LightColours();
    }
    // Forms are in the button-face colour. (Only the colour: a background
    // role would also turn the labels' text role into the buttons' one.)
    colours.setColor(QPalette::Window, colours.color(QPalette::Button));
    setPalette(colours);
}

void Form::changeEvent(QEvent* event) {
    // The desktop's colours changed (a dark theme was turned on): the
    // window's own follow. (Its own setting of them comes here too.)
    if (event->type() == QEvent::PaletteChange && QApplication::palette(this) != desktop_colours_) {
        ApplyColours();
    }
    QDialog::changeEvent(event);
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
