// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The window against images of it kept in tests/reference/: the one test
// that does not read the layout and colour tables, and so the one that sees a
// wrong number in them. After a wanted change of the look, remake the images
// with `cmake --build build --target reference-images` and look at their diff.
#include "quizfixture.h"

#include "room/roomview.h"

#include <QAction>
#include <QDir>
#include <QLineEdit>

namespace {

// A pixel differs when a channel is more than this apart: less than any
// colour worth telling apart, more than the rounding of an antialiased edge.
constexpr int ChannelTolerance = 2;
// Pixels that may differ in all, for a glyph edge drawn a shade apart by
// another build of FreeType; a control moved by one pixel changes a whole
// edge, tens of pixels at the least.
constexpr int PixelsAllowed = 8;

} // namespace

class tst_Reference : public QObject
{
    Q_OBJECT

private slots:
    void window_data();
    void window();
};

void tst_Reference::window_data()
{
    QTest::addColumn<bool>("expanded");
    QTest::addColumn<bool>("room");
    QTest::newRow("compact") << false << false;
    // Running, so that the minute display, its frame, its lines and the
    // readout show instead of the stop sign; with a team name, in its font.
    QTest::newRow("expanded") << true << false;
    // The same, as the room's view shows it on a 1920x1080 screen, with the total.
    QTest::newRow("room") << true << true;
}

void tst_Reference::window()
{
    QFETCH(bool, expanded);
    QFETCH(bool, room);

    Fixture f;
    if (expanded) {
        f.get<QPushButton>(QStringLiteral("cmdExpand"))->click();
        f.get<QPushButton>(QStringLiteral("start"))->click();
        f.get<QPushButton>(QStringLiteral("cmdEnter"))->click();
        auto *name = f.get<QLineEdit>(QStringLiteral("txtTeamName"));
        name->setText(QStringLiteral("Owls"));
        name->clearFocus(); // no text cursor, which blinks
    }
    QImage shown = f.shot();
    if (room) {
        f.clickArrow(5);
        f.clickArrow(5);
        f.audience.findChild<QAction *>(QStringLiteral("showTotal"))->trigger();
        f.audience.findChild<QAction *>(QStringLiteral("showRoom"))->trigger();
        RoomView *view = f.audience.roomView();
        view->resize(1920, 1080);
        shown = view->grab().toImage().convertToFormat(QImage::Format_RGB32);
    }
    const QString name = QString::fromLatin1(QTest::currentDataTag()) + QStringLiteral(".png");
    const QString file = QStringLiteral(VORNAXI_REFERENCE_DIR "/") + name;
    if (qEnvironmentVariableIsSet("VORNAXI_UPDATE_REFERENCES")) {
        QVERIFY(shown.save(file));
        qInfo("wrote %s", qPrintable(file));
        return;
    }

    const QImage reference = QImage(file).convertToFormat(QImage::Format_RGB32);
    QVERIFY2(!reference.isNull(), qPrintable(file));
    QCOMPARE(shown.size(), reference.size());
    QImage marked = reference; // the differing pixels in magenta, to look at
    const int differing = differingPixels(shown, reference, ChannelTolerance, &marked);
    if (differing > PixelsAllowed) {
        shown.save(QDir::current().filePath(QStringLiteral("shown-") + name));
        marked.save(QDir::current().filePath(QStringLiteral("differing-") + name));
    }
    QVERIFY2(differing <= PixelsAllowed,
             qPrintable(QStringLiteral("%1 pixels differ from %2; shown-%3 and differing-%3 in %4")
                            .arg(differing)
                            .arg(file, name, QDir::currentPath())));
}

QTEST_MAIN(tst_Reference)
#include "tst_reference.moc"
