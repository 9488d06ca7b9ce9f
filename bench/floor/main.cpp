// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The floor for start-up time and memory: the least a Qt Widgets program
// with one titled window costs, measured the same way as the real program.
// With the argument "text" the window also shows one line of text: the
// price of the font machinery alone, which the bare floor never loads.
#include "app/geometry.h"

#include <QApplication>
#include <QLabel>
#include <QWidget>

#include <cstring>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Vornaxi Floor"));
    // The compact window's size, so both map the same number of pixels.
    window.resize(Geometry::clientSize(Geometry::WindowSize::Compact));
    if (argc > 1 && std::strcmp(argv[1], "text") == 0) {
        new QLabel(QStringLiteral("1:00"), &window);
    }
    window.show();
    return app.exec();
}
