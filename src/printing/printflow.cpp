// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "printflow.h"

#include "resultprinter.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>

namespace {

// Titles tell the cases apart at a glance (and for the end-to-end test).
QString failureTitle(PrintOutcome outcome)
{
    switch (outcome) {
    case PrintOutcome::NoPrinter:
        return QCoreApplication::translate("ResultSheet", "No printer");
    case PrintOutcome::NoDefaultPrinter:
        return QCoreApplication::translate("ResultSheet", "No default printer");
    case PrintOutcome::JobFailed:
    case PrintOutcome::Printed:
        break;
    }
    return QCoreApplication::translate("ResultSheet", "Print job failed");
}

QString failureText(PrintOutcome outcome)
{
    switch (outcome) {
    case PrintOutcome::NoPrinter:
        return QCoreApplication::translate("ResultSheet",
                                           "Nothing was printed: no printer is available. "
                                           "The printing service may not be running.");
    case PrintOutcome::NoDefaultPrinter:
        return QCoreApplication::translate("ResultSheet",
                                           "Nothing was printed: no default printer is set. "
                                           "Choose one in the system's printer settings.");
    case PrintOutcome::JobFailed:
    case PrintOutcome::Printed:
        break;
    }
    return QCoreApplication::translate("ResultSheet",
                                       "Nothing was printed: the print job could not be started "
                                       "on the default printer.");
}

// A warning that closes itself: open(), not exec(), so that closing the
// window while it is up takes it along instead of returning into a window
// that is gone.
QMessageBox *warning(const QString &name, const QString &title, const QString &text,
                     QMessageBox::StandardButtons buttons, QWidget *parent)
{
    auto *box = new QMessageBox(QMessageBox::Warning, title, text, buttons, parent);
    box->setObjectName(name);
    box->setTextFormat(Qt::PlainText);
    box->setAttribute(Qt::WA_DeleteOnClose);
    return box;
}

void savePdf(ResultPrinter &printer, const ResultPage &page, const QString &fileName,
             QWidget *parent)
{
    if (printer.saveAsPdf(page, fileName)) {
        return;
    }
    warning(QStringLiteral("pdfFailed"),
            QCoreApplication::translate("ResultSheet", "PDF not saved"),
            QCoreApplication::translate("ResultSheet", "The PDF file could not be written:\n%1")
                .arg(fileName),
            QMessageBox::Ok, parent)
        ->open();
}

void offerPdf(ResultPrinter &printer, const ResultPage &page, PrintOutcome outcome, QWidget *parent)
{
    QMessageBox *box =
        warning(QStringLiteral("printFailed"), failureTitle(outcome), failureText(outcome),
                QMessageBox::Save | QMessageBox::Cancel, parent);
    box->setInformativeText(QCoreApplication::translate(
        "ResultSheet", "You can save the result sheet as a PDF file instead."));
    box->button(QMessageBox::Save)
        ->setText(QCoreApplication::translate("ResultSheet", "Save as PDF..."));
    box->setDefaultButton(QMessageBox::Save);
    QObject::connect(box, &QMessageBox::buttonClicked, parent,
                     [&printer, box, page, parent](QAbstractButton *button) {
                         if (box->standardButton(button) != QMessageBox::Save) {
                             return;
                         }
                         printer.askPdfFileName(parent, ResultSheet::pdfFileName(page.teamName),
                                                [&printer, page, parent](const QString &fileName) {
                                                    savePdf(printer, page, fileName, parent);
                                                });
                     });
    box->open();
}

} // namespace

namespace ResultSheet {

void printOrOfferPdf(ResultPrinter &printer, const ResultPage &page, QWidget *parent)
{
    printer.print(page, parent, [&printer, page, parent](PrintOutcome outcome) {
        if (outcome != PrintOutcome::Printed) {
            offerPdf(printer, page, outcome, parent);
        }
    });
}

} // namespace ResultSheet
