// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "webrequest.h"

WebReply answerFor(QByteArrayView, QByteArrayView, QByteArrayView)
{
    return {};
}

QByteArray contentSecurityPolicy(QByteArrayView)
{
    return {};
}

QByteArray eventFor(const RoomState &)
{
    return {};
}
