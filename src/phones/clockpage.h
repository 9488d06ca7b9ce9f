// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

// The page phones and tablets show (assets/web/clock.html), in the program's
// language, the stop sign inlined: nothing it shows comes from elsewhere.
QByteArray clockPage();
