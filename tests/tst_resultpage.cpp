// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The printed result sheet itself: the page recorded from the window, where
// it lands on paper, the names it goes by, and the system's printer.
#include "quizfixture.h"

#include <QApplication>
#include <QFile>
#include <QPaintEngine>
#include <QPainter>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QThread>

#include <array>
#include <optional>

namespace {

// An image that keeps the text drawn on it and the largest bitmap instead of
// pixels, to tell a page of text and shapes from a screen picture blown up.
class DrawingLog final : public QImage
{
public:
    explicit DrawingLog(QSize size)
        : QImage(size, QImage::Format_RGB32)
    {
    }
    QPaintEngine *paintEngine() const override { return &m_engine; }

    QStringList texts() const { return m_engine.texts; }
    qint64 largestBitmap() const { return m_engine.largestBitmap; }

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
    const QSize blocks = a.size() / 8;
    const auto means = [blocks](const QImage &image) {
        return image.copy(QRect(QPoint(), blocks * 8))
            .scaled(blocks, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    };
    return differingPixels(means(a), means(b), 40);
}

const QString TeamName = QStringLiteral("Quizzy <b>Owls</b> &amp; Co");

struct PageFixture : Fixture
{
    PageFixture() { click(QStringLiteral("cmdExpand")); }
    // The page Print Results hands the printer, of the window in its
    // expanded or compact size, with the team name typed in.
    ResultPage page(bool expanded = true)
    {
        enterName(TeamName);
        if (!expanded) {
            click(QStringLiteral("cmdExpand"));
        }
        print();
        return printer.printed.value(0);
    }
};

} // namespace

class tst_ResultPage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void pageOfTheCurrentSize_data();
    void pageOfTheCurrentSize();
    void pageKeepsTextAsText();
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

void tst_ResultPage::initTestCase()
{
    // The real printer below must find no printing service, whatever runs
    // on this machine: libcups reads this once, before its first request.
    qputenv("CUPS_SERVER", QByteArray("/nonexistent/vornaxi-test/cups.sock"));
}

void tst_ResultPage::pageOfTheCurrentSize_data()
{
    QTest::addColumn<bool>("expanded");
    QTest::newRow("compact") << false;
    QTest::newRow("expanded") << true;
}

void tst_ResultPage::pageOfTheCurrentSize()
{
    QFETCH(bool, expanded);

    PageFixture f;
    f.clickArrow(1);
    const ResultPage page = f.page(expanded);
    const QSize client = expanded ? ExpandedSize : CompactSize;
    QCOMPARE(page.size, client);
    QCOMPARE(page.teamName, TeamName);

    // The page looks like the window; drawn on a larger sheet, nothing of it
    // lies beyond the client area, so the compact page has no question column.
    const QSize sheet = ExpandedSize + QSize(20, 20);
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
    QCOMPARE(countColour(image, question1, ColourScheme::QuestionFrame.background) > 0, expanded);
}

void tst_ResultPage::pageKeepsTextAsText()
{
    PageFixture f;
    f.clickArrow(2);
    f.clickArrow(2);
    const ResultPage page = f.page();

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

void tst_ResultPage::placeOnPage_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QSizeF>("printable");
    QTest::addColumn<qreal>("dpi");
    QTest::addColumn<QSizeF>("placed");

    const QSize expanded = ExpandedSize;
    // A4 less 1/4 inch margins, at two resolutions: the designed size.
    QTest::newRow("A4 at 1200 dpi")
        << expanded << QSizeF(9342, 13530) << 1200.0 << QSizeF(expanded) * 12.5;
    QTest::newRow("A4 at 300 dpi")
        << expanded << QSizeF(2335.5, 3382.5) << 300.0 << QSizeF(expanded) * 3.125;
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

void tst_ResultPage::placeOnPage()
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

void tst_ResultPage::paintPageAtResolution_data()
{
    QTest::addColumn<int>("dpi");
    QTest::addColumn<QSize>("printable");
    QTest::addColumn<QSize>("placed");
    const QSize expanded = ExpandedSize;
    QTest::newRow("96 dpi") << 96 << QSize(700, 900) << expanded;
    QTest::newRow("300 dpi") << 300 << QSize(2000, 3000) << (QSizeF(expanded) * 3.125).toSize();
    // Too narrow: the width fills, the height follows.
    QTest::newRow("150 dpi, narrow paper")
        << 150 << QSize(400, 2000)
        << QSize(400, qRound(400.0 * expanded.height() / expanded.width()));
}

void tst_ResultPage::paintPageAtResolution()
{
    QFETCH(int, dpi);
    QFETCH(QSize, printable);
    QFETCH(QSize, placed);

    PageFixture f;
    const ResultPage page = f.page();
    QImage paper(printable, QImage::Format_RGB32);
    paper.setDotsPerMeterX(qRound(dpi / 0.0254));
    paper.setDotsPerMeterY(qRound(dpi / 0.0254));
    paper.fill(Qt::white);
    QPainter painter(&paper);
    ResultSheet::paintPage(painter, page, printable, dpi);
    painter.end();

    // What was drawn, found on the paper.
    const QRect drawn = inkBox(paper, [](QRgb c) { return c != qRgb(255, 255, 255); });
    QCOMPARE(drawn.topLeft(), QPoint(0, 0));
    QVERIFY2(std::abs(drawn.width() - placed.width()) <= 1 &&
                 std::abs(drawn.height() - placed.height()) <= 1,
             qPrintable(QStringLiteral("%1x%2").arg(drawn.width()).arg(drawn.height())));
}

void tst_ResultPage::safeNames_data()
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

void tst_ResultPage::safeNames()
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

void tst_ResultPage::noPrintingServiceIsNoPrinter()
{
    // Qt still calls a printer valid then, and would write a PDF to nowhere.
    PageFixture f;
    const ResultPage page = f.page();
    SystemResultPrinter printer;
    std::optional<PrintOutcome> outcome;
    printer.print(page, &f.window, [&outcome](PrintOutcome told) {
        QVERIFY(QThread::currentThread() == qApp->thread());
        outcome = told;
    });
    QVERIFY2(!outcome, "the window never waits for the printing service");
    QTRY_VERIFY_WITH_TIMEOUT(outcome, 3000);
    QCOMPARE(*outcome, PrintOutcome::NoPrinter);
}

void tst_ResultPage::savesOnePagePdf()
{
    PageFixture f;
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("page.pdf"));
    QVERIFY(SystemResultPrinter().saveAsPdf(f.page(), file));
    QFile pdf(file);
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    const QByteArray bytes = pdf.readAll();
    QVERIFY(bytes.startsWith("%PDF-"));
    const QRegularExpression page(QStringLiteral("/Type\\s*/Page[^s]"));
    QCOMPARE(QString::fromLatin1(bytes).count(page), 1);
}

void tst_ResultPage::unwritablePdfFails()
{
    PageFixture f;
    QVERIFY(
        !SystemResultPrinter().saveAsPdf(f.page(), QStringLiteral("/nonexistent/folder/page.pdf")));
}

QTEST_MAIN(tst_ResultPage)
#include "tst_resultpage.moc"
