// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The one way the program makes a sound; the clock calls it and does not know
// how it sounds, and tests count beeps through it.
class Beeper
{
public:
    virtual ~Beeper() = default;
    virtual void beep() = 0;
};
