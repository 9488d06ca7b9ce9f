// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFont>
#include <QHash>
#include <QImage>
#include <QPointF>
#include <QRect>
#include <QStringList>

class QPainter;

// A text in a panel of the view: the font fitted to the panel once, where the
// ink of every text it can show goes, and its glyphs drawn once each (or,
// for a text that seldom changes, drawn from the font each time).
struct PanelText
{
    QFont font;
    QColor colour;
    QPointF origin; // of the baseline, so that the ink is centred
    QRect inkBox; // where any of its texts puts ink, and all a new text repaints
    QHash<QChar, std::pair<QPointF, QImage>> glyphs;
    qreal glyphRatio = 0;
    bool keepGlyphs = true;

    // Whether the glyphs drawn so far were dropped for a new font.
    bool fit(const QFont &face, const QStringList &all, const QRect &box, double margin);
    void draw(QPainter &painter, const QString &text);
};

// The font made as large as the box allows: the ink of every text (all of
// them drawn at one size) fits the box. The box is a share of a screen of
// any size.
QFont fillBox(QFont font, const QStringList &texts, QSize box);
// The ink the texts cover together, drawn from one origin on the baseline.
QRectF inkOf(const QFont &font, const QStringList &texts);
