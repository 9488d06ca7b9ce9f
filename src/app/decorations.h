// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QLine>
#include <QWidget>

// A straight line drawn on the window, like a bevel edge of the display box.
// It takes no clicks, so it never gets in the way of the controls below.
class LineDecoration : public QWidget
{
    Q_OBJECT

public:
    // line is in the parent's pixel coordinates.
    LineDecoration(QLine line, QColor colour, int width, QWidget *parent);

    QLine line() const { return m_line; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QLine m_line;
    QColor m_colour;
    int m_width;
};

// A filled rectangle with a wide border: the orange and red frame behind the
// minute display.
class ShapeDecoration : public QWidget
{
    Q_OBJECT

public:
    ShapeDecoration(QColor fill, QColor border, int borderWidth, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_fill;
    QColor m_border;
    int m_borderWidth;
};
