// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "textfit.h"

#include <QFontMetrics>

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
