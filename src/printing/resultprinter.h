// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPicture>
#include <QRectF>
#include <QSize>
#include <QString>

#include <functional>

class QObject;
class QPainter;
class QWidget;

// One printed result sheet: the window's client area recorded as drawing
// commands, so that text and shapes stay vector on paper.
struct ResultPage
{
    QPicture picture;
    // The client area in window pixels (96 per inch as designed).
    QSize size;
    QString teamName;
};

enum class PrintOutcome {
    Printed,
    // No printer at all, e.g. the printing service is not running.
    NoPrinter,
    // Printers exist but none is the default one.
    NoDefaultPrinter,
    // The default printer is there, but the job could not be started.
    JobFailed,
};

// Where the result sheet goes: paper, or a PDF file when there is no paper.
// Tests put a double here that keeps what it was given.
class ResultPrinter
{
public:
    using Printed = std::function<void(PrintOutcome)>;

    virtual ~ResultPrinter() = default;
    // One page on the default printer, without a print dialog. Never waits
    // for the printing service: done has the outcome on context's thread,
    // at once or once it is known, unless context is gone by then.
    virtual void print(const ResultPage &page, QObject *context, Printed done) = 0;
    // False when the file cannot be written.
    virtual bool saveAsPdf(const ResultPage &page, const QString &fileName) = 0;
    // Asks for a PDF file name without blocking: calls chosen with it unless
    // the user cancels. Whatever it shows is a child of parent and goes with it.
    virtual void askPdfFileName(QWidget *parent, const QString &suggestedName,
                                std::function<void(const QString &)> chosen) = 0;
};

// The system's default printer through Qt Print Support (CUPS on Linux).
// Asking for the default printer and spooling the job wait for the printing
// service, which may be slow or stopped (a network printer, a busy cupsd),
// so each print job runs on a thread of its own.
class SystemResultPrinter final : public ResultPrinter
{
public:
    void print(const ResultPage &page, QObject *context, Printed done) override;
    bool saveAsPdf(const ResultPage &page, const QString &fileName) override;
    void askPdfFileName(QWidget *parent, const QString &suggestedName,
                        std::function<void(const QString &)> chosen) override;
};

namespace ResultSheet {

inline constexpr qreal DesignedDpi = 96; // 1440 twips to the inch

// Records the widget as it shows itself at its current size, with all its
// child controls, as a page.
ResultPage record(QWidget &window, const QString &teamName);

// Where a page of size (window pixels) goes on a printable area of the given
// size (device pixels at dpi): at its designed physical size if it fits,
// otherwise scaled down to fit with its aspect kept; top left either way.
QRectF placeOnPage(const QSize &size, const QSizeF &printable, qreal dpi);

// Plays the page onto a painter whose origin is the printable area's top left.
void paintPage(QPainter &painter, const ResultPage &page, const QSizeF &printable, qreal dpi);

// The team name made safe for a job title or a file name: one line of
// printable characters, no path separators, at most maxLength characters.
QString safeName(const QString &teamName, int maxLength);

// The print job's title and the PDF file name offered, from the team name.
QString jobTitle(const QString &teamName);
QString pdfFileName(const QString &teamName);

} // namespace ResultSheet
