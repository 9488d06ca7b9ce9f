// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "qrcode.h"

#include "loader/library.h"

#include <qrencode.h>

#include <cerrno>
#include <cstring>

namespace {

struct QrEncode
{
    decltype(&QRcode_encodeString) encode = nullptr;
    decltype(&QRcode_free) free = nullptr;
};

} // namespace

QImage qrCode(const QByteArray &text, QString *error)
{
    // From the window's thread only.
    static QrEncode lib;
    static Library library(QStringLiteral("qrencode"), 4,
                           {{"QRcode_encodeString", lib.encode}, {"QRcode_free", lib.free}});
    if (!library.load()) {
        *error = library.errorString();
        return {};
    }
    // Level M: a code read off a projector across a hall survives some glare;
    // version 0: as small as the text allows. Case-sensitive, for the token.
    QRcode *made = lib.encode(text.constData(), 0, QR_ECLEVEL_M, QR_MODE_8, 1);
    if (!made) {
        // ERANGE: longer than the largest code holds.
        *error = QString::fromLocal8Bit(std::strerror(errno));
        return {};
    }
    const int side = made->width + 2 * QrQuietZone;
    QImage image(side, side, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (int y = 0; y < made->width; ++y) {
        for (int x = 0; x < made->width; ++x) {
            // The lowest bit of each byte is the module's colour; the others
            // say what part of the code it belongs to.
            if (made->data[y * made->width + x] & 1) {
                image.setPixel(x + QrQuietZone, y + QrQuietZone, qRgb(0, 0, 0));
            }
        }
    }
    lib.free(made);
    return image;
}
