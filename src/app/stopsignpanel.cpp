// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "stopsignpanel.h"

#include <QPainter>

StopSignPanel::StopSignPanel(QWidget *parent)
    : QWidget(parent)
    , m_picture(QStringLiteral(":/stopsign.svg"))
{
    setAutoFillBackground(true);
}

void StopSignPanel::setBackgroundColour(const QColor &colour)
{
    QPalette p = palette();
    p.setColor(QPalette::Window, colour);
    setPalette(p);
}

QRectF StopSignPanel::pictureRect() const
{
    QSizeF size = m_picture.defaultSize();
    if (size.isEmpty()) {
        return {};
    }
    size.scale(QSizeF(width(), height()), Qt::KeepAspectRatio);
    return {(width() - size.width()) / 2, (height() - size.height()) / 2, size.width(),
            size.height()};
}

void StopSignPanel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    m_picture.render(&painter, pictureRect());
}
