// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The window's seams to the world, made harmless: beeps counted, pages kept.
// Plain C++ and no QtTest, so that the benchmarks use them too.

#include "printing/resultprinter.h"
#include "sound/beeper.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

class CountingBeeper final : public Beeper
{
public:
    void beep() override { ++count; }
    int count = 0;
};

// Keeps every page it is handed and answers as told; never opens a dialog.
class KeepingPrinter final : public ResultPrinter
{
public:
    void print(const ResultPage &page, QObject *, Printed done) override
    {
        printed << page;
        done(outcome);
    }
    bool saveAsPdf(const ResultPage &page, const QString &fileName) override
    {
        saved << page;
        savedTo << fileName;
        return saveSucceeds;
    }
    void askPdfFileName(QWidget *, const QString &suggestedName,
                        std::function<void(const QString &)> chosen) override
    {
        suggested << suggestedName;
        if (!pdfAnswer.isEmpty()) {
            chosen(pdfAnswer);
        }
    }

    PrintOutcome outcome = PrintOutcome::Printed;
    bool saveSucceeds = true;
    QString pdfAnswer; // empty: the user cancels the file dialog
    QList<ResultPage> printed;
    QList<ResultPage> saved;
    QStringList savedTo;
    QStringList suggested;
};
