// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// The light border every reader needs around the modules, in modules.
inline constexpr int QrQuietZone = 4;

// The QR code of the text, one pixel a module, the quiet zone included: black
// on white, for a view that scales it by whole pixels (drawModules). Made by
// libqrencode, which is loaded the first time a code is made: a program that
// never shares its clock never maps it. Null, and why in error, where
// libqrencode or one of its functions is missing or the text fits into no code.
QImage qrCode(const QByteArray &text, QString *error);
