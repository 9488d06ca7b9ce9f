// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "qrcode.h"

#include <QCoreApplication>
#include <QLibrary>
#include <QPainter>

#include <qrencode.h>

namespace {

using EncodeString = QRcode *(*)(const char *, int, QRecLevel, QRencodeMode, int);
using Free = void (*)(QRcode *);

struct Library
{
    EncodeString encode = nullptr;
    Free free = nullptr;
    QString error;
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
        if (!lib.encode || !lib.free) {
            lib.encode = nullptr;
            lib.error = so.errorString();
        }
        return lib;
    }();
    return loaded;
}

} // namespace

QrCode QrCode::encode(const QByteArray &text)
{
    QrCode code;
    const Library &lib = library();
    if (!lib.encode) {
        return code;
    }
    // Level M: a code read off a projector across a hall survives some glare;
    // version 0: as small as the text allows. Case-sensitive, for the token.
    QRcode *made = lib.encode(text.constData(), 0, QR_ECLEVEL_M, QR_MODE_8, 1);
    if (!made) {
        return code;
    }
    code.m_size = made->width;
    code.m_dark.resize(qsizetype(made->width) * made->width);
    for (qsizetype i = 0; i < code.m_dark.size(); ++i) {
        // The lowest bit of each byte is the module's colour; the others say
        // what part of the code it belongs to.
        code.m_dark[i] = made->data[i] & 1;
    }
    lib.free(made);
    return code;
}

QString QrCode::errorString()
{
    return library().error;
}

QImage QrCode::toImage() const
{
    if (isNull()) {
        return {};
    }
    const int side = m_size + 2 * QuietZone;
    QImage image(side, side, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (int y = 0; y < m_size; ++y) {
        for (int x = 0; x < m_size; ++x) {
            if (isDark(x, y)) {
                image.setPixel(x + QuietZone, y + QuietZone, qRgb(0, 0, 0));
            }
        }
    }
    return image;
}

void paintQrCode(QPainter &painter, const QRect &box, const QrCode &code)
{
    if (code.isNull()) {
        return;
    }
    const int side = code.size() + 2 * QrCode::QuietZone;
    const int module = std::max(1, std::min(box.width(), box.height()) / side);
    const QRect whole(box.x() + (box.width() - side * module) / 2,
                      box.y() + (box.height() - side * module) / 2, side * module, side * module);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(whole, Qt::white);
    const QPoint origin = whole.topLeft() + QPoint(QrCode::QuietZone, QrCode::QuietZone) * module;
    for (int y = 0; y < code.size(); ++y) {
        for (int x = 0; x < code.size(); ++x) {
            if (code.isDark(x, y)) {
                painter.fillRect(origin.x() + x * module, origin.y() + y * module, module, module,
                                 Qt::black);
            }
        }
    }
    painter.restore();
}
