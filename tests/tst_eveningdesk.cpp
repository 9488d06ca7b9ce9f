// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "quizfixture.h"
#include "room/roomview.h"

#include <QAction>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

// "Next team", undo and redo as the moderator works them: the keys on the
// window, the sheet as its controls show it.
class tst_EveningDesk : public QObject
{
    Q_OBJECT

private slots:
    void steps_data();
    void steps();
    void renamingKeepsTheRow();
};

void tst_EveningDesk::steps_data()
{
    // hall:... checks what the room sees for the stop sign: rank/team/total
    // a row, rows apart by '|', '_' for a space; hall: alone, nothing.
    QTest::addColumn<QString>("steps");
    // The filed teams' names in the order of their numbers.
    QTest::addColumn<QStringList>("teams");
    // The window's sheet: a question's minute (0: set back to none), '.' never set.
    QTest::addColumn<QString>("sheet");
    QTest::addColumn<QString>("name");
    // The name's box and Print Results locked, as at start-up.
    QTest::addColumn<bool>("locked");
    // Of undo and redo, the ones enabled.
    QTest::addColumn<QString>("enabled");

    const QString empty(ScoreSheet::QuestionCount, QLatin1Char('.'));
    QTest::newRow("three teams in a row, each sheet back to start-up")
        << "q1 name:Owls next q2 q2 next q12 name:Larks next"
        << QStringList{"Owls", "Team 2", "Larks"} << empty << "" << true << "undo";
    QTest::newRow("the next sheet's name unlocks as the first one's did")
        << "q1 name:Owls next name:Larks" << QStringList{"Owls"} << empty << "Larks" << false << "";
    QTest::newRow("ignored on an untouched sheet")
        << "next" << QStringList{} << empty << "" << true << "";
    QTest::newRow("ignored while the clock runs")
        << "q1 start next" << QStringList{} << "1..........."
        << "" << true << "";
    QTest::newRow("undoing a filing brings the sheet back exactly")
        << "q5 q5 q7 name:Owls next undo" << QStringList{} << "....2.1....."
        << "Owls" << true << "redo";
    QTest::newRow("redo files it again")
        << "q5 name:Owls next undo redo" << QStringList{"Owls"} << empty << "" << true << "undo";
    QTest::newRow("no undo over a handed back sheet once changed")
        << "q5 name:Owls next undo q1 redo" << QStringList{} << "1...1......."
        << "Owls" << true << "";
    QTest::newRow("the standings for the stop sign (Ctrl+B), until Start")
        << "show hall: q1 q1 name:Owls next q1 next q3 q3 next "
           "hall:1/Team_2/16|2/Owls/12|2/Team_3/12 "
           "start hall: start hall:"
        << QStringList{"Owls", "Team 2", "Team 3"} << empty << "" << true << "undo";
    QTest::newRow("asked for in a period, shown at its end; gone with the team")
        << "q1 next start show hall: start hall:1/Team_1/16 undo hall:" << QStringList{}
        << "1..........."
        << "" << true << "redo";
    QTest::newRow("no undo over a sheet in progress")
        << "q1 next q2 undo" << QStringList{"Team 1"} << ".1.........."
        << "" << true << "";
}

void tst_EveningDesk::steps()
{
    QFETCH(QString, steps);
    QFETCH(QStringList, teams);
    QFETCH(QString, sheet);
    QFETCH(QString, name);
    QFETCH(bool, locked);
    QFETCH(QString, enabled);

    Fixture f;
    f.click(QStringLiteral("cmdExpand"));
    f.window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&f.window));
    const QHash<QString, QKeyCombination> keys{
        {"next", Qt::CTRL | Qt::Key_N},
        {"undo", Qt::CTRL | Qt::Key_Z},
        {"redo", Qt::CTRL | Qt::SHIFT | Qt::Key_Z},
        {"show", Qt::CTRL | Qt::Key_B},
    };
    for (const QString &step : steps.split(QLatin1Char(' '))) {
        if (keys.contains(step)) {
            QTest::keySequence(&f.window, QKeySequence(keys[step]));
        } else if (step.startsWith(QLatin1String("name:"))) {
            f.enterName(step.mid(5));
        } else if (step == QLatin1String("start")) {
            f.click(step);
        } else if (step.startsWith(QLatin1String("hall:"))) {
            if (!f.audience.roomView()) {
                f.audience.findChild<QAction *>(QStringLiteral("showRoom"))->trigger();
            }
            QStringList rows;
            for (const RoomStanding &row : f.audience.roomView()->state().standings) {
                rows << QStringLiteral("%1/%2/%3").arg(row.rank).arg(row.team).arg(row.total);
            }
            QCOMPARE(rows.join(QLatin1Char('|')).replace(QLatin1Char(' '), QLatin1Char('_')),
                     step.mid(5));
        } else {
            f.clickArrow(step.mid(1).toInt());
        }
    }

    QStringList filed;
    for (const FiledTeam &team : f.evening.data().teams) {
        filed << team.displayName();
    }
    QCOMPARE(filed, teams);
    ScoreSheet expected;
    for (int n = 1; n <= ScoreSheet::QuestionCount; ++n) {
        const QChar m = sheet.at(n - 1);
        if (m != QLatin1Char('.')) {
            expected.setAnswer(n, m.digitValue());
        }
        QCOMPARE(f.window.sheet().answer(n), expected.answer(n));
        QCOMPARE(f.get<QScrollBar>(QStringLiteral("setminute(%1)").arg(n))->value(),
                 expected.answer(n));
        QCOMPARE(f.get<QLabel>(QStringLiteral("minute(%1)").arg(n))->text(),
                 expected.minuteText(n));
    }
    QCOMPARE(f.get<QLabel>(QStringLiteral("score"))->text(), expected.totalText());
    QCOMPARE(f.get<QLineEdit>(QStringLiteral("txtTeamName"))->text(), name);
    QCOMPARE(f.get(QStringLiteral("txtTeamName"))->isEnabled(), !locked);
    QCOMPARE(f.get(QStringLiteral("cmdPrint"))->isEnabled(), !locked);
    QVERIFY(f.get(QStringLiteral("cmdEnter"))->isEnabled());
    QStringList on;
    for (const QAction *action : f.window.actions()) {
        const QString step = keys.key(action->shortcut()[0]);
        if ((step == QLatin1String("undo") || step == QLatin1String("redo")) &&
            action->isEnabled()) {
            on << step;
        }
    }
    QCOMPARE(on.join(QLatin1Char(' ')), enabled);
}

// Renamed in the standings window, a team's row stays selected for the next
// step, and its editor closes as it should.
void tst_EveningDesk::renamingKeepsTheRow()
{
    QTest::failOnWarning(QRegularExpression(QStringLiteral("editor")));
    Fixture f;
    f.click(QStringLiteral("cmdExpand"));
    f.clickArrow(1);
    QTest::keySequence(&f.window, QKeySequence(Qt::CTRL | Qt::Key_N));
    QDialog *standings = f.desk.standings();
    auto *table = standings->findChild<QTableView *>(QStringLiteral("table"));
    auto *rename = standings->findChild<QPushButton *>(QStringLiteral("rename"));
    standings->show();
    table->selectRow(0);
    rename->click();
    auto *editor = table->viewport()->findChild<QLineEdit *>();
    QVERIFY(editor);
    editor->setText(QStringLiteral("Larks"));
    QTest::keyClick(editor, Qt::Key_Return);
    QTRY_COMPARE(f.evening.data().teams[0].name, QStringLiteral("Larks"));
    QVERIFY(rename->isEnabled());
}

QTEST_MAIN(tst_EveningDesk)
#include "tst_eveningdesk.moc"
