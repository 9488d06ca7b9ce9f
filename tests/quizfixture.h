// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The window as the program shows it, for widget tests: controls found by
// name, ticks delivered by hand, beeps counted.

#include "app/eveningdesk.h"
#include "app/frmquizdial.h"
#include "app/geometry.h"
#include "app/heldkeys.h"
#include "audience/audience.h"
#include "clock/ticktimer.h"
#include "evening/evening.h"
#include "fakes.h"

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>

// The window's client area in pixels, in its two sizes.
inline const QSize CompactSize = Geometry::clientSize(Geometry::WindowSize::Compact);
inline const QSize ExpandedSize = Geometry::clientSize(Geometry::WindowSize::Expanded);

// The style main() sets; in place before a window takes the platform's
// colours from it.
struct FusionStyle
{
    FusionStyle()
    {
        if (QApplication::style()->name() != QLatin1String("fusion")) {
            QApplication::setStyle(QStringLiteral("Fusion"));
        }
    }
};

// A fresh window as the program shows it, with its beeps counted and its
// pages kept.
struct Fixture : FusionStyle
{
    HeldKeys heldKeys;
    CountingBeeper beeper;
    KeepingPrinter printer;
    frmQuizdial window{beeper, printer};
    Evening evening;
    EveningDesk desk{window, evening, printer};
    Audience audience{window};

    Fixture()
    {
        qApp->installEventFilter(&heldKeys);
        window.showTo(audience);
        desk.showTo(audience);
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
    // A click on the right or left arrow of setminute(n).
    void clickArrow(int n, bool right = true)
    {
        auto *s = get<QScrollBar>(QStringLiteral("setminute(%1)").arg(n));
        QTest::mouseClick(s, Qt::LeftButton, {},
                          QPoint(right ? s->width() - 3 : 2, s->height() / 2));
    }
    // Unlocks the team name box and types into it (in the expanded window).
    void enterName(const QString &text)
    {
        click(QStringLiteral("cmdEnter"));
        QTest::keyClicks(get(QStringLiteral("txtTeamName")), text);
    }
    // Print Results from the keyboard. (In the compact size, where no user
    // reaches the hidden button, the key goes to it all the same.)
    void print()
    {
        auto *button = get<QPushButton>(QStringLiteral("cmdPrint"));
        button->setFocus(Qt::TabFocusReason);
        QTest::keyClick(button, Qt::Key_Space);
    }
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

// Whether two colours are within tolerance of each other in every channel.
inline bool near(QRgb a, QRgb b, int tolerance)
{
    return std::abs(qRed(a) - qRed(b)) <= tolerance &&
        std::abs(qGreen(a) - qGreen(b)) <= tolerance && std::abs(qBlue(a) - qBlue(b)) <= tolerance;
}

// How many pixels of two images of one size are not near each other; marked,
// if given, shows them in magenta.
inline int differingPixels(const QImage &a, const QImage &b, int tolerance,
                           QImage *marked = nullptr)
{
    int n = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (!near(a.pixel(x, y), b.pixel(x, y), tolerance)) {
                ++n;
                if (marked) {
                    marked->setPixel(x, y, qRgb(255, 0, 255));
                }
            }
        }
    }
    return n;
}

// The smallest rectangle that holds every pixel for which inked() is true.
template<typename Predicate>
QRect inkBox(const QImage &image, Predicate inked)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (inked(image.pixel(x, y))) {
                box |= QRect(x, y, 1, 1);
            }
        }
    }
    return box;
}

// Where a scroll bar's thumb is drawn now.
inline QRect thumbRect(QScrollBar *s)
{
    QStyleOptionSlider option;
    option.initFrom(s);
    option.orientation = s->orientation();
    option.minimum = s->minimum();
    option.maximum = s->maximum();
    option.sliderPosition = s->sliderPosition();
    option.sliderValue = s->value();
    option.pageStep = s->pageStep();
    option.singleStep = s->singleStep();
    return s->style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, s);
}

// Moves the mouse with the left button held, as in the middle of a drag.
inline void dragMouseTo(QWidget *widget, QPoint to)
{
    QMouseEvent move(QEvent::MouseMove, QPointF(to), widget->mapToGlobal(QPointF(to)),
                     Qt::LeftButton, Qt::LeftButton, {});
    QApplication::sendEvent(widget, &move);
}
