// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The clock's big texts in whatever face the system has: run once with the
// usual fonts and once with the named faces taken away (VORNAXI_FALLBACK_FONTS).
#include "quizfixture.h"

#include <QApplication>
#include <QFontInfo>
#include <QLabel>

namespace {

bool fallbackRun()
{
    return qEnvironmentVariableIsSet("VORNAXI_FALLBACK_FONTS");
}

// The inked pixels of one colour (within a tolerance) in an image.
QRect ink(const QImage &image, QRgb colour)
{
    return inkBox(image, [colour](QRgb c) { return near(c, colour, 39); });
}

} // namespace

class tst_Fonts : public QObject
{
    Q_OBJECT

private slots:
    void faces_data();
    void faces();
    void textsStayInsideTheirBoxes();
};

void tst_Fonts::faces_data()
{
    QTest::addColumn<QString>("control");
    // The metric-compatible face; none for text not fitted to its box.
    QTest::addColumn<QString>("standIn");
    QTest::addColumn<double>("points"); // as designed, at 96 dpi

    using namespace Geometry;
    QTest::newRow("minute display") << "Display"
                                    << "Liberation Sans" << DisplayFont.points;
    QTest::newRow("clock readout") << "Label9"
                                   << "Liberation Serif" << ReadoutFont.points;
    QTest::newRow("total score") << "score"
                                 << "Liberation Serif" << ScoreFont.points;
    QTest::newRow("team name") << "txtTeamName"
                               << "" << TeamNameFont.points;
    QTest::newRow("window default") << "start"
                                    << "" << WindowFont.points;
    QTest::newRow("frames use the default") << "question(4)"
                                            << "" << WindowFont.points;
}

void tst_Fonts::faces()
{
    QFETCH(QString, control);
    QFETCH(QString, standIn);
    QFETCH(double, points);

    Fixture f;
    const QFont font = f.get(control)->font();
    const QFontInfo info(font);
    const int designedPixels = Geometry::pointsToPixels(points);
    QCOMPARE(info.weight(), int(QFont::Bold));
    if (standIn.isEmpty()) {
        QCOMPARE(info.pixelSize(), designedPixels);
    } else if (fallbackRun()) {
        // Otherwise this run would test nothing new.
        QVERIFY2(!info.family().startsWith(QLatin1String("Liberation")) &&
                     !info.family().startsWith(QLatin1String("Nimbus")),
                 qPrintable(info.family()));
        QVERIFY(font.pixelSize() <= designedPixels);
    } else {
        // With the stand-in faces the design's sizes are kept exactly.
        QCOMPARE(info.family(), standIn);
        QCOMPARE(info.pixelSize(), designedPixels);
    }
}

void tst_Fonts::textsStayInsideTheirBoxes()
{
    Fixture f;
    auto *readout = f.get<QLabel>(QStringLiteral("Label9"));
    auto *digit = f.get<QLabel>(QStringLiteral("Display"));
    f.click(QStringLiteral("start"));
    f.tick(239); // " 4:59", the last and among the widest
    QCOMPARE(readout->text(), QStringLiteral(" 4:59"));

    const QRect text = ink(readout->grab().toImage(), ColourScheme::Readout.text);
    QVERIFY2(!text.isEmpty(), "no readout text drawn");
    // Cut-off text runs into the box's edge.
    QVERIFY2(readout->rect().adjusted(1, 1, -1, -1).contains(text),
             qPrintable(QStringLiteral("text %1,%2 %3x%4 in %5x%6")
                            .arg(text.x())
                            .arg(text.y())
                            .arg(text.width())
                            .arg(text.height())
                            .arg(readout->width())
                            .arg(readout->height())));
    // All five characters are there: wider than four digit widths.
    QVERIFY(text.width() > readout->width() / 2);

    const QRect glyph = ink(digit->grab().toImage(), ColourScheme::Display.text);
    QVERIFY(!glyph.isEmpty());
    QVERIFY(digit->rect().adjusted(1, 1, -1, -1).contains(glyph));
    QVERIFY(glyph.height() > digit->height() / 2);
}

QTEST_MAIN(tst_Fonts)
#include "tst_fonts.moc"
