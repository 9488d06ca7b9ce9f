// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The team name, the printed result sheet and what happens without a printer.
#include "app/geometry.h"
#include "quizfixture.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPaintEngine>
#include <QPainter>
#include <QPointer>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTemporaryDir>

#include <array>
#include <memory>

Q_DECLARE_METATYPE(PrintOutcome)

namespace {

// A paint device that keeps the text drawn on it and the largest bitmap, to
// tell a page of text and shapes from a screen picture blown up.
class DrawingLog final : public QPaintDevice
{
public:
    explicit DrawingLog(QSize size)
        : m_size(size)
    {
    }
    QPaintEngine *paintEngine() const override { return &m_engine; }

    QStringList texts() const { return m_engine.texts; }
    qint64 largestBitmap() const { return m_engine.largestBitmap; }

protected:
    int metric(PaintDeviceMetric metric) const override
    {
        switch (metric) {
        case PdmWidth:
            return m_size.width();
        case PdmHeight:
            return m_size.height();
        case PdmWidthMM:
            return m_size.width() * 254 / 960;
        case PdmHeightMM:
            return m_size.height() * 254 / 960;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return 96;
        case PdmDepth:
            return 32;
        case PdmNumColors:
            return INT_MAX;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return int(devicePixelRatioFScale());
        }
        return 0;
    }

private:
    class Engine final : public QPaintEngine
    {
    public:
        Engine()
            : QPaintEngine(AllFeatures)
        {
        }
        bool begin(QPaintDevice *) override { return true; }
        bool end() override { return true; }
        void updateState(const QPaintEngineState &) override { }
        void drawPath(const QPainterPath &) override { }
        void drawPolygon(const QPointF *, int, PolygonDrawMode) override { }
        void drawPixmap(const QRectF &, const QPixmap &pm, const QRectF &) override
        {
            largestBitmap = std::max(largestBitmap, qint64(pm.width()) * pm.height());
        }
        void drawImage(const QRectF &, const QImage &image, const QRectF &,
                       Qt::ImageConversionFlags) override
        {
            largestBitmap = std::max(largestBitmap, qint64(image.width()) * image.height());
        }
        void drawTextItem(const QPointF &, const QTextItem &item) override { texts << item.text(); }
        Type type() const override { return User; }

        QStringList texts;
        qint64 largestBitmap = 0;
    };

    QSize m_size;
    mutable Engine m_engine;
};

QImage played(const ResultPage &page, QSize canvas, QColor paper = Qt::white)
{
    QImage image(canvas, QImage::Format_RGB32);
    image.fill(paper);
    QPainter painter(&image);
    painter.drawPicture(0, 0, page.picture);
    painter.end();
    return image;
}

// How many 8 x 8 blocks of two images differ clearly in their mean colour.
int differingBlocks(const QImage &a, const QImage &b)
{
    if (a.size() != b.size()) {
        return -1;
    }
    constexpr int Block = 8;
    constexpr int Tolerance = 40;
    const auto mean = [](const QImage &image, const QRect &r) {
        int red = 0, green = 0, blue = 0;
        for (int y = r.top(); y <= r.bottom(); ++y) {
            for (int x = r.left(); x <= r.right(); ++x) {
                const QRgb p = image.pixel(x, y);
                red += qRed(p);
                green += qGreen(p);
                blue += qBlue(p);
            }
        }
        const int n = r.width() * r.height();
        return std::array<int, 3>{red / n, green / n, blue / n};
    };
    int n = 0;
    for (int y = 0; y + Block <= a.height(); y += Block) {
        for (int x = 0; x + Block <= a.width(); x += Block) {
            const QRect r(x, y, Block, Block);
            const auto ma = mean(a, r), mb = mean(b, r);
            for (int c = 0; c < 3; ++c) {
                if (std::abs(ma[c] - mb[c]) > Tolerance) {
                    ++n;
                    break;
                }
            }
        }
    }
    return n;
}

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
    void enterName(const QString &text)
    {
        click(QStringLiteral("cmdEnter"));
        QTest::keyClicks(name(), text);
    }
    void clickArrow(int n)
    {
        auto *s = get<QScrollBar>(QStringLiteral("setminute(%1)").arg(n));
        QTest::mouseClick(s, Qt::LeftButton, {}, QPoint(s->width() - 3, s->height() / 2));
    }
    // Print Results from the keyboard. (In the compact size, where no user
    // reaches the hidden button, the key goes to it all the same.)
    void print()
    {
        printButton()->setFocus(Qt::TabFocusReason);
        QTest::keyClick(printButton(), Qt::Key_Space);
    }
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
        bool operator==(const State &) const = default;
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

class tst_Printing : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void enableStates_data();
    void enableStates();
    void disabledPrintPrintsNothing();
    void pageOfTheCurrentSize_data();
    void pageOfTheCurrentSize();
    void pageKeepsTextAsText();
    void printingChangesNothing_data();
    void printingChangesNothing();
    void failureOffersPdf_data();
    void failureOffersPdf();
    void closingWithTheMessageOpen();
    void placeOnPage_data();
    void placeOnPage();
    void paintPageAtResolution_data();
    void paintPageAtResolution();
    void safeNames_data();
    void safeNames();
    void noPrintingServiceIsNoPrinter();
    void savesOnePagePdf();
    void unwritablePdfFails();
};

void tst_Printing::initTestCase()
{
    QApplication::setStyle(QStringLiteral("Fusion"));
    // The real printer below must find no printing service, whatever runs
    // on this machine: libcups reads this once, before its first request.
    qputenv("CUPS_SERVER", QByteArray("/nonexistent/vornaxi-test/cups.sock"));
}

void tst_Printing::enableStates_data()
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

void tst_Printing::enableStates()
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

void tst_Printing::disabledPrintPrintsNothing()
{
    PrintFixture f;
    f.click(QStringLiteral("cmdEnter"));
    QTest::mouseClick(f.printButton(), Qt::LeftButton);
    f.print();
    QVERIFY(f.printer.printed.isEmpty());
    QVERIFY(!f.message());
}

void tst_Printing::pageOfTheCurrentSize_data()
{
    QTest::addColumn<bool>("expanded");
    QTest::newRow("compact") << false;
    QTest::newRow("expanded") << true;
}

void tst_Printing::pageOfTheCurrentSize()
{
    QFETCH(bool, expanded);

    PrintFixture f;
    f.clickArrow(1);
    f.enterName(TeamName);
    if (!expanded) {
        f.click(QStringLiteral("cmdExpand"));
    }
    QCOMPARE(f.window.isExpanded(), expanded);
    f.print();

    QCOMPARE(f.printer.printed.size(), 1);
    const ResultPage &page = f.printer.printed.first();
    const QSize client =
        Geometry::pixels(expanded ? Geometry::ExpandedClient : Geometry::CompactClient).size();
    QCOMPARE(page.size, client);
    QCOMPARE(page.teamName, TeamName);

    // The page looks like the window; drawn on a larger sheet, nothing of it
    // lies beyond the client area, so the compact page has no question column.
    const QSize sheet = Geometry::pixels(Geometry::ExpandedClient).size() + QSize(20, 20);
    const QImage image = played(page, sheet, Qt::magenta);
    // Text may sit a pixel apart, as the page places it with sub-pixel
    // precision, and a scroll bar's thumb shows a little taller (see
    // ResultSheet::record()); everything else is the same.
    QImage onPage = image.copy(QRect(QPoint(), client));
    QImage onScreen = f.shot();
    for (QImage *i : {&onPage, &onScreen}) {
        QPainter masking(i);
        for (QScrollBar *s : f.window.findChildren<QScrollBar *>()) {
            masking.fillRect(f.inWindow(s).adjusted(0, 0, 0, 3), Qt::black);
        }
    }
    QCOMPARE(differingBlocks(onPage, onScreen), 0);
    const QRect beyond = QRect(QPoint(), sheet).adjusted(client.width(), 0, 0, 0);
    QCOMPARE(countColour(image, beyond, qRgb(255, 0, 255)), beyond.width() * beyond.height());
    const QRect below = QRect(QPoint(), sheet).adjusted(0, client.height(), 0, 0);
    QCOMPARE(countColour(image, below, qRgb(255, 0, 255)), below.width() * below.height());
    const QRect question1 = f.inWindow(f.get(QStringLiteral("question(1)")));
    QCOMPARE(countColour(image, question1, qRgb(0, 0, 255)) > 0, expanded);
}

void tst_Printing::pageKeepsTextAsText()
{
    PrintFixture f;
    f.clickArrow(2);
    f.clickArrow(2);
    f.enterName(TeamName);
    f.print();
    QCOMPARE(f.printer.printed.size(), 1);
    const ResultPage &page = f.printer.printed.first();

    DrawingLog log(page.size);
    QPainter painter(&log);
    painter.drawPicture(0, 0, page.picture);
    painter.end();
    const QStringList texts = log.texts();
    // The name exactly as typed: its markup is text, not formatting.
    QVERIFY2(texts.contains(TeamName), qPrintable(texts.join(u'|')));
    QVERIFY(texts.contains(QStringLiteral("12"))); // the total
    QVERIFY(texts.contains(QStringLiteral("Question #12")));
    QVERIFY(texts.contains(QStringLiteral("Print Results")));
    // Bitmaps are small parts (a button's face), never the whole window.
    QVERIFY2(log.largestBitmap() < qint64(page.size.width()) * page.size.height() / 8,
             qPrintable(QString::number(log.largestBitmap())));
}

void tst_Printing::printingChangesNothing_data()
{
    QTest::addColumn<PrintOutcome>("outcome");
    QTest::newRow("printed") << PrintOutcome::Printed;
    QTest::newRow("no printer") << PrintOutcome::NoPrinter;
    QTest::newRow("no default printer") << PrintOutcome::NoDefaultPrinter;
    QTest::newRow("job failed") << PrintOutcome::JobFailed;
}

void tst_Printing::printingChangesNothing()
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
    QVERIFY(f.state() == before);
    QVERIFY(f.get<TickTimer>(QStringLiteral("Timer1"))->isActive());
    // The clock goes on from where it was.
    f.tick(1);
    QCOMPARE(f.window.periodClock().seconds(), before.seconds + 1);
    QCOMPARE(f.beeper.count, 2); // Start and minute 2, nothing from printing
}

void tst_Printing::failureOffersPdf_data()
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

void tst_Printing::failureOffersPdf()
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

void tst_Printing::closingWithTheMessageOpen()
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

void tst_Printing::placeOnPage_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QSizeF>("printable");
    QTest::addColumn<qreal>("dpi");
    QTest::addColumn<QSizeF>("placed");

    const QSize expanded = Geometry::pixels(Geometry::ExpandedClient).size();
    // A4 less 1/4 inch margins, at two resolutions: the designed size.
    QTest::newRow("A4 at 1200 dpi")
        << expanded << QSizeF(9342, 13530) << 1200.0 << QSizeF(431 * 12.5, 474 * 12.5);
    QTest::newRow("A4 at 300 dpi")
        << expanded << QSizeF(2335.5, 3382.5) << 300.0 << QSizeF(431 * 3.125, 474 * 3.125);
    QTest::newRow("exactly fits") << QSize(96, 192) << QSizeF(600, 1200) << 600.0
                                  << QSizeF(600, 1200);
    // Too wide: the width fills, the height follows.
    QTest::newRow("narrow paper") << QSize(400, 100) << QSizeF(1000, 5000) << 600.0
                                  << QSizeF(1000, 250);
    // Too tall: the height fills.
    QTest::newRow("short paper") << QSize(100, 400) << QSizeF(5000, 1000) << 600.0
                                 << QSizeF(250, 1000);
    QTest::newRow("no printable area") << expanded << QSizeF(0, 0) << 600.0 << QSizeF(0, 0);
}

void tst_Printing::placeOnPage()
{
    QFETCH(QSize, size);
    QFETCH(QSizeF, printable);
    QFETCH(qreal, dpi);
    QFETCH(QSizeF, placed);

    const QRectF rect = ResultSheet::placeOnPage(size, printable, dpi);
    QCOMPARE(rect.size(), placed);
    if (!rect.isEmpty()) {
        QCOMPARE(rect.topLeft(), QPointF(0, 0));
        QVERIFY(rect.width() <= printable.width() && rect.height() <= printable.height());
        QCOMPARE(rect.width() / rect.height(), qreal(size.width()) / size.height());
    }
}

void tst_Printing::paintPageAtResolution_data()
{
    QTest::addColumn<int>("dpi");
    QTest::addColumn<QSize>("printable");
    QTest::addColumn<QSize>("placed");
    QTest::newRow("96 dpi") << 96 << QSize(700, 900) << QSize(431, 474);
    QTest::newRow("300 dpi") << 300 << QSize(2000, 3000) << QSize(1347, 1481);
    QTest::newRow("150 dpi, narrow paper") << 150 << QSize(400, 2000) << QSize(400, 440);
}

void tst_Printing::paintPageAtResolution()
{
    QFETCH(int, dpi);
    QFETCH(QSize, printable);
    QFETCH(QSize, placed);

    PrintFixture f;
    f.enterName(TeamName);
    f.print();
    QImage paper(printable, QImage::Format_RGB32);
    paper.setDotsPerMeterX(qRound(dpi / 0.0254));
    paper.setDotsPerMeterY(qRound(dpi / 0.0254));
    paper.fill(Qt::white);
    QPainter painter(&paper);
    ResultSheet::paintPage(painter, f.printer.printed.first(), printable, dpi);
    painter.end();

    // What was drawn, found on the paper.
    QRect drawn;
    for (int y = 0; y < paper.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(paper.constScanLine(y));
        for (int x = 0; x < paper.width(); ++x) {
            if (line[x] != qRgb(255, 255, 255)) {
                drawn |= QRect(x, y, 1, 1);
            }
        }
    }
    QCOMPARE(drawn.topLeft(), QPoint(0, 0));
    QVERIFY2(std::abs(drawn.width() - placed.width()) <= 1 &&
                 std::abs(drawn.height() - placed.height()) <= 1,
             qPrintable(QStringLiteral("%1x%2").arg(drawn.width()).arg(drawn.height())));
}

void tst_Printing::safeNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("pdf");
    QTest::addColumn<QString>("title");

    QTest::newRow("plain") << "Owls"
                           << "Results - Owls.pdf"
                           << "Vornaxi Timer results - Owls";
    QTest::newRow("empty") << ""
                           << "Results.pdf"
                           << "Vornaxi Timer results";
    QTest::newRow("blank") << " \t "
                           << "Results.pdf"
                           << "Vornaxi Timer results";
    QTest::newRow("path") << "../../etc/passwd"
                          << "Results - ..-..-etc-passwd.pdf"
                          << "Vornaxi Timer results - ..-..-etc-passwd";
    QTest::newRow("dots") << ".."
                          << "Results.pdf"
                          << "Vornaxi Timer results - ..";
    QTest::newRow("controls") << "A\nB\tC\x01"
                              << "Results - A B C.pdf"
                              << "Vornaxi Timer results - A B C";
    QTest::newRow("markup kept as text") << "<i>x</i> &lt;"
                                         << "Results - <i>x<-i> &lt;.pdf"
                                         << "Vornaxi Timer results - <i>x<-i> &lt;";
    QTest::newRow("umlauts") << "Füchse"
                             << "Results - Füchse.pdf"
                             << "Vornaxi Timer results - Füchse";
}

void tst_Printing::safeNames()
{
    QFETCH(QString, name);
    QFETCH(QString, pdf);
    QFETCH(QString, title);
    QCOMPARE(ResultSheet::pdfFileName(name), pdf);
    QCOMPARE(ResultSheet::jobTitle(name), title);

    // Any length of name: a job title stays a valid IPP name (255 bytes), a
    // file name within NAME_MAX, and no character is cut in half.
    const QString emoji = QString::fromUtf8("\xF0\x9F\xA6\x89"); // an owl, two QChars
    for (const QString &longName :
         {name + QString(1000, u'x'), QString(500, u'ü') + name, emoji.repeated(300),
          QStringLiteral("a") + emoji.repeated(300)}) {
        const QString t = ResultSheet::jobTitle(longName);
        const QString f = ResultSheet::pdfFileName(longName);
        QVERIFY2(t.toUtf8().size() <= 255, qPrintable(t));
        QVERIFY2(f.toUtf8().size() <= 255, qPrintable(f));
        QVERIFY(!f.contains(u'/'));
        QVERIFY(f.endsWith(QLatin1String(".pdf")));
        QVERIFY(!t.back().isHighSurrogate());
        QCOMPARE(QString::fromUtf8(f.toUtf8()), f); // whole characters only
    }
}

void tst_Printing::noPrintingServiceIsNoPrinter()
{
    // Qt still calls a printer valid then, and would write a PDF to nowhere.
    PrintFixture f;
    f.enterName(TeamName);
    f.print();
    const ResultPage page = f.printer.printed.first();
    SystemResultPrinter printer;
    QElapsedTimer clock;
    clock.start();
    QCOMPARE(printer.print(page), PrintOutcome::NoPrinter);
    QVERIFY2(clock.elapsed() < 3000, "finding no printer must not hang the window");
}

void tst_Printing::savesOnePagePdf()
{
    PrintFixture f;
    f.enterName(TeamName);
    f.print();
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("page.pdf"));
    QVERIFY(SystemResultPrinter().saveAsPdf(f.printer.printed.first(), file));
    QFile pdf(file);
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    const QByteArray bytes = pdf.readAll();
    QVERIFY(bytes.startsWith("%PDF-"));
    const QRegularExpression page(QStringLiteral("/Type\\s*/Page[^s]"));
    QCOMPARE(QString::fromLatin1(bytes).count(page), 1);
}

void tst_Printing::unwritablePdfFails()
{
    PrintFixture f;
    f.enterName(QStringLiteral("x"));
    f.print();
    QVERIFY(!SystemResultPrinter().saveAsPdf(f.printer.printed.first(),
                                             QStringLiteral("/nonexistent/folder/page.pdf")));
}

QTEST_MAIN(tst_Printing)
#include "tst_printing.moc"
