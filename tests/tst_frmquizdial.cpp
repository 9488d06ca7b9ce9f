// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/decorations.h"
#include "quizfixture.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
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
    void tabOrder();
    void stopSignCoversTheDisplay();
    void periodInTheWindow();
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
    QVERIFY(!w->isHidden());
}

void tst_frmQuizdial::compactShowsOnlyTheClockPanel()
{
    Fixture f;
    QCOMPARE(f.window.size(), CompactSize);
    const QRect client = f.window.rect();
    for (const QString &name : CompactOnly) {
        QVERIFY2(client.contains(f.inWindow(f.get(name))), qPrintable(name));
    }
    for (const QString &name : expandedOnly()) {
        QVERIFY2(!client.intersects(f.inWindow(f.get(name))), qPrintable(name));
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
        QVERIFY(frame.contains(f.inWindow(f.get(QStringLiteral("setminute(%1)").arg(n)))));
        QVERIFY(frame.contains(f.inWindow(f.get(QStringLiteral("minute(%1)").arg(n)))));
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

void tst_frmQuizdial::tabOrder()
{
    Fixture f;
    QApplication::setActiveWindow(&f.window);
    QVERIFY(QTest::qWaitForWindowActive(&f.window));
    f.click(QStringLiteral("cmdExpand"));

    // Tab visits what is enabled, round and round, from QUIT on.
    auto tabRound = [&] {
        f.get(QStringLiteral("end"))->setFocus(Qt::TabFocusReason);
        QStringList visited;
        do {
            visited << QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        } while (QApplication::focusWidget()->objectName() != QLatin1String("end") &&
                 visited.size() < 100);
        return visited;
    };

    // Tab enters the colour buttons once, as one group; arrows move among them.
    QStringList sliders;
    for (int n = 1; n <= frmQuizdial::QuestionCount; ++n) {
        sliders << QStringLiteral("setminute(%1)").arg(n);
    }
    const QStringList before{"end", "Option1(0)"};
    const QStringList locked = before + sliders + QStringList{"start", "cmdEnter", "cmdExpand"};
    QCOMPARE(tabRound(), locked);

    // Once unlocked, the name box and then the print button join in place.
    f.click(QStringLiteral("cmdEnter"));
    QTest::keyClicks(f.get(QStringLiteral("txtTeamName")), QStringLiteral("Owls"));
    const QStringList unlocked =
        before + sliders + QStringList{"start", "cmdEnter", "txtTeamName", "cmdPrint", "cmdExpand"};
    QCOMPARE(tabRound(), unlocked);
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

QTEST_MAIN(tst_frmQuizdial)
#include "tst_frmquizdial.moc"
