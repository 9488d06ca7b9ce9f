// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The window as the program shows it, for widget tests: controls found by
// name, ticks delivered by hand, beeps counted.

#include "app/beeper.h"
#include "app/frmquizdial.h"
#include "clock/ticktimer.h"

#include <QImage>
#include <QPushButton>
#include <QTest>

class CountingBeeper final : public Beeper
{
public:
    void beep() override { ++count; }
    int count = 0;
};

// A fresh window as the program shows it, with its beeps counted.
struct Fixture
{
    CountingBeeper beeper;
    frmQuizdial window{beeper};

    Fixture()
    {
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
    }

    template<typename T = QWidget>
    T *get(const QString &name)
    {
        T *child = window.findChild<T *>(name);
        if (!child) {
            qFatal("no control named %s", qPrintable(name));
        }
        return child;
    }
    void click(const QString &name) { QTest::mouseClick(get<QPushButton>(name), Qt::LeftButton); }
    void tick(int count = 1)
    {
        auto *timer = get<TickTimer>(QStringLiteral("Timer1"));
        for (int i = 0; i < count; ++i) {
            emit timer->ticked();
        }
    }
    QRect inWindow(QWidget *w) const { return QRect(w->mapTo(&window, QPoint(0, 0)), w->size()); }
    QImage shot() { return window.grab().toImage().convertToFormat(QImage::Format_RGB32); }
};

inline int countColour(const QImage &image, const QRect &area, QRgb colour)
{
    int n = 0;
    const QRect r = area & image.rect();
    for (int y = r.top(); y <= r.bottom(); ++y) {
        for (int x = r.left(); x <= r.right(); ++x) {
            n += image.pixel(x, y) == colour;
        }
    }
    return n;
}
