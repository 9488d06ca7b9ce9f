// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The room's view: the screen it goes to, decided without a display, and what
// it draws on screens of every shape.
#include "quizfixture.h"

#include "app/roomview.h"
#include "extras/colourscheme.h"

#include <QPainter>

using Screens = QList<QRect>;
Q_DECLARE_METATYPE(RoomScreen)

class tst_RoomView : public QObject
{
    Q_OBJECT

private slots:
    void chooseScreen_data();
    void chooseScreen();
    void drawsEverythingLargeAndWhole_data();
    void drawsEverythingLargeAndWhole();
};

void tst_RoomView::chooseScreen_data()
{
    QTest::addColumn<Screens>("screens");
    QTest::addColumn<int>("moderator");
    QTest::addColumn<int>("added");
    QTest::addColumn<RoomScreen>("expected");

    const QRect desk(0, 0, 1280, 1024);
    const QRect hd(1280, 0, 1920, 1080);
    const QRect uhd(3200, 0, 3840, 2160);
    const QRect small(-1280, 0, 1280, 720);

    QTest::newRow("no screen") << Screens{} << -1 << -1 << RoomScreen{-1, false};
    QTest::newRow("one screen: a window") << Screens{hd} << 0 << -1 << RoomScreen{0, false};
    QTest::newRow("two: the other") << Screens{desk, hd} << 0 << -1 << RoomScreen{1, true};
    QTest::newRow("two, moderator on the second")
        << Screens{desk, hd} << 1 << -1 << RoomScreen{0, true};
    QTest::newRow("three: the largest other")
        << Screens{desk, small, uhd, hd} << 0 << -1 << RoomScreen{2, true};
    QTest::newRow("moderator on the largest")
        << Screens{uhd, small, hd} << 0 << -1 << RoomScreen{2, true};
    QTest::newRow("moderator's screen unknown")
        << Screens{desk, hd} << -1 << -1 << RoomScreen{1, true};
    QTest::newRow("plugged in, though smaller")
        << Screens{desk, uhd, small} << 0 << 2 << RoomScreen{2, true};
    QTest::newRow("plugged in: the moderator's")
        << Screens{desk, uhd, small} << 2 << 2 << RoomScreen{1, true};
    QTest::newRow("plugged in, the only one") << Screens{small} << 0 << 0 << RoomScreen{0, false};
}

void tst_RoomView::chooseScreen()
{
    QFETCH(Screens, screens);
    QFETCH(int, moderator);
    QFETCH(int, added);
    QFETCH(RoomScreen, expected);

    const RoomScreen chosen = chooseRoomScreen(screens, moderator, added);
    QCOMPARE(chosen.index, expected.index);
    QCOMPARE(chosen.fullScreen, expected.fullScreen);
    // As a window, it is wholly on its screen, beside the moderator's.
    if (chosen.index >= 0) {
        const QRect moderatorWindow(screens[chosen.index].topLeft(), QSize(400, 350));
        const QRect window = windowedIn(screens[chosen.index], moderatorWindow);
        QVERIFY(!window.isEmpty());
        QVERIFY(screens[chosen.index].contains(window));
        QVERIFY(!window.intersects(moderatorWindow));
    }
}

void tst_RoomView::drawsEverythingLargeAndWhole_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("total");

    const QString owls = QStringLiteral("Owls");
    const QString longName = QStringLiteral("The Quizzical Owls of Upper Wibbleton on the Marsh, "
                                            "Second Team, Reserve Bench and Their Friends");
    QTest::newRow("1920x1080") << QSize(1920, 1080) << QString() << false;
    QTest::newRow("1920x1080, name, total") << QSize(1920, 1080) << owls << true;
    QTest::newRow("3840x2160, long name, total") << QSize(3840, 2160) << longName << true;
    QTest::newRow("1280x1024, total") << QSize(1280, 1024) << QString() << true;
    QTest::newRow("portrait, name, total") << QSize(1080, 1920) << owls << true;
    QTest::newRow("ultra-wide, long name, total") << QSize(3440, 720) << longName << true;
    QTest::newRow("a small window, name, total") << QSize(320, 180) << owls << true;
}

void tst_RoomView::drawsEverythingLargeAndWhole()
{
    QFETCH(QSize, size);
    QFETCH(QString, name);
    QFETCH(bool, total);

    FusionStyle style;
    RoomView view(nullptr);
    RoomState state;
    state.running = true;
    state.minuteDigit = QStringLiteral("4");
    state.readout = QStringLiteral(" 4:48");
    state.background = ColourScheme::Palette[ColourScheme::StartIndex];
    state.teamName = name;
    state.totalShown = total;
    state.total = QStringLiteral("192");
    view.setState(state);
    view.resize(size);
    const QImage shot = view.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const RoomLayout &layout = view.layout();

    // Each text's ink, found by its colour; none may spill out of its panel,
    // where it would be cut off or cover another.
    const QRect digit =
        inkBox(shot, [](QRgb p) { return near(p, ColourScheme::Display.text, 30); });
    const QRect readout =
        inkBox(shot, [](QRgb p) { return near(p, ColourScheme::Readout.text, 30); });
    QVERIFY(layout.digit.adjusted(1, 1, -1, -1).contains(digit));
    QVERIFY(layout.readout.adjusted(1, 1, -1, -1).contains(readout));
    if (total) {
        const QRect white =
            inkBox(shot, [](QRgb p) { return near(p, ColourScheme::Score.text, 30); });
        QVERIFY(!white.isEmpty());
        QVERIFY(layout.total.adjusted(1, 1, -1, -1).contains(white));
    }
    if (!name.isEmpty()) {
        // Black on cyan, outside the digit's black panel.
        QImage outside = shot;
        QPainter(&outside).fillRect(layout.digit, ColourScheme::Palette[ColourScheme::StartIndex]);
        const QRect ink = inkBox(outside, [](QRgb p) { return near(p, qRgb(0, 0, 0), 60); });
        QVERIFY(!ink.isEmpty());
        QVERIFY(layout.name.contains(ink));
        QVERIFY(ink.left() > 0 && ink.right() < size.width() - 1);
        QVERIFY2(ink.height() * 5 >= layout.name.height() * 2, "the name is shrunk too far");
    }
    const QList<QRect> parts{layout.name, layout.digit, layout.readout, layout.total};
    for (int i = 0; i < parts.size(); ++i) {
        QVERIFY(QRect(QPoint(), size).contains(parts[i]) || parts[i].isEmpty());
        for (int j = i + 1; j < parts.size(); ++j) {
            QVERIFY(!parts[i].intersects(parts[j]));
        }
    }
    // Readable across a hall: on a screen of 16:9 the digit is more than
    // half its height, the readout's digits an eighth.
    if (size.width() * 9 == size.height() * 16) {
        QVERIFY2(digit.height() * 100 >= size.height() * 55,
                 qPrintable(QString::number(digit.height())));
        QVERIFY2(readout.height() * 100 >= size.height() * 12,
                 qPrintable(QString::number(readout.height())));
    }
}

QTEST_MAIN(tst_RoomView)
#include "tst_roomview.moc"
