// SPDX-License-Identifier: GPL-3.0-or-later
// Draws one of the program's SVG pictures into a PNG, once, at build time: the
// pictures and button glyphs are a fixed number of pixels on the screen, and
// reading and drawing two dozen SVG files at every start would cost the
// program a good part of its start-up.
//
//   zas_render_picture picture.svg picture.png [width | ratio"x"]
//
// The PNG holds the picture at its own size, scaled to the given width in
// pixels, or scaled by a device pixel ratio ("1.5x": one and a half times its
// own width and height, each rounded to whole pixels) for the screens that
// ask for it (name@1.5x.png).
// Fails, and leaves no PNG, unless the PNG loads back as the very pixels
// drawn.
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[]) {
    if (argc != 3 && argc != 4) {
        std::fputs("usage: zas_render_picture picture.svg picture.png [width | ratio\"x\"]\n",
                   stderr);
        return 2;
    }
    // Drawn off any screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication toolkit(argc, argv);
    const QString source = QString::fromLocal8Bit(argv[1]);
    const QString target = QString::fromLocal8Bit(argv[2]);

    QImageReader reader(source);
    const QSize own = reader.size();
    const QByteArray scale = argc == 4 ? QByteArray(argv[3]) : QByteArray();
    QSize size = own;
    if (scale.endsWith('x')) {
        const double ratio = std::atof(scale.chopped(1).constData());
        size = QSize(qRound(own.width() * ratio), qRound(own.height() * ratio));
    } else if (!scale.isEmpty()) {
        const int width = std::atoi(scale.constData());
        size = own.scaled(width, own.height() * width, Qt::KeepAspectRatio);
    }
    if (!own.isValid() || size.isEmpty()) {
        std::fprintf(stderr, "%s: no picture to draw at %s\n", argv[1], scale.constData());
        return 1;
    }
    if (size != own) {
        reader.setScaledSize(size);
    }
    const QImage drawn = reader.read().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (drawn.isNull()) {
        std::fprintf(stderr, "%s: %s\n", argv[1], qPrintable(reader.errorString()));
        return 1;
    }
    if (!drawn.save(target, "PNG")) {
        std::fprintf(stderr, "%s: cannot be written\n", argv[2]);
        return 1;
    }
    if (QImage(target).convertToFormat(QImage::Format_ARGB32_Premultiplied) != drawn) {
        std::fprintf(stderr, "%s: does not hold the pixels of %s\n", argv[2], argv[1]);
        QFile::remove(target);
        return 1;
    }
    return 0;
}
