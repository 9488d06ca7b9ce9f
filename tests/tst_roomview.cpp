// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The room's view: the screen it goes to, decided without a display, and what
// it draws on screens of every shape.
#include "quizfixture.h"

#include "look/colourscheme.h"
#include "room/roomview.h"

#include <QPainter>

using Screens = QList<QRect>;
Q_DECLARE_METATYPE(RoomScreen)
Q_DECLARE_METATYPE(StandingsPage)

class tst_RoomView : public QObject
{
    Q_OBJECT

private slots:
    void chooseScreen_data();
    void chooseScreen();
    void keptOnScreen_data();
    void keptOnScreen();
    void standingsPages_data();
    void standingsPages();
    void drawsEverythingLargeAndWhole_data();
    void drawsEverythingLargeAndWhole();
};

void tst_RoomView::chooseScreen_data()
{
    QTest::addColumn<Screens>("screens");
    QTest::addColumn<int>("moderator");
    QTest::addColumn<int>("room");
    QTest::addColumn<int>("added");
    QTest::addColumn<RoomScreen>("expected");

    const QRect desk(0, 0, 1280, 1024), hd(1280, 0, 1920, 1080), uhd(3200, 0, 3840, 2160),
        small(-1280, 0, 1280, 720);
    // moderator -1: its screen went away (or is not known); room -1: the
    // view is not shown, or its screen went away.
    // clang-format off
    const struct { const char *name; Screens screens; int moderator, room, added; RoomScreen expected; } rows[] = {
        {"no screen",                    {},                    -1, -1, -1, {-1, false, -1}},
        {"one screen: a window",         {hd},                   0, -1, -1, {0, false, 0}},
        {"two: the other",               {desk, hd},             0, -1, -1, {1, true, 0}},
        {"two, moderator on the second", {desk, hd},             1, -1, -1, {0, true, 1}},
        {"the largest other",            {desk, small, uhd, hd}, 0, -1, -1, {2, true, 0}},
        {"moderator on the largest",     {uhd, small, hd},       0, -1, -1, {2, true, 0}},
        {"moderator's screen unknown",   {desk, hd},            -1, -1, -1, {1, true, 0}},
        {"plugged in, though smaller",   {desk, uhd, small},     0,  1,  2, {2, true, 0}},
        {"plugged in: the moderator's",  {desk, uhd, small},     2, -1,  2, {1, true, 2}},
        {"its own went: the largest",    {desk, small, hd},      0, -1, -1, {2, true, 0}},
        {"another went: it stays",       {desk, small, uhd},     0,  1, -1, {1, true, 0}},
        {"moderator's went, view's left",   {hd},                -1,  0, -1, {0, false, 0}},
        {"moderator's went: the smallest other", {uhd, small, hd}, -1, 0, -1, {0, true, 1}},
        {"moderator's went, view on the smallest", {hd, small},  -1,  1, -1, {1, true, 0}},
        {"moderator's went, one plugged in", {hd, desk},        -1,  0,  1, {0, true, 1}},
        {"both replaced: two new ones",  {hd, desk},            -1, -1, -1, {0, true, 1}},
    };
    // clang-format on
    for (const auto &row : rows) {
        QTest::newRow(row.name) << row.screens << row.moderator << row.room << row.added
                                << row.expected;
    }
}

void tst_RoomView::chooseScreen()
{
    QFETCH(Screens, screens);
    QFETCH(int, moderator);
    QFETCH(int, room);
    QFETCH(int, added);
    QFETCH(RoomScreen, expected);

    const RoomScreen chosen = chooseRoomScreen(screens, moderator, room, added);
    QCOMPARE(chosen, expected);
    // The moderator's window never under the view filling a screen; as a
    // window, the view is wholly on its screen, beside the moderator's.
    QVERIFY(!chosen.fullScreen || chosen.index != chosen.moderator);
    if (chosen.index >= 0) {
        const QRect moderatorWindow(screens[chosen.index].topLeft(), QSize(400, 350));
        const QRect window = windowedIn(screens[chosen.index], moderatorWindow);
        QVERIFY(!window.isEmpty() && screens[chosen.index].contains(window));
        QVERIFY(!window.intersects(moderatorWindow));
    }
}

void tst_RoomView::keptOnScreen_data()
{
    QTest::addColumn<QRect>("frame");
    QTest::addColumn<QRect>("from"); // the available areas of the screen that went
    QTest::addColumn<QRect>("to"); // and of the one that takes the window
    QTest::addColumn<QPoint>("expected");

    const QRect desk(0, 0, 1280, 1024), hd(1280, 0, 1920, 1080), left(-1280, 30, 1280, 690);
    QTest::newRow("fits: the same place")
        << QRect(100, 50, 400, 350) << desk << hd << QPoint(1380, 50);
    QTest::newRow("beyond the corner: moved in")
        << QRect(2900, 800, 400, 350) << hd << desk << QPoint(880, 674);
    QTest::newRow("below a panel, to the left")
        << QRect(1300, 0, 400, 350) << hd << left << QPoint(-1260, 30);
    QTest::newRow("taller than the screen: its top on it")
        << QRect(0, 100, 400, 900) << hd << left << QPoint(-1280, 30);
}

void tst_RoomView::keptOnScreen()
{
    QFETCH(QRect, frame);
    QFETCH(QRect, from);
    QFETCH(QRect, to);
    QFETCH(QPoint, expected);

    const QPoint at = ::keptOnScreen(frame, from, to);
    QCOMPARE(at, expected);
    // Wholly on its new screen where it fits there, else its top left corner.
    const bool fits = frame.width() <= to.width() && frame.height() <= to.height();
    QVERIFY(to.contains(QRect(at, fits ? frame.size() : QSize(1, 1))));
}

void tst_RoomView::standingsPages_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("perPage");
    QTest::addColumn<int>("page");
    QTest::addColumn<StandingsPage>("expected"); // first, count, number, pages
    QTest::newRow("none") << 0 << 8 << 0 << StandingsPage{0, 0, 0, 1};
    QTest::newRow("fewer than a page") << 3 << 8 << 0 << StandingsPage{0, 3, 0, 1};
    QTest::newRow("the last, part full") << 20 << 8 << 2 << StandingsPage{16, 4, 2, 3};
    QTest::newRow("after the last, the first") << 20 << 8 << 3 << StandingsPage{0, 8, 0, 3};
    QTest::newRow("no room: a row a page") << 3 << 0 << 1 << StandingsPage{1, 1, 1, 3};
}

void tst_RoomView::standingsPages()
{
    QFETCH(int, rows);
    QFETCH(int, perPage);
    QFETCH(int, page);
    QFETCH(StandingsPage, expected);
    QCOMPARE(standingsPage(rows, perPage, page), expected);
}

void tst_RoomView::drawsEverythingLargeAndWhole_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("total");
    QTest::addColumn<bool>("code");
    QTest::addColumn<int>("teams"); // the standings' rows; -1: the clock runs

    const QString owls = QStringLiteral("Owls");
    const QString longName = QStringLiteral("The Quizzical Owls of Upper Wibbleton on the Marsh, "
                                            "Second Team, Reserve Bench and Their Friends");
    QTest::newRow("1920x1080") << QSize(1920, 1080) << QString() << false << false << -1;
    QTest::newRow("1920x1080, name, total") << QSize(1920, 1080) << owls << true << false << -1;
    QTest::newRow("3840x2160, long name, total")
        << QSize(3840, 2160) << longName << true << false << -1;
    QTest::newRow("1280x1024, total") << QSize(1280, 1024) << QString() << true << false << -1;
    QTest::newRow("portrait, name, total") << QSize(1080, 1920) << owls << true << false << -1;
    QTest::newRow("ultra-wide, long name, total")
        << QSize(3440, 720) << longName << true << false << -1;
    QTest::newRow("a small window, name, total") << QSize(320, 180) << owls << true << false << -1;
    QTest::newRow("1920x1080, name, total, code")
        << QSize(1920, 1080) << owls << true << true << -1;
    QTest::newRow("portrait, name, total, code") << QSize(1080, 1920) << owls << true << true << -1;
    QTest::newRow("ultra-wide, code") << QSize(3440, 720) << QString() << false << true << -1;
    QTest::newRow("stopped, code") << QSize(1920, 1080) << owls << true << true << 0;
    QTest::newRow("stopped, portrait, code")
        << QSize(1080, 1920) << QString() << false << true << 0;
    QTest::newRow("standings, a page, code") << QSize(1920, 1080) << owls << true << true << 3;
    QTest::newRow("standings, pages") << QSize(1920, 1080) << QString() << false << false << 30;
    QTest::newRow("standings, portrait, pages") << QSize(1080, 1920) << owls << true << true << 40;
    QTest::newRow("standings, a small window") << QSize(320, 180) << owls << true << false << 12;
}

void tst_RoomView::drawsEverythingLargeAndWhole()
{
    QFETCH(QSize, size);
    QFETCH(QString, name);
    QFETCH(bool, total);
    QFETCH(bool, code);
    QFETCH(int, teams);

    FusionStyle style;
    RoomView view(nullptr);
    const QRgb cyan = ColourScheme::Palette[ColourScheme::StartIndex];
    QList<RoomStanding> standings;
    for (int i = 0; i < teams; ++i) {
        standings.append({i + 1, QStringLiteral("Team %1").arg(i + 1), 192 - i});
    }
    view.setState({teams < 0, QStringLiteral("4"), QStringLiteral(" 4:48"), cyan, name, total,
                   QStringLiteral("192"), standings});
    // A link's QR code (of 33 modules and its quiet zone): black on white, one pixel each.
    QImage modules(41, 41, QImage::Format_RGB32);
    modules.fill(Qt::white);
    QPainter(&modules).fillRect(4, 4, 33, 33, Qt::black);
    view.setCode(code ? modules : QImage());
    view.resize(size);
    const QImage drawn = view.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const RoomLayout &layout = view.layout();
    // The texts' inks without the code's black and white.
    QImage shot = drawn;
    QPainter(&shot).fillRect(layout.code, cyan);

    // Each text's ink, found by its colour; none may spill out of its panel,
    // where it would be cut off or cover another.
    const auto inkOf = [](const QImage &image, QRgb colour, int tolerance) {
        return inkBox(image, [=](QRgb p) { return near(p, colour, tolerance); });
    };
    const auto inside = [](const QRect &ink, const QRect &panel) {
        return !ink.isEmpty() && panel.adjusted(1, 1, -1, -1).contains(ink);
    };
    if (teams >= 0) {
        // Between periods the code is read from the back of the hall where the
        // screen's shape allows (a module a hundredth of its width), and
        // beside the standings it keeps its corner.
        const int module = code ? inkOf(drawn.copy(layout.code), qRgb(0, 0, 0), 0).width() / 33 : 0;
        QCOMPARE(module * 100 >= size.width(),
                 code && teams == 0 && size.width() * 9 <= size.height() * 16);
        // The standings' totals on their blue, down the right of the stop
        // sign's space: a row at least a fourteenth of the view's height.
        QList<int> rows;
        const auto blue = [&](int y) {
            return shot.pixel(layout.stopSign.right() - 2, y) == ColourScheme::Score.background;
        };
        for (int y = layout.stopSign.top(); y <= layout.stopSign.bottom(); ++y) {
            rows << (blue(y) && !blue(y - 1) ? QList{y} : QList<int>());
        }
        const StandingsPage page = view.standingsPage();
        QCOMPARE(rows.size(), page.count);
        QCOMPARE(page.count == teams, page.pages == 1);
        for (int i = 1; i < rows.size(); ++i) {
            QVERIFY(rows[i] - rows[i - 1] >= size.height() / 14);
        }
        // The page's number in the readout's place, where there are pages.
        QCOMPARE(teams > 0 && !inkOf(shot.copy(layout.readout), qRgb(0, 0, 0), 60).isEmpty(),
                 page.pages > 1);
        QVERIFY(QRect(QPoint(), size).contains(layout.stopSign | layout.total | layout.code));
        QVERIFY(!layout.stopSign.intersects(layout.total) &&
                !layout.stopSign.intersects(layout.code) && !layout.total.intersects(layout.code));
        return;
    }
    const QRect digit = inkOf(shot, ColourScheme::Display.text, 30);
    const QRect readout = inkOf(shot, ColourScheme::Readout.text, 30);
    QVERIFY(inside(digit, layout.digit));
    QVERIFY(inside(readout, layout.readout));
    QCOMPARE(inside(inkOf(shot, ColourScheme::Score.text, 30), layout.total), total);
    if (!name.isEmpty()) {
        // Black on cyan, outside the digit's black panel.
        QImage outside = shot;
        QPainter(&outside).fillRect(layout.digit, cyan);
        const QRect ink = inkOf(outside, qRgb(0, 0, 0), 60);
        QVERIFY(!ink.isEmpty() && layout.name.contains(ink));
        QVERIFY(ink.left() > 0 && ink.right() < size.width() - 1);
        QVERIFY2(ink.height() * 5 >= layout.name.height() * 2, "the name is shrunk too far");
    }
    if (code) {
        // Sharp: whole pixels a module, inside its corner.
        const QRect ink = inkOf(drawn.copy(layout.code), qRgb(0, 0, 0), 0);
        QVERIFY(!ink.isEmpty() && ink.width() % 33 == 0 && ink.height() == ink.width());
    }
    QCOMPARE(layout.code.isEmpty(), !code);
    const QList<QRect> parts{layout.name, layout.digit, layout.readout, layout.total, layout.code};
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
