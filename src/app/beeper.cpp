// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "beeper.h"

#include <QApplication>

void SystemBeeper::beep()
{
    QApplication::beep();
}
