// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The floor for start-up time and memory: the least a Qt Widgets program
// with one titled window costs, measured the same way as the real program.
#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Vornaxi Floor"));
    // The compact window's size, so both map the same number of pixels.
    window.resize(265, 324);
    window.show();
    return app.exec();
}
