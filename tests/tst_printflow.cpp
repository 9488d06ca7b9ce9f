// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
// Printing from the window: the team name unlocks Print Results, printing
// leaves the window as it was, and a page that could not be printed is
// offered as a PDF.
#include "quizfixture.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QScrollBar>

#include <memory>

Q_DECLARE_METATYPE(PrintOutcome)

namespace {

const QString TeamName = QStringLiteral("Quizzy <b>Owls</b> &amp; Co");

struct PrintFixture : Fixture
{
    PrintFixture()
    {
        QApplication::setActiveWindow(&window);
        [this] { QVERIFY(QTest::qWaitForWindowActive(&window)); }();
        click(QStringLiteral("cmdExpand"));
    }
    QLineEdit *name() { return get<QLineEdit>(QStringLiteral("txtTeamName")); }
    QPushButton *printButton() { return get<QPushButton>(QStringLiteral("cmdPrint")); }
    QMessageBox *message(const char *name = "printFailed")
    {
        return window.findChild<QMessageBox *>(QLatin1String(name));
    }

    // What a person sees of the window and what its controls hold.
    struct State
    {
        QSize size;
        QImage image;
        QStringList texts;
        QList<bool> enabled;
        bool running;
        int seconds;
    };
    State state()
    {
        State s{window.size(),
                shot(),
                {},
                {},
                window.periodClock().isRunning(),
                window.periodClock().seconds()};
        // The window's own controls, not those of a message over it.
        for (QLabel *label : window.findChildren<QLabel *>()) {
            if (label->window() == &window) {
                s.texts << label->text();
            }
        }
        for (QAbstractButton *button : window.findChildren<QAbstractButton *>()) {
            if (button->window() == &window) {
                s.texts << button->text();
                s.enabled << button->isEnabled();
            }
        }
        s.texts << name()->text();
        s.enabled << name()->isEnabled();
        return s;
    }
};

} // namespace

class tst_PrintFlow : public QObject
{
    Q_OBJECT

private slots:
    void enableStates_data();
    void enableStates();
    void disabledPrintPrintsNothing();
    void printingChangesNothing_data();
    void printingChangesNothing();
    void failureOffersPdf_data();
    void failureOffersPdf();
    void closingWithTheMessageOpen();
};

void tst_PrintFlow::enableStates_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<bool>("nameEnabled");
    QTest::addColumn<bool>("printEnabled");
    QTest::addColumn<QString>("text");

    QTest::newRow("at start") << QStringList{} << false << false << "";
    QTest::newRow("enter alone") << QStringList{"enter"} << true << false << "";
    QTest::newRow("enter twice") << QStringList{"enter", "enter"} << true << false << "";
    QTest::newRow("typed") << QStringList{"enter", "type:Owls"} << true << true << "Owls";
    QTest::newRow("typed and deleted")
        << QStringList{"enter", "type:Ow", "backspace", "backspace"} << true << true << "";
    QTest::newRow("enter again after typing keeps the name")
        << QStringList{"enter", "type:Owls", "away", "enter", "type:!"} << true << true << "Owls!";
    QTest::newRow("long name kept whole")
        << QStringList{"enter", "type:" + QString(300, u'x')} << true << true << QString(300, u'x');
}

void tst_PrintFlow::enableStates()
{
    QFETCH(QStringList, steps);
    QFETCH(bool, nameEnabled);
    QFETCH(bool, printEnabled);
    QFETCH(QString, text);

    PrintFixture f;
    auto *slider = f.get<QScrollBar>(QStringLiteral("setminute(3)"));
    for (const QString &step : steps) {
        if (step == QLatin1String("enter")) {
            f.click(QStringLiteral("cmdEnter"));
            // The name takes the keyboard focus, also when it had lost it.
            QCOMPARE(QApplication::focusWidget(), f.name());
        } else if (step.startsWith(QLatin1String("type:"))) {
            QTest::keyClicks(QApplication::focusWidget(), step.mid(5));
        } else if (step == QLatin1String("backspace")) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backspace);
        } else if (step == QLatin1String("away")) {
            slider->setFocus(Qt::TabFocusReason);
        }
    }
    QCOMPARE(f.name()->isEnabled(), nameEnabled);
    QCOMPARE(f.printButton()->isEnabled(), printEnabled);
    QCOMPARE(f.name()->text(), text);
    QCOMPARE(slider->value(), 0); // typing never went anywhere else
}

void tst_PrintFlow::disabledPrintPrintsNothing()
{
    PrintFixture f;
    f.click(QStringLiteral("cmdEnter"));
    QTest::mouseClick(f.printButton(), Qt::LeftButton);
    f.print();
    QVERIFY(f.printer.printed.isEmpty());
    QVERIFY(!f.message());
}

void tst_PrintFlow::printingChangesNothing_data()
{
    QTest::addColumn<PrintOutcome>("outcome");
    QTest::newRow("printed") << PrintOutcome::Printed;
    QTest::newRow("no printer") << PrintOutcome::NoPrinter;
    QTest::newRow("no default printer") << PrintOutcome::NoDefaultPrinter;
    QTest::newRow("job failed") << PrintOutcome::JobFailed;
}

void tst_PrintFlow::printingChangesNothing()
{
    QFETCH(PrintOutcome, outcome);

    PrintFixture f;
    f.printer.outcome = outcome;
    f.clickArrow(4);
    f.enterName(TeamName);
    f.click(QStringLiteral("start"));
    f.tick(75);
    const auto before = f.state();
    QVERIFY(before.running);

    f.print();
    QCOMPARE(f.printer.printed.size(), 1);
    QCOMPARE(bool(f.message()), outcome != PrintOutcome::Printed);
    const auto after = f.state();
    QCOMPARE(after.size, before.size);
    QCOMPARE(after.texts, before.texts);
    QCOMPARE(after.enabled, before.enabled);
    QCOMPARE(after.running, before.running);
    QCOMPARE(after.seconds, before.seconds);
    QCOMPARE(after.image, before.image);
    QVERIFY(f.get<TickTimer>(QStringLiteral("Timer1"))->isActive());
    // The clock goes on from where it was.
    f.tick(1);
    QCOMPARE(f.window.periodClock().seconds(), before.seconds + 1);
    QCOMPARE(f.beeper.count, 2); // Start and minute 2, nothing from printing
}

void tst_PrintFlow::failureOffersPdf_data()
{
    QTest::addColumn<PrintOutcome>("outcome");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("answer"); // "save", "cancel" or "cancel file"
    QTest::addColumn<bool>("saveSucceeds");

    const struct
    {
        const char *name;
        PrintOutcome outcome;
        const char *title;
    } failures[] = {{"no printer", PrintOutcome::NoPrinter, "No printer"},
                    {"no default", PrintOutcome::NoDefaultPrinter, "No default printer"},
                    {"job failed", PrintOutcome::JobFailed, "Print job failed"}};
    for (const auto &failure : failures) {
        for (const char *answer : {"save", "cancel", "cancel file"}) {
            QTest::addRow("%s, %s", failure.name, answer)
                << failure.outcome << failure.title << answer << true;
        }
    }
    QTest::newRow("no printer, PDF cannot be written") << PrintOutcome::NoPrinter << "No printer"
                                                       << "save" << false;
}

void tst_PrintFlow::failureOffersPdf()
{
    QFETCH(PrintOutcome, outcome);
    QFETCH(QString, title);
    QFETCH(QString, answer);
    QFETCH(bool, saveSucceeds);

    PrintFixture f;
    f.printer.outcome = outcome;
    f.printer.saveSucceeds = saveSucceeds;
    f.printer.pdfAnswer =
        answer == QLatin1String("save") ? QStringLiteral("/tmp/owls.pdf") : QString();
    f.enterName(TeamName);
    f.print();

    QPointer<QMessageBox> box = f.message();
    QVERIFY(box);
    QVERIFY(box->isVisible());
    QCOMPARE(box->windowTitle(), title);
    QVERIFY2(box->text().contains(QLatin1String("Nothing was printed")), qPrintable(box->text()));
    QVERIFY(box->informativeText().contains(QLatin1String("PDF")));
    QVERIFY(!box->text().contains(TeamName)); // the name is never read as markup here

    box->button(answer == QLatin1String("cancel") ? QMessageBox::Cancel : QMessageBox::Save)
        ->click();
    QTRY_VERIFY(!box);

    const bool asked = answer != QLatin1String("cancel");
    QCOMPARE(f.printer.suggested,
             asked ? QStringList{QStringLiteral("Results - Quizzy <b>Owls<-b> &amp; Co.pdf")}
                   : QStringList{});
    const bool saved = answer == QLatin1String("save");
    QCOMPARE(f.printer.savedTo.size(), int(saved));
    if (saved) {
        QCOMPARE(f.printer.savedTo.first(), QStringLiteral("/tmp/owls.pdf"));
        // The same page that could not be printed.
        QCOMPARE(f.printer.saved.first().size, f.printer.printed.first().size);
        QCOMPARE(f.printer.saved.first().picture.data(), f.printer.printed.first().picture.data());
    }
    QPointer<QMessageBox> failed = f.message("pdfFailed");
    QCOMPARE(bool(failed), saved && !saveSucceeds);
    if (failed) {
        QVERIFY(failed->text().contains(QLatin1String("/tmp/owls.pdf")));
        failed->button(QMessageBox::Ok)->click();
        QTRY_VERIFY(!failed);
    }
    QCOMPARE(f.printer.printed.size(), 1);
}

void tst_PrintFlow::closingWithTheMessageOpen()
{
    CountingBeeper beeper;
    KeepingPrinter printer;
    printer.outcome = PrintOutcome::NoPrinter;
    printer.pdfAnswer = QStringLiteral("/tmp/never.pdf");
    auto window = std::make_unique<frmQuizdial>(beeper, printer);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    window->findChild<QPushButton *>(QStringLiteral("cmdExpand"))->click();
    window->findChild<QPushButton *>(QStringLiteral("cmdEnter"))->click();
    window->findChild<QLineEdit *>(QStringLiteral("txtTeamName"))->setText(TeamName);
    window->findChild<QPushButton *>(QStringLiteral("cmdPrint"))->click();
    QPointer<QMessageBox> box = window->findChild<QMessageBox *>(QStringLiteral("printFailed"));
    QVERIFY(box && box->isVisible());

    window->close();
    QCoreApplication::processEvents();
    window.reset();
    QVERIFY(!box);
    QCoreApplication::processEvents();
    QVERIFY(printer.saved.isEmpty());
}

QTEST_MAIN(tst_PrintFlow)
#include "tst_printflow.moc"
