// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

class Evening;

// The standings as CSV (RFC 4180: CRLF line ends, fields with a comma, a
// double quote, CR or LF quoted, quotes doubled), UTF-8 without a byte order
// mark, a header row first: rank, team, total, the minute of each of the
// twelve questions (empty when unanswered), and the time the sheet was filed
// in ISO 8601 with its offset. A reopened team is left out, as from the
// standings.
//
// A name that starts with = + - @, a tab or a CR would be read as a formula
// by a spreadsheet: it gets a ' in front, as spreadsheets themselves mark
// text.
QByteArray standingsCsv(const Evening &evening);

// Whole or not at all; false, with the file as it was, when it fails.
bool writeStandingsCsv(const Evening &evening, const QString &path);
