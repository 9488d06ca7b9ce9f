// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "evening/evening.h"
#include "evening/eveningcsv.h"
#include "evening/standingsmodel.h"

#include <QTest>

namespace {
const QDateTime FirstFiling(QDate(2026, 12, 9), QTime(20, 0), Qt::OffsetFromUTC, 3600);

// '.' a slider no one moved, a digit the minute it was set to.
ScoreSheet sheetFrom(QStringView minutes)
{
    ScoreSheet sheet;
    for (int q = 1; q <= ScoreSheet::QuestionCount; ++q) {
        if (minutes[q - 1] != u'.') {
            sheet.setAnswer(q, minutes[q - 1].digitValue());
        }
    }
    return sheet;
}

QString shown(const ScoreSheet &sheet, const QString &name)
{
    QString text = name + u':';
    for (int q = 1; q <= ScoreSheet::QuestionCount; ++q) {
        text += sheet.minuteText(q) == u"X" ? u'.' : QChar(u'0' + sheet.answer(q));
    }
    return text;
}

// The standings table's rows as a view shows them: "rank team total and the
// answers in each minute | ...".
QString standingsText(const StandingsModel &model)
{
    QStringList rows;
    for (int row = 0; row < model.rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < model.columnCount(); ++column) {
            cells << model.index(row, column).data().toString();
        }
        rows << cells.join(u' ');
    }
    return rows.join(QStringLiteral(" | "));
}

// Fields of RFC 4180 text, read the way a spreadsheet reads them.
QList<QStringList> parseCsv(const QString &text)
{
    QList<QStringList> rows{{}};
    QString field;
    bool quoted = false;
    const auto next = [&](qsizetype i) { return i + 1 < text.size() ? text[i + 1] : QChar(); };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'"' && (quoted || field.isEmpty())) {
            // A doubled quote inside quotes is one quote.
            if (quoted && next(i) == u'"') {
                field += text[i++];
            } else {
                quoted = !quoted;
            }
        } else if (!quoted && c == u',') {
            rows.back() << std::exchange(field, {});
        } else if (!quoted && c == u'\r' && next(i) == u'\n') {
            rows.back() << std::exchange(field, {});
            rows.append(QStringList{});
            ++i;
        } else {
            field += c;
        }
    }
    rows.removeLast(); // after the last CRLF
    return rows;
}
} // namespace

class tst_Evening : public QObject
{
    Q_OBJECT

private slots:
    void steps_data();
    void steps();
    void csvReadsBack_data();
    void csvReadsBack();
};

// Each row plays the moderator: "file NAME MINUTES" types a sheet into the
// window and files it ("-": no name); "set Q M" moves a slider of the
// window's sheet; "next" files the window's sheet; a step after "!" must be
// refused. The window's sheet is what the evening last handed back.
void tst_Evening::steps_data()
{
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("standings");
    QTest::addColumn<QString>("window");

    const QString empty = QStringLiteral(":............");
    QTest::newRow("ranked by total, ties share a rank in filing order")
        << "file Cats 3.3.........; file Ants 11..........; file Bees 1...........; "
           "file Dogs 4..........."
        << "1 Ants 32 2 0 0 0 | 2 Cats 16 0 0 2 0 | 2 Bees 16 1 0 0 0 | 4 Dogs 4 0 0 0 1" << empty;
    QTest::newRow("an untouched sheet is not filed, a slider set back to 0 is")
        << "!file - ............; file - 2...........; file - 0...........; !next"
        << "1 Team 1 12 0 1 0 0 | 2 Team 2 0 0 0 0 0" << empty;
    QTest::newRow("undoing a filing hands the sheet back as it was")
        << "file Owls 12.0........; undo"
        << ""
        << "Owls:12.0........";
    QTest::newRow("redoing it files it again") << "file Owls 12.0........; undo; redo"
                                               << "1 Owls 28 1 1 0 0" << empty;
    QTest::newRow("an undone filing's number goes to the next sheet")
        << "file - 1...........; file - 2...........; undo; set 1 0; next"
        << "1 Team 1 16 1 0 0 0 | 2 Team 2 0 0 0 0 0" << empty;
    QTest::newRow("rename, undo a second, renamed to nothing is called by its number")
        << "file Owls 1...........; file - 2...........; rename 2 Larks; rename 2 -; undo; "
           "rename 1 -; !rename 1 -; !rename 2 Larks; !rename 9 Kites"
        << "1 Team 1 16 1 0 0 0 | 2 Larks 12 0 1 0 0" << empty;
    QTest::newRow("remove; its number is not given again")
        << "file - 1...........; file - 2...........; remove 1; undo; redo; !remove 1; "
           "file - 3..........."
        << "1 Team 2 12 0 1 0 0 | 2 Team 3 8 0 0 1 0" << empty;
    QTest::newRow("undoing a removal puts the team back in its place")
        << "file A 4...........; file B 4...........; file C 4...........; remove 2; undo"
        << "1 A 4 0 0 0 1 | 1 B 4 0 0 0 1 | 1 C 4 0 0 0 1" << empty;
    QTest::newRow("a reopened team is out of the standings, its sheet in the window")
        << "file A 4...........; file B 4.0.........; reopen 2; !remove 2; !rename 2 X"
        << "1 A 4 0 0 0 1"
        << "B:4.0.........";
    QTest::newRow("corrected and filed again into its place")
        << "file A 4...........; file B 4...........; file C 4...........; reopen 1; next; "
           "reopen 2; set 2 1; next"
        << "1 B 20 1 0 0 1 | 2 A 4 0 0 0 1 | 2 C 4 0 0 0 1" << empty;
    QTest::newRow("an unnamed reopened team keeps its number")
        << "file - 4...........; file - 3...........; reopen 1; next; file - 1..........."
        << "1 Team 3 16 1 0 0 0 | 2 Team 2 8 0 0 1 0 | 3 Team 1 4 0 0 0 1" << empty;
    QTest::newRow("undoing a filing again reopens the corrected sheet")
        << "file A 4...........; file B 4...........; reopen 2; set 2 1; next; undo"
        << "1 A 4 0 0 0 1"
        << "B:41..........";
    QTest::newRow("undoing a reopening clears the window")
        << "file A 4...........; file B 4...........; reopen 2; set 2 1; next; undo; undo"
        << "1 A 4 0 0 0 1 | 1 B 4 0 0 0 1" << empty;
    QTest::newRow("no reopening over a touched sheet, nor of a team not there")
        << "file A 1...........; set 3 2; !reopen 1; !reopen 7; next; reopen 1; !reopen 2"
        << "1 Team 2 12 0 1 0 0"
        << "A:1...........";
    QTest::newRow("a new evening starts at Team 1 with nothing to undo")
        << "file A 4...........; reopen 1; new; !next; file - 1...........; "
           "file - 2...........; undo; undo; undo; redo"
        << "1 Team 1 16 1 0 0 0" << empty;
}

void tst_Evening::steps()
{
    QFETCH(QString, steps);
    Evening evening;
    StandingsModel standings(evening);
    ScoreSheet sheet;
    QString name;
    connect(&evening, &Evening::sheetHandedBack, this, [&](const ScoreSheet &s, const QString &n) {
        sheet = s;
        name = n;
    });
    QDateTime when = FirstFiling;
    for (QString step : steps.split(u';')) {
        step = step.trimmed();
        const bool refused = step.startsWith(u'!');
        const QStringList word = step.mid(refused ? 1 : 0).split(u' ');
        const QString nameWord = word.value(2) == u"-" ? QString() : word.value(2);
        bool done = true;
        if (word[0] == u"file") {
            name = word[1] == u"-" ? QString() : word[1];
            sheet = sheetFrom(word[2]);
            done = evening.fileSheet(sheet, name, when = when.addSecs(60));
        } else if (word[0] == u"next") {
            done = evening.fileSheet(sheet, name, when = when.addSecs(60));
        } else if (word[0] == u"set") {
            sheet.setAnswer(word[1].toInt(), word[2].toInt());
        } else if (word[0] == u"new") {
            evening.startNew();
        } else if (word[0] == u"undo") {
            evening.undoStack()->undo();
        } else if (word[0] == u"redo") {
            evening.undoStack()->redo();
        } else if (word[0] == u"rename") {
            done = evening.renameTeam(word[1].toInt(), nameWord);
        } else if (word[0] == u"remove") {
            done = evening.removeTeam(word[1].toInt());
        } else if (word[0] == u"reopen") {
            done = evening.reopenTeam(word[1].toInt(), sheet, name);
        } else {
            QFAIL(qPrintable(QStringLiteral("no such step: ") + step));
        }
        QVERIFY2(done != refused, qPrintable(step));
    }
    QTEST(standingsText(standings), "standings");
    QTEST(shown(sheet, name), "window");
}

void tst_Evening::csvReadsBack_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("team");

    const char *const names[][3] = {
        {"plain", "Owls", "Owls"},
        {"comma", "Owls, the", "Owls, the"},
        {"quotes", "The \"Owls\"", "The \"Owls\""},
        {"line break made a space", "Owls\r\nof Ely", "Owls  of Ely"},
        {"beyond ASCII", "Öl ✓ 🦉", "Öl ✓ 🦉"},
        {"no name", "", "Team 1"},
    };
    for (const auto &[row, typed, team] : names) {
        QTest::newRow(row) << QString::fromUtf8(typed) << QString::fromUtf8(team);
    }
    for (const char *formula : {"=1+2", "+31 6", "-Owls", "@SUM(A1)"}) {
        QTest::newRow(formula) << formula << u'\'' + QString::fromLatin1(formula);
    }
}

void tst_Evening::csvReadsBack()
{
    QFETCH(QString, typed);
    Evening evening;
    evening.fileSheet(sheetFrom(u"12.0.......4"), typed, FirstFiling);
    evening.fileSheet(sheetFrom(u"............"), QStringLiteral("Larks"), FirstFiling);
    const QList<QStringList> rows = parseCsv(QString::fromUtf8(standingsCsv(evening)));
    QCOMPARE(rows.size(), 3);
    QCOMPARE(rows[0].join(u','), u"rank,team,total,q1,q2,q3,q4,q5,q6,q7,q8,q9,q10,q11,q12,filed");
    const QString none;
    QFETCH(QString, team);
    QCOMPARE(rows[1],
             QStringList({"1", team, "32", "1", "2", none, none, none, none, none, none, none, none,
                          none, "4", "2026-12-09T20:00:00+01:00"}));
    QCOMPARE(rows[2].mid(0, 3), QStringList({"2", "Larks", "0"}));
}

QTEST_GUILESS_MAIN(tst_Evening)
#include "tst_evening.moc"
