// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "qrcode.h"

#include <QLibrary>

#include <qrencode.h>

namespace {

using EncodeString = QRcode *(*)(const char *, int, QRecLevel, QRencodeMode, int);
using Free = void (*)(QRcode *);

struct Library
{
    EncodeString encode = nullptr;
    Free free = nullptr;
};

const Library &library()
{
    static const Library loaded = [] {
        Library lib;
        // The soname's version: the development package's libqrencode.so
        // need not be there.
        QLibrary so(QStringLiteral("qrencode"), 4);
        lib.encode = reinterpret_cast<EncodeString>(so.resolve("QRcode_encodeString"));
        lib.free = reinterpret_cast<Free>(so.resolve("QRcode_free"));
        if (!lib.free) {
            lib.encode = nullptr;
        }
        return lib;
    }();
    return loaded;
}

} // namespace

QImage qrCode(const QByteArray &text)
{
    const Library &lib = library();
    if (!lib.encode) {
        return {};
    }
    // Level M: a code read off a projector across a hall survives some glare;
    // version 0: as small as the text allows. Case-sensitive, for the token.
    QRcode *made = lib.encode(text.constData(), 0, QR_ECLEVEL_M, QR_MODE_8, 1);
    if (!made) {
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
