// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "decorations.h"

#include <QPainter>
#include <QPen>

LineDecoration::LineDecoration(QLine line, QColor colour, int width, QWidget *parent)
    : QWidget(parent)
    , m_line(line)
    , m_colour(colour)
    , m_width(width)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    const int margin = width; // room for the pen's width and its square caps
    setGeometry(
        QRect(line.p1(), line.p2()).normalized().adjusted(-margin, -margin, margin, margin));
}

void LineDecoration::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(QPen(m_colour, m_width, Qt::SolidLine, Qt::SquareCap));
    painter.drawLine(m_line.translated(-pos()));
}

ShapeDecoration::ShapeDecoration(QColor fill, QColor border, int borderWidth, QWidget *parent)
    : QWidget(parent)
    , m_fill(fill)
    , m_border(border)
    , m_borderWidth(borderWidth)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ShapeDecoration::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    // The border lies inside the shape's rectangle, as wide as it fits.
    const int inset = std::min({m_borderWidth, width() / 2, height() / 2});
    painter.fillRect(rect(), m_border);
    painter.fillRect(rect().adjusted(inset, inset, -inset, -inset), m_fill);
}
