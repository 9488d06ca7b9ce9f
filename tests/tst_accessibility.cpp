// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The window as a screen reader sees it, through QAccessible.
#include "quizfixture.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>

namespace {

QAccessibleInterface *accessible(QWidget *w)
{
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(w);
    if (!iface) {
        qFatal("no accessible interface for %s", qPrintable(w->objectName()));
    }
    return iface;
}

QString nameOf(QWidget *w)
{
    return accessible(w)->text(QAccessible::Name);
}

} // namespace

class tst_Accessibility : public QObject
{
    Q_OBJECT

private slots:
    void everyFocusableControlHasAName();
    void sliderNamesSayTheQuestion();
    void readoutAndDigitAreReadAsShown();
    void runAPeriodAndFillTheSheet();
};

void tst_Accessibility::everyFocusableControlHasAName()
{
    Fixture f;
    f.click(QStringLiteral("cmdExpand"));
    QStringList unnamed;
    int focusable = 0;
    for (QWidget *w : f.window.findChildren<QWidget *>()) {
        if (w->focusPolicy() == Qt::NoFocus) {
            continue;
        }
        ++focusable;
        if (nameOf(w).trimmed().isEmpty()) {
            unnamed << w->objectName();
        }
    }
    // Five push buttons, five colours, twelve sliders and the name box.
    QCOMPARE(focusable, 23);
    QCOMPARE(unnamed, QStringList());
    // The one-letter colour buttons and the arrow are spoken as words.
    QCOMPARE(nameOf(f.get(QStringLiteral("Option1(4)"))), QStringLiteral("Black background"));
    QCOMPARE(nameOf(f.get(QStringLiteral("cmdExpand"))), QStringLiteral("Score sheet"));
}

void tst_Accessibility::sliderNamesSayTheQuestion()
{
    Fixture f;
    QSet<QString> names;
    for (int n = 1; n <= frmQuizdial::QuestionCount; ++n) {
        QWidget *slider = f.get(QStringLiteral("setminute(%1)").arg(n));
        const QString name = nameOf(slider);
        QVERIFY2(name.endsWith(QStringLiteral(" %1").arg(n)), qPrintable(name));
        QVERIFY(accessible(slider)->text(QAccessible::Description).contains(QString::number(n)));
        names.insert(name);
    }
    QCOMPARE(names.size(), frmQuizdial::QuestionCount);
}

void tst_Accessibility::readoutAndDigitAreReadAsShown()
{
    Fixture f;
    QWidget *readout = f.get(QStringLiteral("Label9"));
    QWidget *digit = f.get(QStringLiteral("Display"));
    QVERIFY(accessible(readout)->text(QAccessible::Description).contains(QLatin1String("readout")));
    QVERIFY(accessible(digit)->text(QAccessible::Description).contains(QLatin1String("Minute")));
    f.click(QStringLiteral("start"));
    f.tick(65);
    QCOMPARE(nameOf(readout).trimmed(), QStringLiteral("2:05"));
    QCOMPARE(nameOf(digit), QStringLiteral("2"));
}

void tst_Accessibility::runAPeriodAndFillTheSheet()
{
    // What a screen reader does: press buttons and set values through the
    // accessibility interfaces alone.
    Fixture f;
    QAccessibleInterface *start = accessible(f.get(QStringLiteral("start")));
    QVERIFY(start->actionInterface());
    start->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    // A pressed button animates its click before it acts.
    QTRY_VERIFY(f.window.periodClock().isRunning());
    QCOMPARE(start->text(QAccessible::Name), QStringLiteral("Stop/Reset"));

    // The sheet is hidden until "Score sheet" opens it.
    accessible(f.get(QStringLiteral("cmdExpand")))
        ->actionInterface()
        ->doAction(QAccessibleActionInterface::pressAction());
    QTRY_VERIFY(f.window.isExpanded());
    QAccessibleInterface *slider = accessible(f.get(QStringLiteral("setminute(5)")));
    QVERIFY(slider->valueInterface());
    slider->valueInterface()->setCurrentValue(2);
    QCOMPARE(slider->valueInterface()->currentValue().toInt(), 2);
    QCOMPARE(nameOf(f.get(QStringLiteral("minute(5)"))), QStringLiteral(" 2"));
    QCOMPARE(nameOf(f.get(QStringLiteral("score"))), QStringLiteral("12"));

    // A colour button's Toggle action checks it, and the window takes its colour.
    accessible(f.get(QStringLiteral("Option1(3)")))
        ->actionInterface()
        ->doAction(QAccessibleActionInterface::toggleAction());
    QCOMPARE(QColor(f.shot().pixel(240, 100)), QColor::fromRgb(ColourScheme::Palette[3]));
}

QTEST_MAIN(tst_Accessibility)
#include "tst_accessibility.moc"
