// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "scoring/scoresheet.h"

#include <QTest>

class tst_ScoreSheet : public QObject
{
    Q_OBJECT

private slots:
    void points_data();
    void points();
    void totals_data();
    void totals();
    void labels();
};

void tst_ScoreSheet::points_data()
{
    QTest::addColumn<int>("minute");
    QTest::addColumn<int>("points");
    QTest::newRow("not answered") << 0 << 0;
    QTest::newRow("minute 1") << 1 << 16;
    QTest::newRow("minute 2") << 2 << 12;
    QTest::newRow("minute 3") << 3 << 8;
    QTest::newRow("minute 4") << 4 << 4;
    QTest::newRow("below the range") << -1 << 0;
    QTest::newRow("above the range") << 5 << 0;
}

void tst_ScoreSheet::points()
{
    QFETCH(int, minute);
    QFETCH(int, points);
    QCOMPARE(ScoreSheet::pointsFor(minute), points);
}

void tst_ScoreSheet::totals_data()
{
    // Answers set in order as (question, minute) pairs; later ones overwrite.
    QTest::addColumn<QList<QPoint>>("answers");
    QTest::addColumn<QString>("total");

    auto all = [](int minute) {
        QList<QPoint> list;
        for (int q = 1; q <= ScoreSheet::QuestionCount; ++q) {
            list << QPoint(q, minute);
        }
        return list;
    };
    QTest::newRow("nothing set") << QList<QPoint>{} << "0";
    QTest::newRow("all at 1") << all(1) << "192";
    QTest::newRow("all at 4") << all(4) << "48";
    QTest::newRow("all at 0") << all(0) << "0";
    QTest::newRow("question 5 in minute 2") << QList<QPoint>{{5, 2}} << "12";
    QTest::newRow("a mix") << QList<QPoint>{{1, 1}, {2, 2}, {3, 3}, {4, 4}, {12, 1}} << "56";
    QTest::newRow("changed, not added") << QList<QPoint>{{7, 1}, {7, 3}, {7, 2}} << "12";
    QTest::newRow("moved back to 0") << QList<QPoint>{{7, 1}, {8, 2}, {7, 0}} << "12";
    QTest::newRow("all at 1 then one back") << all(1) + QList<QPoint>{{12, 0}} << "176";
}

void tst_ScoreSheet::totals()
{
    QFETCH(QList<QPoint>, answers);
    QFETCH(QString, total);
    ScoreSheet sheet;
    for (const QPoint &a : answers) {
        sheet.setAnswer(a.x(), a.y());
    }
    QCOMPARE(sheet.totalText(), total);
}

void tst_ScoreSheet::labels()
{
    ScoreSheet sheet;
    sheet.setAnswer(5, 2);
    sheet.setAnswer(6, 4);
    sheet.setAnswer(6, 0);
    QCOMPARE(sheet.minuteText(5), QStringLiteral(" 2"));
    // Back at 0 the label is empty; it does not say "X" again.
    QCOMPARE(sheet.minuteText(6), QString());
    for (int q : {1, 4, 7, 12}) {
        QCOMPARE(sheet.minuteText(q), QStringLiteral("X"));
        QCOMPARE(sheet.answer(q), 0);
    }
}

QTEST_APPLESS_MAIN(tst_ScoreSheet)
#include "tst_scoresheet.moc"
