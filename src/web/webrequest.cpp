// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "webrequest.h"

#include <QCryptographicHash>

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

WebReply reply(WebAnswer answer, int status)
{
    return {answer, status, false};
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

void appendJsonString(QByteArray &out, const QString &text)
{
    out += "\"";
    for (const char c : text.toUtf8()) {
        const auto byte = static_cast<unsigned char>(c);
        if (QByteArrayView("\"\\").contains(c)) {
            out += "\\";
            out += c;
        } else if (byte < 0x20) {
            // Also keeps a line break out of the event, where it would end the data line.
            static const char hex[] = "0123456789abcdef";
            out += "\\u00";
            out += hex[byte >> 4];
            out += hex[byte & 0xf];
        } else {
            out += c;
        }
    }
    out += "\"";
}

} // namespace

WebReply answerFor(const WebRequest &request, QByteArrayView token)
{
    if (request.headerBytes > maxRequestBytes || request.headerLines > maxHeaderLines) {
        return reply(WebAnswer::TooLarge, 431);
    }
    const bool head = request.method == "HEAD";
    if (!head && request.method != "GET") {
        return reply(WebAnswer::MethodNotAllowed, 405);
    }
    // "/" TOKEN "/" and then nothing or "events": anything else, a '%', "..",
    // a NUL or a second slash included, fails the one exact comparison.
    const QByteArrayView path = request.path;
    const qsizetype prefix = token.size() + 2;
    if (request.query || token.isEmpty() || path.size() < prefix || path[0] != '/' ||
        path[prefix - 1] != '/' || !sameToken(path.sliced(1, token.size()), token)) {
        return reply(WebAnswer::NotFound, 404);
    }
    const QByteArrayView rest = path.sliced(prefix);
    if (rest.isEmpty()) {
        return {WebAnswer::Page, 200, head};
    }
    if (rest == "events") {
        return {WebAnswer::Events, 200, head};
    }
    return reply(WebAnswer::NotFound, 404);
}

QByteArray contentSecurityPolicy(QByteArrayView page)
{
    return "default-src 'none'; script-src " + hashesOf(page, "script") + "; style-src " +
        hashesOf(page, "style") + "; img-src data:; connect-src 'self'"; // not translated
}

QByteArray eventFor(const RoomState &state)
{
    QByteArray out = "data: {\"running\":";
    out += state.running ? "true" : "false";
    out += ",\"minute\":";
    appendJsonString(out, state.minuteDigit);
    out += ",\"readout\":";
    appendJsonString(out, state.readout);
    out += ",\"background\":\"#";
    out += QByteArray::number(state.background & 0xffffff, 16).rightJustified(6, '0');
    out += "\",\"team\":";
    appendJsonString(out, state.teamName);
    if (state.totalShown) {
        out += ",\"total\":";
        appendJsonString(out, state.total);
    }
    out += "}\n\n";
    return out;
}
