// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "paneltext.h"

#include "look/margins.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>

#include <algorithm>

QRectF inkOf(const QFont &font, const QStringList &texts)
{
    const QFontMetricsF metrics(font);
    QRectF ink;
    for (const QString &text : texts) {
        ink |= metrics.tightBoundingRect(text);
    }
    return ink;
}

QFont fillBox(QFont font, const QStringList &texts, QSize box)
{
    // Ink grows in proportion to the size, give or take hinting: measured
    // once at a reference size, then brought down until it fits.
    constexpr int Reference = 100;
    font.setPixelSize(Reference);
    const QRectF ink = inkOf(font, texts);
    if (ink.isEmpty() || box.isEmpty()) {
        font.setPixelSize(1);
        return font;
    }
    const double scale = std::min(box.width() / ink.width(), box.height() / ink.height());
    font.setPixelSize(std::max(1, int(Reference * scale)));
    while (font.pixelSize() > 1) {
        const QRectF now = inkOf(font, texts);
        if (now.width() <= box.width() && now.height() <= box.height()) {
            break;
        }
        font.setPixelSize(font.pixelSize() - std::max(1, font.pixelSize() / 100));
    }
    return font;
}

namespace {

struct Fitted
{
    QFont font;
    QRectF ink;
};

// What fitting found, kept for the program's life: the view is made anew at
// each opening, and fitting its texts to a 4K screen takes milliseconds that
// each opening would pay again. A few entries for each screen size filled.
Fitted fittedTo(const QFont &face, const QStringList &all, QSize box)
{
    static QHash<QString, Fitted> cache;
    const QString key =
        QStringLiteral("%1|%2x%3|").arg(face.key()).arg(box.width()).arg(box.height()) +
        all.join(QChar(0));
    if (const auto known = cache.constFind(key); known != cache.cend()) {
        return *known;
    }
    if (cache.size() >= 64) {
        cache.clear();
    }
    const QFont font = fillBox(face, all, box);
    return *cache.insert(key, {font, inkOf(font, all)});
}

} // namespace

bool PanelText::fit(const QFont &face, const QStringList &all, const QRect &box, double margin)
{
    const auto [fitted, ink] = fittedTo(face, all, Margins::inner(box, margin).size());
    // The ink of every text centred in the box: a new second does not shift it.
    const QPointF centred(box.center().x() + 0.5 - ink.center().x(),
                          box.center().y() + 0.5 - ink.center().y());
    inkBox = ink.translated(centred).toAlignedRect().adjusted(-2, -2, 2, 2) & box;
    origin = centred;
    if (fitted == font) {
        return false;
    }
    font = fitted;
    glyphs.clear();
    return true;
}

void PanelText::draw(QPainter &painter, const QString &text)
{
    // Large text is drawn as outlines, glyph by glyph, every time; each glyph
    // is drawn once into an image instead, at the screen's resolution.
    const qreal ratio = painter.device()->devicePixelRatioF();
    if (ratio != glyphRatio) {
        glyphs.clear();
        glyphRatio = ratio;
    }
    const QFontMetricsF metrics(font);
    QPointF pen = origin;
    for (const QChar c : text) {
        auto glyph = glyphs.constFind(c);
        if (!keepGlyphs) {
            // Where an image of it would go, so that both ways give the same pixels.
            const QPointF offset = metrics.boundingRect(c).adjusted(-2, -2, 2, 2).topLeft();
            painter.setFont(font);
            painter.setPen(colour);
            painter.drawText(QPointF((pen + offset).toPoint()) - offset, QString(c));
        } else {
            if (glyph == glyphs.cend()) {
                const QRectF bounds = metrics.boundingRect(c).adjusted(-2, -2, 2, 2);
                QImage image((bounds.size() * ratio).toSize() + QSize(1, 1),
                             QImage::Format_ARGB32_Premultiplied);
                image.setDevicePixelRatio(ratio);
                image.fill(Qt::transparent);
                QPainter glyphPainter(&image);
                glyphPainter.setFont(font);
                glyphPainter.setPen(colour);
                glyphPainter.drawText(-bounds.topLeft(), QString(c));
                glyphPainter.end();
                glyph = glyphs.insert(c, {bounds.topLeft(), image});
            }
            painter.drawImage((pen + glyph->first).toPoint(), glyph->second);
        }
        pen.rx() += metrics.horizontalAdvance(c);
    }
}
