// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "textfit.h"

#include <QFontMetrics>

#include <algorithm>

namespace {

bool fits(const QFont &font, const QStringList &texts, QSize box, Qt::Alignment alignment)
{
    const QFontMetrics metrics(font);
    QString characters;
    for (const QString &text : texts) {
        if (metrics.horizontalAdvance(text) > box.width()) {
            return false;
        }
        for (QChar c : text) {
            if (!characters.contains(c)) {
                characters += c;
            }
        }
    }
    // Vertically only the inked part counts, and the ink of all the
    // characters together bounds that of every text; top-aligned text starts
    // at the font's ascent.
    const QRect ink = metrics.tightBoundingRect(characters);
    const int bottom =
        (alignment & Qt::AlignTop) ? metrics.ascent() + ink.bottom() + 1 : ink.height();
    return bottom <= box.height();
}

} // namespace

QFont fitToBox(QFont font, const QStringList &texts, QSize box, Qt::Alignment alignment)
{
    while (font.pixelSize() > 1 && !fits(font, texts, box, alignment)) {
        font.setPixelSize(font.pixelSize() - 1);
    }
    return font;
}

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
