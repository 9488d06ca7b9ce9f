// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "heldkeys.h"

#include <QGuiApplication>

// Last: Xlib's macros (KeyPress, Bool...) would clash with Qt's names.
#if defined(VORNAXI_X11)
#include <X11/XKBlib.h>
#endif

bool askForDetectableAutoRepeat()
{
#if defined(VORNAXI_X11)
    auto *x11 = qApp ? qApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !x11->display()) {
        return false;
    }
    // Per client, on the connection Qt reads its events from.
    Bool supported = False;
    return XkbSetDetectableAutoRepeat(x11->display(), True, &supported) && supported;
#else
    return false;
#endif
}
