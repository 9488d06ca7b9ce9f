// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The clock's big texts in whatever face the system has: run once with the
// usual fonts and once with the named faces taken away (VORNAXI_FALLBACK_FONTS).
// The captions in every shipped language, translated and inside their controls.
#include "app/language.h"
#include "look/faces.h"
#include "quizfixture.h"
#include "room/roomview.h"

#include <QAction>
#include <QApplication>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QRadioButton>
#include <QRegularExpression>

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

// Loads a language's translations like the program's and keeps every
// translation the window asks for; installed last, it is asked first.
class RecordingTranslator final : public QTranslator
{
public:
    QString translate(const char *context, const char *source, const char *disambiguation,
                      int n) const override
    {
        const QString text = QTranslator::translate(context, source, disambiguation, n);
        // Qt's own classes have their own translations, or none.
        if (context[0] == 'Q') {
            return text;
        }
        if (text.isEmpty()) {
            missing << QString::fromUtf8(source);
        } else {
            // A "%1" (escaped "\\%1") stands for a number in what is shown.
            given << QRegularExpression(
                QRegularExpression::anchoredPattern(QRegularExpression::escape(text).replace(
                    QStringLiteral("\\%1"), QStringLiteral("\\d+"))));
        }
        return text;
    }
    bool gave(const QString &shown) const
    {
        return std::any_of(given.cbegin(), given.cend(), [&shown](const QRegularExpression &t) {
            return t.match(shown).hasMatch();
        });
    }
    mutable QStringList missing;
    mutable QList<QRegularExpression> given;
};

// Where the caption inks the control: the pixels that change without it; a
// frame's title in its text colour (the frame is drawn round a title), above
// its slider and beside its other controls.
QRect captionInk(QWidget *control)
{
    if (qobject_cast<QGroupBox *>(control)) {
        QImage image = control->grab().toImage();
        QPainter painter(&image);
        int top = image.height();
        for (QWidget *child : control->findChildren<QWidget *>()) {
            painter.fillRect(child->geometry(), Qt::black);
            if (qobject_cast<QScrollBar *>(child)) {
                top = child->y();
            }
        }
        painter.end();
        return ink(image.copy(0, 0, image.width(), top), ColourScheme::QuestionFrame.text);
    }
    auto *button = static_cast<QAbstractButton *>(control);
    const QString caption = button->text();
    QImage marked = button->grab().toImage();
    button->setText(QString());
    differingPixels(marked, button->grab().toImage(), 0, &marked);
    button->setText(caption);
    return inkBox(marked, [](QRgb c) { return c == qRgb(255, 0, 255); });
}

} // namespace

class tst_Fonts : public QObject
{
    Q_OBJECT

private slots:
    void faces_data();
    void faces();
    void textsStayInsideTheirBoxes();
    void captionsInEveryLanguage_data();
    void captionsInEveryLanguage();
};

void tst_Fonts::faces_data()
{
    QTest::addColumn<QString>("control");
    // The metric-compatible face; none for text not fitted to its box.
    QTest::addColumn<QString>("standIn");
    QTest::addColumn<double>("points"); // as designed, at 96 dpi

    using namespace Faces;
    QTest::newRow("minute display") << "Display"
                                    << "Liberation Sans" << Digit.points;
    QTest::newRow("clock readout") << "Label9"
                                   << "Liberation Serif" << Readout.points;
    QTest::newRow("total score") << "score"
                                 << "Liberation Serif" << Total.points;
    QTest::newRow("team name") << "txtTeamName"
                               << "" << TeamName.points;
    QTest::newRow("window default") << "start"
                                    << "" << Window.points;
    QTest::newRow("frames use the default") << "question(4)"
                                            << "" << Window.points;
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

void tst_Fonts::captionsInEveryLanguage_data()
{
    QTest::addColumn<QStringList>("wanted"); // the user's languages, in order
    QTest::addColumn<QString>("language"); // the one the program speaks
    QVERIFY(Language::shipped().size() >= 4);
    for (const QString &language : Language::shipped()) {
        // As the desktop would ask for it, with a country the program does not know.
        QTest::newRow(qPrintable(language))
            << QStringList{language + QStringLiteral("_ZZ")} << language;
    }
    // LANGUAGE=en_GB:de: the source texts, unchanged.
    QTest::newRow("English before German") << QStringList{"en_GB", "de"} << QString();
}

void tst_Fonts::captionsInEveryLanguage()
{
    QFETCH(QStringList, wanted);
    QFETCH(QString, language);
    const Language installed(wanted);
    QCOMPARE(installed.name(), language);
    if (language.isEmpty()) {
        QCOMPARE(Fixture().window.windowTitle(), QStringLiteral("Vornaxi Timer v3.0"));
        return;
    }
    RecordingTranslator recorder;
    QVERIFY(recorder.load(QStringLiteral(":/i18n/vornaxi-timer_") + language));
    QCoreApplication::installTranslator(&recorder);
    Fixture f;
    f.click(QStringLiteral("cmdExpand"));
    f.audience.findChild<QAction *>(QStringLiteral("showRoom"))->trigger();
    const RoomView *room = f.audience.roomView();
    QVERIFY(room);

    const int designed = Geometry::pointsToPixels(Faces::Window.points);
    QStringList untranslated;
    for (int running = 0; running < 2; ++running) {
        QStringList shown{f.window.windowTitle(), room->windowTitle(), room->accessibleName()};
        if (!running) { // then it is the readout
            shown << room->accessibleDescription();
        }
        for (const QAction *action : f.window.actions()) {
            shown << action->text();
        }
        for (QWidget *w : f.window.findChildren<QWidget *>()) {
            shown << w->accessibleName() << w->accessibleDescription();
            if (!qobject_cast<QAbstractButton *>(w) && !qobject_cast<QGroupBox *>(w)) {
                continue;
            }
            auto *box = qobject_cast<QGroupBox *>(w);
            const QString caption = box ? box->title() : static_cast<QAbstractButton *>(w)->text();
            shown << caption;
            QVERIFY2(!caption.trimmed().isEmpty(), qPrintable(w->objectName()));
            // The layout's face, made smaller where the caption needs it.
            QCOMPARE(w->font().family(), f.window.font().family());
            QVERIFY(w->font().pixelSize() <= designed && w->font().pixelSize() >= designed * 2 / 3);
            const QRect ink = captionInk(w);
            bool clear = true; // of the controls beside a frame's title
            for (QWidget *child : w->findChildren<QWidget *>()) {
                clear = clear && !ink.intersects(child->geometry().adjusted(-1, 0, 1, 0));
            }
            // Cut-off text runs into the edge; a push button's, inside its bevel.
            const int edge = qobject_cast<QPushButton *>(w) ? 2 : 1;
            const QRect inside = w->rect().adjusted(edge, edge, -edge, -edge);
            QVERIFY2(!ink.isEmpty() && inside.contains(ink) && clear,
                     qPrintable(w->objectName() + u' ' + caption));
        }
        for (const QString &text : shown) {
            if (!text.isEmpty() && !recorder.gave(text)) {
                untranslated << text;
            }
        }
        f.click(QStringLiteral("start")); // and again with "Stop/Reset"
    }
    QCoreApplication::removeTranslator(&recorder);
    QVERIFY2(untranslated.isEmpty(), qPrintable(untranslated.join(u'|')));
    QVERIFY2(recorder.missing.isEmpty(), qPrintable(recorder.missing.join(u'|')));
}

QTEST_MAIN(tst_Fonts)
#include "tst_fonts.moc"
