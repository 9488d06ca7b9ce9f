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
QRect ink(const QImage &image, QColor colour)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (qAbs(c.red() - colour.red()) < 40 && qAbs(c.green() - colour.green()) < 40 &&
                qAbs(c.blue() - colour.blue()) < 40) {
                box |= QRect(x, y, 1, 1);
            }
        }
    }
    return box;
}

} // namespace

class tst_Fonts : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setStyle(QStringLiteral("Fusion")); }
    void faces_data();
    void faces();
    void textsStayInsideTheirBoxes();
};

void tst_Fonts::faces_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("standIn"); // the metric-compatible face
    QTest::addColumn<int>("designedPixels");
    QTest::newRow("minute display") << "Display"
                                    << "Liberation Sans" << 171;
    QTest::newRow("clock readout") << "Label9"
                                   << "Liberation Serif" << 64;
    QTest::newRow("total score") << "score"
                                 << "Liberation Serif" << 48;
}

void tst_Fonts::faces()
{
    QFETCH(QString, control);
    QFETCH(QString, standIn);
    QFETCH(int, designedPixels);

    Fixture f;
    const QFont font = f.get(control)->font();
    const QString face = QFontInfo(font).family();
    if (fallbackRun()) {
        // Otherwise this run would test nothing new.
        QVERIFY2(!face.startsWith(QLatin1String("Liberation")) &&
                     !face.startsWith(QLatin1String("Nimbus")),
                 qPrintable(face));
        QVERIFY(font.pixelSize() <= designedPixels);
    } else {
        // With the stand-in faces the design's sizes are kept exactly.
        QCOMPARE(face, standIn);
        QCOMPARE(font.pixelSize(), designedPixels);
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

    const QRect text = ink(readout->grab().toImage(), QColor(255, 255, 0));
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

    const QRect glyph = ink(digit->grab().toImage(), QColor(224, 224, 224));
    QVERIFY(!glyph.isEmpty());
    QVERIFY(digit->rect().adjusted(1, 1, -1, -1).contains(glyph));
    QVERIFY(glyph.height() > digit->height() / 2);
}

QTEST_MAIN(tst_Fonts)
#include "tst_fonts.moc"
