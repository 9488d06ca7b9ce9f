// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/decorations.h"
#include "quizfixture.h"
#include "room/roomview.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

#include <algorithm>

namespace {

const QStringList CompactOnly{"Picture5",   "Display",    "Shape1",     "Line1",      "Line2",
                              "Line3",      "Line4",      "Line5",      "Line6",      "Label9",
                              "start",      "end",        "Option1(0)", "Option1(1)", "Option1(2)",
                              "Option1(3)", "Option1(4)", "cmdExpand"};

QStringList expandedOnly()
{
    QStringList names{"score", "cmdEnter", "txtTeamName", "cmdPrint"};
    for (int n = 1; n <= frmQuizdial::QuestionCount; ++n) {
        names << QStringLiteral("question(%1)").arg(n);
    }
    return names;
}

} // namespace

class tst_frmQuizdial : public QObject
{
    Q_OBJECT

private slots:
    void startUpState_data();
    void startUpState();
    void compactShowsOnlyTheClockPanel();
    void expandedShowsEverything();
    void sizeToggle();
    void tabOrder_data();
    void tabOrder();
    void stopSignCoversTheDisplay();
    void periodInTheWindow();
    void roomSeesWhatTheWindowShows();
    void heldKeyActsOnce_data();
    void heldKeyActsOnce();
};

void tst_frmQuizdial::startUpState_data()
{
    // Colours and fonts as shown are the reference images' and the font test's.
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("enabled");

    // clang-format off
    const struct { const char *name, *text; bool enabled; } rows[] = {
        {"Display", "1", true},          {"Label9", "", true},
        {"start", "Start", true},        {"end", "QUIT", true},
        {"cmdExpand", "Score->", true},  {"score", "0", true},
        {"cmdEnter", "Enter Team Name", true},
        {"txtTeamName", "", false},      {"cmdPrint", "Print Results", false},
    };
    // clang-format on
    for (const auto &row : rows) {
        QTest::newRow(row.name) << QString::fromLatin1(row.name) << QString::fromLatin1(row.text)
                                << row.enabled;
    }
    for (int i = 0; i < ColourScheme::Count; ++i) {
        const QString name = QStringLiteral("Option1(%1)").arg(i);
        QTest::newRow(qPrintable(name)) << name << ColourScheme::Captions[i] << true;
    }
    for (int n : {1, 7, 12}) {
        const QString frame = QStringLiteral("question(%1)").arg(n);
        QTest::newRow(qPrintable(frame)) << frame << QStringLiteral("Question #%1").arg(n) << true;
        const QString label = QStringLiteral("minute(%1)").arg(n);
        QTest::newRow(qPrintable(label)) << label << "X" << true;
    }
}

void tst_frmQuizdial::startUpState()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(bool, enabled);

    Fixture f;
    QWidget *w = f.get(name);
    QString shown;
    if (auto *label = qobject_cast<QLabel *>(w)) {
        shown = label->text();
    } else if (auto *button = qobject_cast<QAbstractButton *>(w)) {
        shown = button->text();
    } else if (auto *frame = qobject_cast<QGroupBox *>(w)) {
        shown = frame->title();
    } else if (auto *edit = qobject_cast<QLineEdit *>(w)) {
        shown = edit->text();
    }
    QCOMPARE(shown, text);
    QCOMPARE(w->isEnabled(), enabled);
}

void tst_frmQuizdial::compactShowsOnlyTheClockPanel()
{
    Fixture f;
    QCOMPARE(f.window.size(), CompactSize);
    const QRect client = f.window.rect();
    for (const QString &name : CompactOnly) {
        QVERIFY2(client.contains(f.inWindow(f.get(name))), qPrintable(name));
        QVERIFY2(f.get(name)->isVisible(), qPrintable(name));
    }
    // Out of sight, and hidden, so that they take no focus.
    for (const QString &name : expandedOnly()) {
        QVERIFY2(!client.intersects(f.inWindow(f.get(name))), qPrintable(name));
        QVERIFY2(!f.get(name)->isVisible(), qPrintable(name));
    }
}

void tst_frmQuizdial::expandedShowsEverything()
{
    Fixture f;
    f.click(QStringLiteral("cmdExpand"));
    QCOMPARE(f.window.size(), ExpandedSize);
    const QRect client = f.window.rect();
    int lowest = 0, rightmostOther = 0, leftmostFrame = client.width();
    for (const QString &name : CompactOnly + expandedOnly()) {
        const QRect r = f.inWindow(f.get(name));
        QVERIFY2(client.contains(r), qPrintable(name));
        QVERIFY2(f.get(name)->isVisible(), qPrintable(name));
        lowest = std::max(lowest, r.bottom());
        if (name.startsWith(QLatin1String("question"))) {
            leftmostFrame = std::min(leftmostFrame, r.left());
        } else {
            rightmostOther = std::max(rightmostOther, r.right());
        }
    }
    QCOMPARE(f.inWindow(f.get(QStringLiteral("cmdPrint"))).bottom(), lowest);
    QVERIFY(leftmostFrame > rightmostOther);
    // The sliders and labels sit inside their frames.
    for (int n = 1; n <= frmQuizdial::QuestionCount; ++n) {
        const QRect frame = f.inWindow(f.get(QStringLiteral("question(%1)").arg(n)));
        for (QWidget *w : {f.get(QStringLiteral("setminute(%1)").arg(n)),
                           f.get(QStringLiteral("minute(%1)").arg(n))}) {
            QVERIFY(frame.contains(f.inWindow(w)));
            QVERIFY(w->isVisible());
        }
    }
}

void tst_frmQuizdial::sizeToggle()
{
    Fixture f;
    f.click(QStringLiteral("start"));
    f.tick(5);
    QList<QSize> sizes;
    for (int i = 0; i < 3; ++i) {
        f.click(QStringLiteral("cmdExpand"));
        sizes << f.window.size();
        f.tick();
    }
    QCOMPARE(sizes, (QList<QSize>{ExpandedSize, CompactSize, ExpandedSize}));
    QVERIFY(f.window.isExpanded());
    // The period went on counting and nothing beeped but the start.
    QCOMPARE(f.get<QLabel>(QStringLiteral("Label9"))->text(), QStringLiteral(" 1:08"));
    QCOMPARE(f.beeper.count, 1);
    // The user cannot drag the window to another size.
    QCOMPARE(f.window.minimumSize(), f.window.maximumSize());
}

void tst_frmQuizdial::tabOrder_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<bool>("backwards"); // Shift+Tab
    QTest::addColumn<QStringList>("round"); // from the focus after the steps
    QTest::addColumn<int>("prints");

    QStringList sliders;
    for (int n = 1; n <= frmQuizdial::QuestionCount; ++n) {
        sliders << QStringLiteral("setminute(%1)").arg(n);
    }
    QStringList backwards = sliders;
    std::reverse(backwards.begin(), backwards.end());
    // The colour buttons are one stop, at the selected colour; "T" at start-up.
    const QStringList compact{"start", "cmdExpand", "end", "Option1(2)"};
    const QStringList expanded =
        QStringList{"cmdExpand", "end", "Option1(2)"} + sliders + QStringList{"start", "cmdEnter"};
    const QStringList expand{"key:Tab", "key:Return"};
    const QStringList unlock = expand + QStringList{"key:Shift+Tab", "key:Enter", "type:Owls"};
    const QStringList unlocked = QStringList{"txtTeamName", "cmdPrint"} + expanded;

    // Only the controls of the client area take the focus, and the focus
    // starts on Start.
    QTest::newRow("compact at start-up") << QStringList{} << false << compact << 0;
    QTest::newRow("compact at start-up, Shift+Tab")
        << QStringList{} << true << QStringList{"start", "Option1(2)", "end", "cmdExpand"} << 0;
    QTest::newRow("colour chosen without the focus")
        << QStringList{"press:Option1(4)"} << false
        << QStringList{"start", "cmdExpand", "end", "Option1(4)"} << 0;
    // Return and the keypad's Enter press the focused button.
    QTest::newRow("expanded by Return on Score->") << expand << false << expanded << 0;
    QTest::newRow("expanded, Shift+Tab") << expand << true
                                         << QStringList{"cmdExpand", "cmdEnter", "start"} +
            backwards + QStringList{"Option1(2)", "end"}
                                         << 0;
    QTest::newRow("name unlocked by Enter; Return in it prints nothing")
        << unlock + QStringList{"key:Return"} << false << unlocked << 0;
    QTest::newRow("Return on Print Results prints")
        << unlock + QStringList{"key:Tab", "key:Return"} << false
        << unlocked.mid(1) + QStringList{unlocked.first()} << 1;
    QTest::newRow("compact again") << unlock + QStringList{"click:cmdExpand"} << false
                                   << QStringList{"cmdExpand", "end", "Option1(2)", "start"} << 0;
    // The focus leaves a slider that goes out of sight, to what follows it.
    QTest::newRow("compact again from a slider")
        << QStringList{"click:cmdExpand", "focus:setminute(5)", "press:cmdExpand"} << false
        << compact << 0;
}

void tst_frmQuizdial::tabOrder()
{
    QFETCH(QStringList, steps);
    QFETCH(bool, backwards);
    QFETCH(QStringList, round);
    QFETCH(int, prints);

    Fixture f;
    QApplication::setActiveWindow(&f.window);
    QVERIFY(QTest::qWaitForWindowActive(&f.window));
    for (const QString &step : steps) {
        const QString what = step.section(u':', 1);
        if (step.startsWith(QLatin1String("key:"))) {
            const QKeyCombination key = QKeySequence(what)[0];
            QTest::keyClick(QApplication::focusWidget(), key.key(), key.keyboardModifiers());
        } else if (step.startsWith(QLatin1String("type:"))) {
            QTest::keyClicks(QApplication::focusWidget(), what);
        } else if (step.startsWith(QLatin1String("click:"))) {
            QTest::mouseClick(f.get(what), Qt::LeftButton);
        } else if (step.startsWith(QLatin1String("press:"))) {
            // As a screen reader presses it: the focus stays where it is.
            f.get<QAbstractButton>(what)->click();
        } else if (step.startsWith(QLatin1String("focus:"))) {
            f.get(what)->setFocus(Qt::OtherFocusReason);
        }
    }
    QCOMPARE(f.printer.printed.size(), prints);

    // Tab (or Shift+Tab) round and round, until the focus is back.
    QWidget *first = QApplication::focusWidget();
    QVERIFY(first);
    QStringList visited;
    do {
        visited << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab,
                        backwards ? Qt::ShiftModifier : Qt::NoModifier);
    } while (QApplication::focusWidget() != first && visited.size() < 100);
    QCOMPARE(visited, round);
}

void tst_frmQuizdial::stopSignCoversTheDisplay()
{
    Fixture f;
    const QRect panel = f.inWindow(f.get(QStringLiteral("Picture5")));
    QVERIFY(panel.contains(f.inWindow(f.get(QStringLiteral("Display")))));
    QVERIFY(panel.contains(f.inWindow(f.get(QStringLiteral("Shape1")))));
    for (int i = 1; i <= Geometry::LineCount; ++i) {
        // A line is 3 pixels wide about its ends' coordinates.
        const QLine line = f.get<LineDecoration>(QStringLiteral("Line%1").arg(i))->line();
        QVERIFY2(panel.contains(QRect(line.p1(), line.p2()).normalized().adjusted(-1, -1, 1, 1)),
                 qPrintable(QString::number(i)));
    }
    // What covers what, and how it looks, is for the reference images.
}

void tst_frmQuizdial::periodInTheWindow()
{
    Fixture f;
    auto *timer = f.get<TickTimer>(QStringLiteral("Timer1"));
    auto *readout = f.get<QLabel>(QStringLiteral("Label9"));
    auto *digit = f.get<QLabel>(QStringLiteral("Display"));
    auto *start = f.get<QPushButton>(QStringLiteral("start"));
    QVERIFY(!timer->isActive());

    f.click(QStringLiteral("start"));
    QVERIFY(timer->isActive());
    QCOMPARE(start->text(), QStringLiteral("Stop/Reset"));
    QCOMPARE(readout->text(), QStringLiteral(" 1:00"));
    QCOMPARE(f.beeper.count, 1);

    f.tick(125);
    QCOMPARE(readout->text(), QStringLiteral(" 3:05"));
    QCOMPARE(digit->text(), QStringLiteral("3"));
    QCOMPARE(f.beeper.count, 3);

    f.tick(115);
    QVERIFY(!timer->isActive());
    QCOMPARE(start->text(), QStringLiteral("Start"));
    QCOMPARE(readout->text(), QStringLiteral(" 1:00"));
    QVERIFY(digit->isHidden());
    QVERIFY(!f.get(QStringLiteral("Picture5"))->isHidden());
    QCOMPARE(f.beeper.count, 5);

    // A moderator's stop empties the readout.
    f.click(QStringLiteral("start"));
    f.tick(3);
    f.click(QStringLiteral("start"));
    QCOMPARE(readout->text(), QString());
    QVERIFY(!timer->isActive());
    QVERIFY(digit->isHidden());
    QVERIFY(!f.get(QStringLiteral("Picture5"))->isHidden());
    QCOMPARE(f.beeper.count, 7);
}

void tst_frmQuizdial::roomSeesWhatTheWindowShows()
{
    Fixture f;
    auto *showRoom = f.audience.findChild<QAction *>(QStringLiteral("showRoom"));
    QVERIFY(!f.audience.roomView());
    showRoom->trigger();
    RoomView *room = f.audience.roomView();
    QVERIFY(room && room->isVisible());
    const auto inStep = [&] {
        const RoomState &s = room->state();
        QCOMPARE(s.running, f.get<TickTimer>(QStringLiteral("Timer1"))->isActive());
        QCOMPARE(s.readout, f.get<QLabel>(QStringLiteral("Label9"))->text());
        QCOMPARE(s.minuteDigit, f.get<QLabel>(QStringLiteral("Display"))->text());
        QCOMPARE(s.total, f.get<QLabel>(QStringLiteral("score"))->text());
    };
    f.click(QStringLiteral("start"));
    f.tick(61);
    inStep();
    // A clicker's keys press Start there; no other key changes the period.
    const int beeps = f.beeper.count;
    for (Qt::Key key : {Qt::Key_Right, Qt::Key_Delete, Qt::Key_S, Qt::Key_PageUp}) {
        QTest::keyClick(room, key);
    }
    QCOMPARE(f.beeper.count, beeps);
    QTest::keyClick(room, Qt::Key_PageDown);
    QCOMPARE(f.beeper.count, beeps + 1);
    inStep();
    QTest::keyClick(room, Qt::Key_Space);
    f.tick(2);
    inStep();

    // On screen too, around the panels: a corner of the view as last shown.
    const auto corner = [&] {
        const QImage shown = room->screen()->grabWindow(room->winId()).toImage();
        return shown.isNull() ? QRgb(0) : shown.pixel(0, 0);
    };
    QTRY_COMPARE(corner(), ColourScheme::Palette[ColourScheme::StartIndex]);
    f.get<QRadioButton>(QStringLiteral("Option1(4)"))->click();
    QCOMPARE(room->state().background, ColourScheme::Palette[4]);
    QTRY_COMPARE(corner(), ColourScheme::Palette[4]);
    f.enterName(QStringLiteral("Owls"));
    QCOMPARE(room->state().teamName, QStringLiteral("Owls"));
    QVERIFY(!room->state().totalShown);
    f.audience.findChild<QAction *>(QStringLiteral("showTotal"))->trigger();
    f.clickArrow(3);
    QVERIFY(room->state().totalShown);
    inStep();

    // Closed from its own window: unchecked, the program goes on, and the
    // view is gone with all it held; opened again, it shows the window's state.
    const QPointer<RoomView> closed = room;
    QVERIFY(room->close());
    QVERIFY(!showRoom->isChecked());
    QVERIFY(f.window.isVisible());
    QTRY_VERIFY(!closed);
    showRoom->trigger();
    room = f.audience.roomView();
    QVERIFY(room && room->isVisible());
    inStep();
    QCOMPARE(room->state().teamName, QStringLiteral("Owls"));
}

void tst_frmQuizdial::heldKeyActsOnce_data()
{
    QTest::addColumn<bool>("onRoom"); // on the room's view, or the window
    QTest::addColumn<QKeySequence>("key");
    QTest::addColumn<QString>("action"); // what it toggles: none for Start
    QTest::addColumn<QString>("repeats"); // as the window system sends them

    const struct
    {
        bool onRoom;
        const char *key, *action;
    } keys[] = {{false, "Space", ""},           {false, "Return", ""},
                {false, "Enter", ""},           {false, "Ctrl+R", "showRoom"},
                {false, "Ctrl+T", "showTotal"}, {true, "Space", ""},
                {true, "Return", ""},           {true, "Enter", ""},
                {true, "PgDown", ""},           {true, "Ctrl+T", "showTotal"},
                {true, "F11", "fullScreen"}};
    // Marked: Wayland, and X where Qt sees the release and the press come
    // together; presses alone: X with detectable auto-repeat; pairs: X, when
    // Qt does not see them together.
    for (const auto &key : keys) {
        for (const char *repeats : {"marked", "presses", "pairs"}) {
            QTest::addRow("%s on the %s, %s", key.key, key.onRoom ? "room" : "window", repeats)
                << key.onRoom << QKeySequence(QLatin1String(key.key)) << key.action << repeats;
        }
    }
}

void tst_frmQuizdial::heldKeyActsOnce()
{
    QFETCH(bool, onRoom);
    QFETCH(QKeySequence, key);
    QFETCH(QString, action);
    QFETCH(QString, repeats);

    Fixture f;
    QApplication::setActiveWindow(&f.window);
    QVERIFY(QTest::qWaitForWindowActive(&f.window));
    if (onRoom) {
        f.audience.findChild<QAction *>(QStringLiteral("showRoom"))->trigger();
        QApplication::setActiveWindow(f.audience.roomView());
    }
    QWindow *target = onRoom ? f.audience.roomView()->windowHandle() : f.window.windowHandle();
    auto *toggles = f.audience.findChild<QAction *>(action);
    QSignalSpy toggled(toggles ? toggles
                               : f.audience.findChild<QAction *>(QStringLiteral("showRoom")),
                       &QAction::toggled);
    QSignalSpy filled(target, &QWindow::windowStateChanged);
    // As the window system hands a key to a window: to the shortcuts first.
    const auto send = [&](QEvent::Type type, quint64 at, bool marked) {
        const auto [k, mods] = std::pair(key[0].key(), key[0].keyboardModifiers());
        if (type != QEvent::KeyPress ||
            !qt_sendShortcutOverrideEvent(target, at, k, mods, {}, marked)) {
            QKeyEvent event(type, k, mods, QString(), marked);
            event.setTimestamp(at);
            QApplication::sendEvent(target, &event);
        }
    };
    // Held twice, each time repeated after 660 ms, every 40 ms.
    for (quint64 down : {1000, 5000}) {
        send(QEvent::KeyPress, down, false);
        for (quint64 at = down + 660; at < down + 900; at += 40) {
            if (repeats != u"presses") {
                send(QEvent::KeyRelease, at, repeats == u"marked");
            }
            send(QEvent::KeyPress, at, repeats == u"marked");
        }
        send(QEvent::KeyRelease, down + 900, false);
    }
    QCOMPARE(action.isEmpty() ? f.beeper.count : int((toggles ? toggled : filled).count()), 2);
}

QTEST_MAIN(tst_frmQuizdial)
#include "tst_frmquizdial.moc"
