// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QImage;
class QPainter;
class QRect;

// An image of one pixel a module (a QR code) centred in the box, as large as
// it fits with each module whole pixels, unsmoothed: a camera needs sharp edges.
void drawModules(QPainter &painter, const QRect &box, const QImage &modules);
