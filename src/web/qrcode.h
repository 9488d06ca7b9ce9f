// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QRect>
#include <QString>

class QPainter;

// A QR code's modules, made by libqrencode, which is loaded the first time a
// code is made: a program that never shares its clock never maps it.
class QrCode
{
public:
    // The light border every reader needs around the modules, in modules.
    static constexpr int QuietZone = 4;

    // Null where libqrencode is missing (errorString() says so) or the text
    // does not fit into any code.
    static QrCode encode(const QByteArray &text);
    static QString errorString();

    bool isNull() const { return m_size == 0; }
    // Modules along each side, without the quiet zone.
    int size() const { return m_size; }
    bool isDark(int x, int y) const { return m_dark.at(y * m_size + x); }

    // One pixel a module, quiet zone included: black on white, for a view
    // that scales it by whole pixels itself.
    QImage toImage() const;

private:
    int m_size = 0;
    QList<bool> m_dark;
};

// Paints the code centred in the box, as large as it fits with each module
// a square of whole pixels: edges stay sharp for a camera at any size.
void paintQrCode(QPainter &painter, const QRect &box, const QrCode &code);
