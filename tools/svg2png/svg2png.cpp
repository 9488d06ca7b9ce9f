// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
//
// svg2png INPUT.svg SIZE OUTPUT.png
//
// Renders an SVG into a SIZE x SIZE PNG with a transparent background, the
// drawing scaled to fit and centred. The build runs it to make the fixed-size
// hicolor icons from assets/icon.svg, so that the PNGs never go stale against
// the SVG and no binary image has to live in the repository.
//
// It paints into a QImage without any QGuiApplication: no display, no
// platform plugin and no QT_QPA_PLATFORM are needed at build time. The price
// is that SVG text (which needs the font database) is not supported; icons
// have none.
#include <QByteArray>
#include <QImage>
#include <QPainter>
#include <QRectF>
#include <QSaveFile>
#include <QSvgRenderer>

#include <cstdio>
#include <cstdlib>

namespace {

int fail(const char *what, const char *detail)
{
    std::fprintf(stderr, "svg2png: %s: %s\n", what, detail);
    return EXIT_FAILURE;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: svg2png INPUT.svg SIZE OUTPUT.png\n");
        return 2;
    }
    const QString input = QString::fromLocal8Bit(argv[1]);
    const QString output = QString::fromLocal8Bit(argv[3]);

    bool ok = false;
    const int size = QByteArray(argv[2]).toInt(&ok);
    // 4096 px is far beyond any icon size; the limit only keeps a typo from
    // asking for gigabytes.
    if (!ok || size < 1 || size > 4096) {
        return fail("size must be a whole number from 1 to 4096", argv[2]);
    }

    QSvgRenderer renderer(input);
    if (!renderer.isValid()) {
        return fail("not a readable SVG", argv[1]);
    }

    // Scale to fit and centre, so that a drawing that is not square keeps its
    // proportions instead of being stretched.
    QSizeF drawn = renderer.defaultSize();
    if (drawn.isEmpty()) {
        drawn = renderer.viewBoxF().size();
    }
    if (drawn.isEmpty()) {
        return fail("the SVG has no size", argv[1]);
    }
    drawn.scale(size, size, Qt::KeepAspectRatio);
    const QRectF target((size - drawn.width()) / 2, (size - drawn.height()) / 2, drawn.width(),
                        drawn.height());

    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        renderer.render(&painter, target);
    }

    // QSaveFile: a failed write leaves no half-written PNG for the build to
    // take as up to date.
    QSaveFile file(output);
    if (!file.open(QIODevice::WriteOnly)) {
        return fail("cannot write", argv[3]);
    }
    if (!image.convertToFormat(QImage::Format_ARGB32).save(&file, "PNG") || !file.commit()) {
        return fail("cannot write", argv[3]);
    }
    return EXIT_SUCCESS;
}
