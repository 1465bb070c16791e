// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/pictures.h"

#include <QAbstractButton>
#include <QEvent>
#include <QIconEngine>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPixmapCache>
#include <array>
#include <utility>
#include <vector>

namespace zas::ui {

namespace {

struct Drawn {
    qreal ratio;
    const char* suffix;
};
constexpr std::array<Drawn, 5> kDrawn = {
    {{1.0, ".png"}, {1.25, "@1.25x.png"}, {1.5, "@1.5x.png"}, {2.0, "@2x.png"}, {3.0, "@3x.png"}}};

// The icon's sizes: 16 and 32 pixels at each ratio, and 128.
constexpr std::array<int, 9> kIconSizes = {16, 20, 24, 32, 40, 48, 64, 96, 128};

QPixmap Read(const QString& file) {
    QPixmap pixmap;
    if (!QPixmapCache::find(file, &pixmap)) {
        pixmap.load(file);
        QPixmapCache::insert(file, pixmap);
    }
    return pixmap;
}

const Drawn& DrawnFor(qreal ratio) {
    for (const Drawn& drawn : kDrawn) {
        // 1.2500001 is a 1.25 screen.
        if (drawn.ratio >= ratio - 1e-3) {
            return drawn;
        }
    }
    return kDrawn.back();
}

// Gives the label its picture for the ratio of its screen, and again
// whenever its window changes screens or its screen changes ratio.
class PictureKeeper : public QObject {
  public:
    PictureKeeper(QLabel* label, QString base) : QObject(label), base_(std::move(base)) {
        Show(label);
        label->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::ScreenChangeInternal
#if QT_VERSION >= QT_VERSION_CHECK(6, 6, 0)
            || event->type() == QEvent::DevicePixelRatioChange
#endif
        ) {
            Show(static_cast<QLabel*>(watched));
        }
        return false;
    }

  private:
    void Show(QLabel* label) const {
        label->setPixmap(Picture(base_, label->devicePixelRatio()));
    }

    QString base_;
};

// An icon whose images are files, each drawn for one size in pixels: asked
// for a size, it reads the file drawn for that size (or the least larger one,
// scaled down) the first time it is needed.
class DrawnSizesEngine : public QIconEngine {
  public:
    // Sizes in pixels with their files, smallest first; and the greyed ones.
    using Files = std::vector<std::pair<int, QString>>;
    DrawnSizesEngine(Files normal, Files disabled)
        : normal_(std::move(normal)), disabled_(std::move(disabled)) {}

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override {
        const Files& files = mode == QIcon::Disabled && !disabled_.empty() ? disabled_ : normal_;
        const auto* chosen = &files.back();
        for (const auto& file : files) {
            if (file.first >= size.width() && file.first >= size.height()) {
                chosen = &file;
                break;
            }
        }
        QPixmap image = Read(chosen->second);
        if (!image.isNull() && image.size() != size) {
            image = image.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        }
        return image;
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        const qreal ratio = painter->device()->devicePixelRatio();
        QPixmap image = pixmap((QSizeF(rect.size()) * ratio).toSize(), mode, state);
        image.setDevicePixelRatio(ratio);
        painter->drawPixmap(rect.topLeft(), image);
    }

    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override { return size; }

    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State) override {
        QList<QSize> sizes;
        for (const auto& file :
             mode == QIcon::Disabled && !disabled_.empty() ? disabled_ : normal_) {
            sizes << QSize(file.first, file.first);
        }
        return sizes;
    }

    QIconEngine* clone() const override { return new DrawnSizesEngine(*this); }

  private:
    Files normal_;
    Files disabled_;
};

DrawnSizesEngine::Files GlyphFiles(const QString& base) {
    DrawnSizesEngine::Files files;
    for (const Drawn& drawn : kDrawn) {
        files.emplace_back(qRound(16 * drawn.ratio), base + QLatin1String(drawn.suffix));
    }
    return files;
}

}  // namespace

QPixmap Picture(const QString& base, qreal ratio) {
    const Drawn& drawn = DrawnFor(ratio);
    QPixmap picture = Read(base + QLatin1String(drawn.suffix));
    picture.setDevicePixelRatio(drawn.ratio);
    return picture;
}

void ShowPicture(QLabel* label, const QString& base) {
    new PictureKeeper(label, base);
}

void SetGlyph(QAbstractButton* button, const QString& base) {
    button->setIcon(QIcon(
        new DrawnSizesEngine(GlyphFiles(base), GlyphFiles(base + QLatin1String("_disabled")))));
}

QIcon WindowIcon() {
    DrawnSizesEngine::Files files;
    for (const int size : kIconSizes) {
        files.emplace_back(size, QStringLiteral(":/app/pictures/icon_%1.png").arg(size));
    }
    return QIcon(new DrawnSizesEngine(std::move(files), {}));
}

}  // namespace zas::ui
