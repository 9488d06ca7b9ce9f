// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The score sheet and the colour buttons in the real window.
#include "quizfixture.h"

#include <QApplication>
#include <QLabel>
#include <QRadioButton>
#include <QScrollBar>

namespace {

struct SheetFixture : Fixture
{
    SheetFixture() { click(QStringLiteral("cmdExpand")); }

    QScrollBar *slider(int n) { return get<QScrollBar>(QStringLiteral("setminute(%1)").arg(n)); }
    QString label(int n) { return get<QLabel>(QStringLiteral("minute(%1)").arg(n))->text(); }
    QString total() { return get<QLabel>(QStringLiteral("score"))->text(); }
    QStringList labels()
    {
        QStringList list;
        for (int n = 1; n <= frmQuizdial::QuestionCount; ++n) {
            list << label(n);
        }
        return list;
    }
};

// Everything on screen but the window's own background and the stop-sign
// panel, one image per control.
QList<QImage> otherControls(Fixture &f)
{
    QList<QImage> images;
    for (QWidget *w : f.window.findChildren<QWidget *>()) {
        // Buttons show their own state; their colours are checked apart.
        // Lines are see-through: the window shows through them.
        if (w->objectName() != QLatin1String("Picture5") && !qobject_cast<QAbstractButton *>(w) &&
            !w->objectName().startsWith(QLatin1String("Line"))) {
            images << w->grab().toImage();
        }
    }
    return images;
}

} // namespace

class tst_SheetAndColours : public QObject
{
    Q_OBJECT

private slots:
    void arrowClicks();
    void keys();
    void dragCountsOnRelease();
    void colourButtons_data();
    void colourButtons();
    void colourSurvivesTheRest();
    void clockLeavesTheSheetAlone();
};

void tst_SheetAndColours::arrowClicks()
{
    SheetFixture f;
    QCOMPARE(f.label(5), QStringLiteral("X"));
    f.clickArrow(5, true);
    QCOMPARE(f.label(5), QStringLiteral(" 1"));
    QCOMPARE(f.total(), QStringLiteral("16"));
    f.clickArrow(5, true);
    QCOMPARE(f.slider(5)->value(), 2);
    QCOMPARE(f.label(5), QStringLiteral(" 2"));
    QCOMPARE(f.total(), QStringLiteral("12"));
    f.clickArrow(5, false);
    f.clickArrow(5, false);
    QCOMPARE(f.label(5), QString());
    QCOMPARE(f.total(), QStringLiteral("0"));
    // A click on the track moves one step too, and never past the end.
    for (int i = 0; i < 6; ++i) {
        QScrollBar *s = f.slider(9);
        QTest::mouseClick(s, Qt::LeftButton, {}, QPoint(s->width() - 20, s->height() / 2));
    }
    QCOMPARE(f.slider(9)->value(), 4);
    QCOMPARE(f.label(9), QStringLiteral(" 4"));
    QCOMPARE(f.total(), QStringLiteral("4"));
    for (int n : {1, 4, 12}) {
        QCOMPARE(f.label(n), QStringLiteral("X"));
    }
}

void tst_SheetAndColours::keys()
{
    SheetFixture f;
    QApplication::setActiveWindow(&f.window);
    QVERIFY(QTest::qWaitForWindowActive(&f.window));
    // A whole sheet from the keyboard: every question answered in minute 1.
    for (int n = 1; n <= frmQuizdial::QuestionCount; ++n) {
        f.slider(n)->setFocus(Qt::TabFocusReason);
        QTest::keyClick(f.slider(n), Qt::Key_Right);
    }
    QCOMPARE(f.total(), QStringLiteral("192"));
    QTest::keyClick(f.slider(12), Qt::Key_End);
    QCOMPARE(f.label(12), QStringLiteral(" 4"));
    QCOMPARE(f.total(), QStringLiteral("180"));
    QTest::keyClick(f.slider(12), Qt::Key_Left);
    QCOMPARE(f.label(12), QStringLiteral(" 3"));
    QTest::keyClick(f.slider(12), Qt::Key_Home);
    QCOMPARE(f.label(12), QString());
    QCOMPARE(f.total(), QStringLiteral("176"));
    QTest::keyClick(f.slider(12), Qt::Key_PageUp);
    QCOMPARE(f.label(12), QStringLiteral(" 1"));
}

void tst_SheetAndColours::dragCountsOnRelease()
{
    SheetFixture f;
    QScrollBar *s = f.slider(3);
    const QRect thumb = thumbRect(s);
    QVERIFY(thumb.isValid());

    QTest::mousePress(s, Qt::LeftButton, {}, thumb.center());
    dragMouseTo(s, QPoint(s->width() - 12, thumb.center().y()));
    // Dragged to the far end, but nothing counted yet.
    QCOMPARE(s->sliderPosition(), 4);
    QCOMPARE(s->value(), 0);
    QCOMPARE(f.label(3), QStringLiteral("X"));
    QCOMPARE(f.total(), QStringLiteral("0"));

    QTest::mouseRelease(s, Qt::LeftButton, {}, QPoint(s->width() - 12, thumb.center().y()));
    QCOMPARE(s->value(), 4);
    QCOMPARE(f.label(3), QStringLiteral(" 4"));
    QCOMPARE(f.total(), QStringLiteral("4"));
}

void tst_SheetAndColours::colourButtons_data()
{
    // The colours as designed, the one guard of the four not in the
    // reference images (which show the window cyan).
    QTest::addColumn<int>("index");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("W") << 0 << QColor(255, 255, 255);
    QTest::newRow("G") << 1 << QColor(0, 192, 0);
    QTest::newRow("T") << 2 << QColor(0, 255, 255);
    QTest::newRow("Y") << 3 << QColor(255, 255, 0);
    QTest::newRow("B") << 4 << QColor(0, 0, 0);
}

void tst_SheetAndColours::colourButtons()
{
    QFETCH(int, index);
    QFETCH(QColor, colour);

    SheetFixture f;
    // Start from another colour, so that every click has to change something.
    auto *other =
        f.get<QRadioButton>(QStringLiteral("Option1(%1)").arg((index + 1) % ColourScheme::Count));
    QTest::mouseClick(other, Qt::LeftButton);
    const QList<QImage> before = otherControls(f);

    auto *button = f.get<QRadioButton>(QStringLiteral("Option1(%1)").arg(index));
    QTest::mouseClick(button, Qt::LeftButton);
    QVERIFY(button->isChecked());

    const QImage image = f.shot();
    // Beside the stop sign, and in the panel's corner outside the octagon.
    QCOMPARE(QColor(image.pixel(240, 100)), colour);
    QCOMPARE(QColor(image.pixel(420, 470)), colour);
    const QRect panel = f.inWindow(f.get(QStringLiteral("Picture5")));
    QCOMPARE(QColor(image.pixel(panel.topLeft() + QPoint(2, 2))), colour);
    QVERIFY(otherControls(f) == before);
    for (int i = 0; i < ColourScheme::Count; ++i) {
        const QRect option = f.inWindow(f.get(QStringLiteral("Option1(%1)").arg(i)));
        QVERIFY(countColour(image, option, ColourScheme::ColourButton.background) >
                option.width() * option.height() / 3);
    }
}

void tst_SheetAndColours::colourSurvivesTheRest()
{
    SheetFixture f;
    QTest::mouseClick(f.get<QRadioButton>(QStringLiteral("Option1(4)")), Qt::LeftButton);
    f.click(QStringLiteral("cmdExpand"));
    f.click(QStringLiteral("start"));
    f.tick(61);
    f.click(QStringLiteral("cmdExpand"));
    f.clickArrow(2, true);
    f.click(QStringLiteral("start"));
    const QImage image = f.shot();
    const QColor black = QColor::fromRgb(ColourScheme::Palette[4]);
    QCOMPARE(QColor(image.pixel(240, 100)), black);
    QCOMPARE(QColor(image.pixel(10, 12)), black); // the panel
    // The frames and the colour buttons keep their own colours.
    const QRect frame = f.inWindow(f.get(QStringLiteral("question(2)")));
    QCOMPARE(QColor(image.pixel(frame.right() - 3, frame.center().y())),
             QColor(ColourScheme::QuestionFrame.background));
    const QRect option = f.inWindow(f.get(QStringLiteral("Option1(4)")));
    QVERIFY(countColour(image, option, ColourScheme::ColourButton.background) >
            option.width() * option.height() / 3);
}

void tst_SheetAndColours::clockLeavesTheSheetAlone()
{
    SheetFixture f;
    f.clickArrow(1, true);
    f.clickArrow(6, true);
    f.clickArrow(6, true);
    f.clickArrow(6, true);
    f.clickArrow(6, false);
    const QStringList labels = f.labels();
    QCOMPARE(f.total(), QStringLiteral("28"));

    f.click(QStringLiteral("start"));
    f.tick(100);
    f.click(QStringLiteral("start"));
    f.click(QStringLiteral("start"));
    f.tick(240); // to the end of the period
    QVERIFY(!f.window.periodClock().isRunning());
    QCOMPARE(f.labels(), labels);
    QCOMPARE(f.total(), QStringLiteral("28"));
    QCOMPARE(f.slider(6)->value(), 2);
}

QTEST_MAIN(tst_SheetAndColours)
#include "tst_sheetandcolours.moc"
