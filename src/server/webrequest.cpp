// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "webrequest.h"

#include <QCryptographicHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

using namespace Qt::StringLiterals;

namespace {

// Every byte is looked at whatever the others are, so that the time taken
// tells nothing about how much of a guessed token was right.
bool sameToken(QByteArrayView a, QByteArrayView b)
{
    if (a.size() != b.size()) {
        return false;
    }
    unsigned char difference = 0;
    for (qsizetype i = 0; i < a.size(); ++i) {
        difference |= static_cast<unsigned char>(a[i] ^ b[i]);
    }
    return difference == 0;
}

// The base64 sha256 of each element's content, as CSP wants it.
QByteArray hashesOf(QByteArrayView page, QByteArrayView tag)
{
    const QByteArray open = "<" + tag.toByteArray();
    const QByteArray close = "</" + tag.toByteArray();
    QByteArray sources;
    for (qsizetype at = page.indexOf(open); at >= 0; at = page.indexOf(open, at)) {
        const qsizetype after = at + open.size();
        // <scripts> or <styles> is another element.
        if (after >= page.size() || (page[after] != '>' && page[after] != ' ')) {
            at = after;
            continue;
        }
        const qsizetype start = page.indexOf('>', after) + 1;
        const qsizetype end = start > 0 ? page.indexOf(close, start) : -1;
        if (end < 0) {
            break;
        }
        const QByteArray hash =
            QCryptographicHash::hash(page.sliced(start, end - start), QCryptographicHash::Sha256);
        sources += (sources.isEmpty() ? "'sha256-" : " 'sha256-") + hash.toBase64() + "'";
        at = end;
    }
    return sources.isEmpty() ? QByteArray("'none'") : sources;
}

} // namespace

WebReply answerFor(const WebRequest &request, QByteArrayView token)
{
    if (request.headerBytes > ServerLimits::maxRequestBytes ||
        request.headerLines > ServerLimits::maxHeaderLines) {
        return {WebAnswer::TooLarge};
    }
    const bool head = request.method == "HEAD";
    if (!head && request.method != "GET") {
        return {WebAnswer::MethodNotAllowed};
    }
    // "/" TOKEN "/" and then nothing or "events": anything else, a '%', "..",
    // a NUL or a second slash included, fails the one exact comparison.
    const QByteArrayView path = request.path;
    const qsizetype prefix = token.size() + 2;
    if (request.query || token.isEmpty() || path.size() < prefix || path[0] != '/' ||
        path[prefix - 1] != '/' || !sameToken(path.sliced(1, token.size()), token)) {
        return {WebAnswer::NotFound};
    }
    const QByteArrayView rest = path.sliced(prefix);
    if (rest.isEmpty()) {
        return {WebAnswer::Page, head};
    }
    if (rest == "events") {
        return {WebAnswer::Events, head};
    }
    return {WebAnswer::NotFound};
}

QByteArray contentSecurityPolicy(QByteArrayView page)
{
    return "default-src 'none'; script-src " + hashesOf(page, "script") + "; style-src " +
        hashesOf(page, "style") + "; img-src data:; connect-src 'self'"; // not translated
}

QByteArray eventFor(const RoomState &state)
{
    // Keys of the page's show() in clock.html; "total" and "standings" only
    // while they are shown.
    QJsonObject json{
        {u"running"_s, state.running},
        {u"minute"_s, state.minuteDigit},
        {u"readout"_s, state.readout},
        {u"background"_s, u"#%1"_s.arg(uint(state.background & 0xffffff), 6, 16, QChar(u'0'))},
        {u"team"_s, state.teamName},
    };
    if (state.totalShown) {
        json[u"total"_s] = state.total;
    }
    if (state.standingsShown()) {
        QJsonArray rows;
        qsizetype bytes = 0;
        for (const RoomStanding &row : state.standings) {
            // Its share of the event, escapes left aside.
            bytes += row.team.toUtf8().size() + 40;
            if (bytes > ServerLimits::maxStandingsBytes) {
                break;
            }
            rows.append(
                QJsonObject{{u"rank"_s, row.rank}, {u"team"_s, row.team}, {u"total"_s, row.total}});
        }
        json[u"standings"_s] = rows;
    }
    // Compact JSON escapes every line break in a string: the event stays one data line.
    return "data: " + QJsonDocument(json).toJson(QJsonDocument::Compact) + "\n\n";
}
