// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSvgRenderer>
#include <QWidget>

// The panel that covers the minute display while the clock is stopped: the
// stop sign drawn from its vector picture on the panel's background colour.
class StopSignPanel : public QWidget
{
    Q_OBJECT

public:
    explicit StopSignPanel(QWidget *parent = nullptr);

    void setBackgroundColour(const QColor &colour);
    // Where the picture lands: scaled to fit, aspect kept, centred.
    QRectF pictureRect() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QSvgRenderer m_picture;
};
