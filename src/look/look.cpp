// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "faces.h"
#include "margins.h"
#include "modules.h"

#include <QImage>
#include <QPainter>

#include <algorithm>

QFont Faces::bold(Face face)
{
    QFont font(QString::fromLatin1(face.family));
    font.setBold(true);
    return font;
}

QRect Margins::inner(const QRect &box, double margin)
{
    const int m = int(std::min(box.width(), box.height()) * margin);
    return box.adjusted(m, m, -m, -m);
}

void drawModules(QPainter &painter, const QRect &box, const QImage &modules)
{
    if (modules.isNull()) {
        return;
    }
    const int module = std::max(1, std::min(box.width(), box.height()) / modules.width());
    QRect where(QPoint(), modules.size() * module);
    where.moveCenter(box.center());
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(where, modules);
    painter.restore();
}
