// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

// Gives the window's controls the names and descriptions a screen reader
// speaks. Labels keep their text as their name, so the readout and the minute
// digit are read out as they change.
void describeForAccessibility(QWidget &window);
