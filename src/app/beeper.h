// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The one way the program makes a sound; tests count beeps through it.
class Beeper
{
public:
    virtual ~Beeper() = default;
    virtual void beep() = 0;
};

// The system beep: on X11 the X bell, which desktops turn into their alert.
class SystemBeeper final : public Beeper
{
public:
    void beep() override;
};
