// SPDX-License-Identifier: GPL-3.0-or-later
// Draws one of the program's SVG pictures into a PNG, once, at build time: the
// pictures and button glyphs are a fixed number of pixels on the screen, and
// reading and drawing two dozen SVG files at every start would cost the
// program a good part of its start-up.
//
//   zas_render_picture picture.svg picture.png [width]
//
// The PNG holds the picture at its own size, or scaled to the given width in
// pixels: twice its width gives the twin a high-density screen asks for
// (name@2x.png).
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
        std::fputs("usage: zas_render_picture picture.svg picture.png [width]\n", stderr);
        return 2;
    }
    // Drawn off any screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication toolkit(argc, argv);
    const QString source = QString::fromLocal8Bit(argv[1]);
    const QString target = QString::fromLocal8Bit(argv[2]);

    QImageReader reader(source);
    const QSize own = reader.size();
    const int width = argc == 4 ? std::atoi(argv[3]) : own.width();
    if (!own.isValid() || width < 1) {
        std::fprintf(stderr, "%s: no picture to draw %d pixels wide\n", argv[1], width);
        return 1;
    }
    if (width != own.width()) {
        reader.setScaledSize(own.scaled(width, own.height() * width, Qt::KeepAspectRatio));
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
