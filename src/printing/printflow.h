// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;
class ResultPrinter;
struct ResultPage;

namespace ResultSheet {

// Prints the page. When nothing could be printed, a message over parent says
// why, once the printer knows, and offers to save the same page as a PDF
// file. Nothing here blocks: the clock keeps its own pace, and whatever is
// shown, or still to be shown, goes with parent.
void printOrOfferPdf(ResultPrinter &printer, const ResultPage &page, QWidget *parent);

} // namespace ResultSheet
