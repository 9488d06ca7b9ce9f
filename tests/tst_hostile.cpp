// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
// Input a careless or hostile user could give: huge and strange team names,
// bursts of clicks.
#include "quizfixture.h"

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>

class tst_Hostile : public QObject
{
    Q_OBJECT

private slots:
    void clickBursts();
    void hugePastedName();
    void strangeNamesArePlainText_data();
    void strangeNamesArePlainText();
};

void tst_Hostile::clickBursts()
{
    Fixture f;
    auto *readout = f.get<QLabel>(QStringLiteral("Label9"));
    for (int i = 0; i < 1000; ++i) {
        f.click(QStringLiteral("start"));
    }
    QCOMPARE(f.beeper.count, 1000);
    QVERIFY(!f.window.periodClock().isRunning());
    QCOMPARE(readout->text(), QString());
    QVERIFY(!f.get(QStringLiteral("Picture5"))->isHidden());

    f.click(QStringLiteral("start"));
    f.tick(75);
    for (int i = 0; i < 1000; ++i) {
        f.click(QStringLiteral("cmdExpand"));
    }
    QCOMPARE(f.window.size(), CompactSize);
    f.click(QStringLiteral("cmdExpand"));
    QCOMPARE(f.window.size(), ExpandedSize);
    // The period ran on through all of it.
    QCOMPARE(readout->text(), QStringLiteral(" 2:15"));
    QCOMPARE(f.beeper.count, 1002);
}

void tst_Hostile::hugePastedName()
{
    Fixture f;
    f.click(QStringLiteral("cmdExpand"));
    f.click(QStringLiteral("cmdEnter"));
    auto *name = f.get<QLineEdit>(QStringLiteral("txtTeamName"));

    QString huge;
    huge.reserve(1 << 20);
    while (huge.size() < (1 << 20)) {
        huge += QStringLiteral("The Quizzing Owls of Upper Wallop ");
    }
    huge.truncate(1 << 20);
    QGuiApplication::clipboard()->setText(huge);

    QElapsedTimer elapsed;
    elapsed.start();
    QTest::keyClick(name, Qt::Key_V, Qt::ControlModifier);
    QCoreApplication::processEvents();
    // Nothing cut off: the name has no length limit.
    QCOMPARE(name->text().size(), huge.size());
    QVERIFY(f.get(QStringLiteral("cmdPrint"))->isEnabled());

    f.click(QStringLiteral("cmdPrint"));
    QCOMPARE(f.printer.printed.size(), 1);
    QCOMPARE(f.printer.printed.first().teamName, huge);
    QCOMPARE(f.printer.printed.first().size, ExpandedSize);
    // Responsive: pasting, showing and printing take a moment, not minutes
    // (a loaded machine: 11 s).
    QVERIFY2(elapsed.elapsed() < 55000, qPrintable(QString::number(elapsed.elapsed())));
    f.window.repaint();

    // The clock is not held up either.
    f.click(QStringLiteral("start"));
    f.tick(3);
    QCOMPARE(f.get<QLabel>(QStringLiteral("Label9"))->text(), QStringLiteral(" 1:03"));
}

void tst_Hostile::strangeNamesArePlainText_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("markup") << "<b>Owls</b> &amp; <img src=x onerror=1> <i>";
    QTest::newRow("right to left") << "\u05d4\u05d9\u05e0\u05e9\u05d5\u05e4\u05d9\u05dd Team";
    QTest::newRow("bidi override") << "Team \u202eevil\u202c end";
    QTest::newRow("combining") << "Zu\u0308rich a\u0301e\u0301 Z\u0336\u0335";
    QTest::newRow("emoji")
        << "Owls \U0001F989\U0001F3C6 \U0001F468\u200D\U0001F469\u200D\U0001F467";
    QTest::newRow("control characters") << QStringLiteral("tab\there\rnul") + QChar(0) + "end";
}

void tst_Hostile::strangeNamesArePlainText()
{
    QFETCH(QString, name);
    Fixture f;
    f.click(QStringLiteral("cmdExpand"));
    f.click(QStringLiteral("cmdEnter"));
    auto *edit = f.get<QLineEdit>(QStringLiteral("txtTeamName"));
    QGuiApplication::clipboard()->setText(name);
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    // A single-line box keeps the text as typed, less line breaks.
    QString expected = name;
    expected.replace(u'\r', u' ');
    QVERIFY(edit->text().startsWith(expected.left(8)));
    // Shown character for character: nothing taken as markup (control
    // characters show as spaces).
    QCOMPARE(edit->displayText().size(), edit->text().size());

    f.click(QStringLiteral("cmdPrint"));
    QCOMPARE(f.printer.printed.size(), 1);
    QCOMPARE(f.printer.printed.first().teamName, edit->text());
    // The window itself came to no harm.
    QCOMPARE(f.window.size(), ExpandedSize);
    QCOMPARE(f.get<QLabel>(QStringLiteral("score"))->text(), QStringLiteral("0"));
}

QTEST_MAIN(tst_Hostile)
#include "tst_hostile.moc"
