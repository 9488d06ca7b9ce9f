// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "resultprinter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>
#include <QThread>
#include <QWidget>

#include <algorithm>
#include <memory>

namespace {

// A QChar is at most three bytes of UTF-8, so these keep a job title within
// the 255 bytes of an IPP name and a file name within NAME_MAX.
constexpr int MaxNameLength = 70;

const QMarginsF PdfMarginsMm{10, 10, 10, 10};

QSizeF printableSize(const QPagedPaintDevice &device, int dpi)
{
    return device.pageLayout().paintRectPixels(dpi).size();
}

} // namespace

namespace ResultSheet {

ResultPage record(QWidget &window, const QString &teamName)
{
    // Drawing commands, not a bitmap: the printer draws the text and shapes
    // at its own resolution.
    ResultPage page;
    page.size = window.size();
    page.teamName = teamName;
    QPainter painter(&page.picture);
    // QWidget::render() clips each control through the paint engine's system
    // clip, which a QPicture does not keep: a scroll bar's thumb, drawn a
    // pixel or two taller than the bar, shows that much more on paper.
    // Clipping each control by hand instead breaks more than it mends, as
    // the recorded clips of the style replace it when played.
    window.render(&painter, QPoint(0, 0), QRegion(window.rect()),
                  QWidget::DrawWindowBackground | QWidget::DrawChildren);
    painter.end();
    return page;
}

QRectF placeOnPage(const QSize &size, const QSizeF &printable, qreal dpi)
{
    if (size.isEmpty() || printable.isEmpty()) {
        return {};
    }
    const qreal designed = dpi / DesignedDpi;
    const qreal fit =
        std::min(printable.width() / size.width(), printable.height() / size.height());
    const qreal scale = std::min(designed, fit);
    return {0, 0, size.width() * scale, size.height() * scale};
}

void paintPage(QPainter &painter, const ResultPage &page, const QSizeF &printable, qreal dpi)
{
    const QRectF target = placeOnPage(page.size, printable, dpi);
    if (target.isEmpty()) {
        return;
    }
    const qreal scale = target.width() / page.size.width();
    // A picture scales itself by the device's resolution over the one it was
    // recorded at; only the rest is left to do.
    const QPaintDevice *device = painter.device();
    const qreal playedX = qreal(device->logicalDpiX()) / page.picture.logicalDpiX();
    const qreal playedY = qreal(device->logicalDpiY()) / page.picture.logicalDpiY();
    painter.save();
    painter.setClipRect(target);
    painter.translate(target.topLeft());
    // Scaling the painter rather than an image keeps the recorded text and
    // shapes as they are, drawn at the device's own resolution.
    painter.scale(scale / playedX, scale / playedY);
    painter.drawPicture(0, 0, page.picture);
    painter.restore();
}

QString safeName(const QString &teamName, int maxLength)
{
    QString name;
    name.reserve(teamName.size());
    for (const QChar c : teamName) {
        if (c == u'/' || c == u'\\') {
            name += u'-';
        } else if (c.isSurrogate() || c.isPrint()) {
            name += c;
        } else {
            // Line breaks, tabs and other controls would break a job title or
            // a file name into pieces.
            name += u' ';
        }
    }
    name = name.simplified();
    if (name.size() > maxLength) {
        int cut = maxLength;
        // Never split a character outside the BMP in half.
        if (cut > 0 && name.at(cut - 1).isHighSurrogate()) {
            --cut;
        }
        name.truncate(cut);
        name = name.trimmed();
    }
    return name;
}

QString jobTitle(const QString &teamName)
{
    const QString name = safeName(teamName, MaxNameLength);
    //: The print job's title in the printer's queue, %1 the team's name.
    return name.isEmpty()
        ? QCoreApplication::translate("ResultSheet", "Vornaxi Timer results")
        : QCoreApplication::translate("ResultSheet", "Vornaxi Timer results - %1").arg(name);
}

QString pdfFileName(const QString &teamName)
{
    QString name = safeName(teamName, MaxNameLength);
    // A name of dots alone would read as a folder.
    if (std::all_of(name.cbegin(), name.cend(), [](QChar c) { return c == u'.'; })) {
        name.clear();
    }
    //: The PDF file name offered, %1 the team's name; keep ".pdf".
    return name.isEmpty()
        ? QCoreApplication::translate("ResultSheet", "Results.pdf")
        : QCoreApplication::translate("ResultSheet", "Results - %1.pdf").arg(name);
}

} // namespace ResultSheet

namespace {

// On the job's own thread: it reads nothing the window's thread may change.
PrintOutcome printNow(const ResultPage &page, const QString &title, const QString &creator)
{
    // With the printing service down, Qt lists no printers, yet a QPrinter
    // still says it is valid: it silently turns into a PDF printer without a
    // file name. So the printers are counted first.
    if (QPrinterInfo::availablePrinterNames().isEmpty()) {
        return PrintOutcome::NoPrinter;
    }
    // Without a default Qt would print on whichever queue comes first.
    const QPrinterInfo target = QPrinterInfo::defaultPrinter();
    if (target.isNull()) {
        return PrintOutcome::NoDefaultPrinter;
    }

    QPrinter printer(target, QPrinter::HighResolution);
    printer.setDocName(title);
    printer.setCreator(creator);
    printer.setCopyCount(1);
    // The queue may have gone between the question and the job.
    if (printer.outputFormat() != QPrinter::NativeFormat) {
        return PrintOutcome::JobFailed;
    }
    QPainter painter;
    if (!painter.begin(&printer)) {
        return PrintOutcome::JobFailed;
    }
    ResultSheet::paintPage(painter, page, printableSize(printer, printer.resolution()),
                           printer.resolution());
    if (!painter.end() || printer.printerState() == QPrinter::Error) {
        return PrintOutcome::JobFailed;
    }
    return PrintOutcome::Printed;
}

} // namespace

void SystemResultPrinter::print(const ResultPage &page, QObject *context, Printed done)
{
    // The job's own copy of the page, which the window's thread does not
    // share: playing a picture moves through its data.
    ResultPage own = page;
    own.picture.detach();
    auto outcome = std::make_shared<PrintOutcome>(PrintOutcome::JobFailed);
    QThread *job =
        QThread::create([own = std::move(own), title = ResultSheet::jobTitle(page.teamName),
                         creator = QCoreApplication::applicationName(),
                         outcome] { *outcome = printNow(own, title, creator); });
    // Queued to context's thread, and dropped with context; a job still
    // waiting for the printing service when the program ends is left behind.
    QObject::connect(job, &QThread::finished, context, [outcome, done] { done(*outcome); });
    QObject::connect(job, &QThread::finished, job, &QObject::deleteLater);
    job->start();
    if (!job->isRunning() && !job->isFinished()) {
        // No thread to be had: nothing printed, as with a job that failed.
        delete job;
        done(PrintOutcome::JobFailed);
    }
}

bool SystemResultPrinter::saveAsPdf(const ResultPage &page, const QString &fileName)
{
    QPdfWriter writer(fileName);
    writer.setTitle(ResultSheet::jobTitle(page.teamName));
    writer.setCreator(QCoreApplication::applicationName());
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(PdfMarginsMm, QPageLayout::Millimeter);
    QPainter painter;
    if (!painter.begin(&writer)) {
        return false;
    }
    ResultSheet::paintPage(painter, page, printableSize(writer, writer.resolution()),
                           writer.resolution());
    return painter.end();
}

void SystemResultPrinter::askPdfFileName(QWidget *parent, const QString &suggestedName,
                                         std::function<void(const QString &)> chosen)
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    auto *dialog = new QFileDialog(
        parent, QCoreApplication::translate("ResultSheet", "Save the result sheet as PDF"),
        QDir(folder).filePath(suggestedName),
        QCoreApplication::translate("ResultSheet", "PDF files (*.pdf)"));
    dialog->setObjectName(QStringLiteral("pdfFileDialog"));
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setDefaultSuffix(QStringLiteral("pdf"));
    // Not exec(): the window may close while the dialog is open, and a
    // nested event loop would then return into a window that is gone.
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(dialog, &QFileDialog::fileSelected, parent,
                     [chosen = std::move(chosen)](const QString &file) { chosen(file); });
    dialog->open();
}
