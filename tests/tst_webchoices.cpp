// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "server/webrequest.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

using namespace Qt::StringLiterals;

static const QByteArray token = "0123456789ABCDEF0123456789ABCDEF";

class tst_WebChoices : public QObject
{
    Q_OBJECT
private slots:
    void answer_data();
    void answer();
    void event_data();
    void event();
};

void tst_WebChoices::answer_data()
{
    QTest::addColumn<QByteArray>("method");
    QTest::addColumn<QByteArray>("path");
    QTest::addColumn<int>("headerBytes");
    QTest::addColumn<int>("headerLines");
    QTest::addColumn<WebAnswer>("answer");
    QTest::addColumn<bool>("headOnly");
    const QByteArray t = '/' + token;
    const auto row = [](const char *name, const QByteArray &method, const QByteArray &path,
                        WebAnswer answer, bool head = false, int bytes = 300, int lines = 8) {
        QTest::newRow(name) << method << path << bytes << lines << answer << head;
    };
    row("page", "GET", t + '/', WebAnswer::Page);
    row("page, head", "HEAD", t + '/', WebAnswer::Page, true);
    row("events", "GET", t + "/events", WebAnswer::Events);
    row("events, head", "HEAD", t + "/events", WebAnswer::Events, true);
    row("8 KB is still a request", "GET", t + '/', WebAnswer::Page, false, 8192, 100);
    row("no slash after the token", "GET", t, WebAnswer::NotFound);
    row("last character wrong", "GET", t.chopped(1) + "E/", WebAnswer::NotFound);
    row("lower case", "GET", t.toLower() + '/', WebAnswer::NotFound);
    row("token longer", "GET", t + "0/", WebAnswer::NotFound);
    row("token in the second part", "GET", "/x" + t + '/', WebAnswer::NotFound);
    row("events, slash", "GET", t + "/events/", WebAnswer::NotFound);
    row("PUT elsewhere", "PUT", "/x", WebAnswer::MethodNotAllowed);
    row("get in lower case", "get", t + '/', WebAnswer::MethodNotAllowed);
    row("too many lines", "GET", t + '/', WebAnswer::TooLarge, false, 900, 101);
}

void tst_WebChoices::answer()
{
    QFETCH(QByteArray, method);
    QFETCH(QByteArray, path);
    QFETCH(int, headerBytes);
    QFETCH(int, headerLines);
    QFETCH(WebAnswer, answer);
    QFETCH(bool, headOnly);
    const WebRequest request{method, path, false, headerBytes, headerLines};
    const WebReply reply = answerFor(request, token);
    QCOMPARE(reply.answer, answer);
    QCOMPARE(reply.headOnly, headOnly);
    // Served only without a query and under a token.
    const auto served = [](WebReply r) {
        return r.answer == WebAnswer::Page || r.answer == WebAnswer::Events;
    };
    QVERIFY(!served(answerFor({method, path, true, headerBytes, headerLines}, token)));
    QVERIFY(!served(answerFor(request, {})));
}

void tst_WebChoices::event_data()
{
    QTest::addColumn<RoomState>("state");
    QTest::addColumn<QByteArray>("json");
    QTest::newRow("running, total")
        << RoomState{true, u"2"_s, u" 1:05"_s, 0xffc0c0c0, u"Owls"_s, true, u"48"_s, {}}
        << R"({"running":true,"minute":"2","readout":" 1:05","background":"#c0c0c0","team":"Owls","total":"48"})"_ba;
    QTest::newRow("stopped, no total")
        << RoomState{false, {}, {}, 0x0000a0b, {}, false, u"48"_s, {}}
        << R"({"running":false,"minute":"","readout":"","background":"#000a0b","team":""})"_ba;
    QTest::newRow("quotes, line breaks, controls")
        << RoomState{false, {}, {}, 0, u"\"A\\B\"\r\n\t\x01 Zoë 🦉"_s, true, {}, {}}
        << R"({"running":false,"minute":"","readout":"","background":"#000000","team":"\"A\\B\"\r\n\t\u0001 Zoë 🦉","total":""})"_ba;
    const QList<RoomStanding> two{{1, u"Owls"_s, 64}, {2, u"\"Larks\""_s, 48}};
    QTest::newRow("standings")
        << RoomState{false, {}, {}, 0, {}, false, {}, two}
        << R"({"running":false,"minute":"","readout":"","background":"#000000","team":"","standings":[{"rank":1,"team":"Owls","total":64},{"rank":2,"team":"\"Larks\"","total":48}]})"_ba;
    const QList<RoomStanding> longest(500, {1, QString(100, u'ö'), 192});
    QTest::newRow("the longest evening")
        << RoomState{false, {}, {}, 0, {}, false, {}, longest} << QByteArray();
}

// Compared as parsed values: the escapes are the JSON writer's to choose.
void tst_WebChoices::event()
{
    QFETCH(RoomState, state);
    QFETCH(QByteArray, json);
    const QByteArray event = eventFor(state);
    QVERIFY(event.startsWith("data: ") && event.endsWith("\n\n") && event.count('\n') == 2);
    // A few events waiting for a slow phone stay far from dropping it.
    QCOMPARE_LT(event.size() * 4, ServerLimits::maxPending);
    const QJsonObject sent = QJsonDocument::fromJson(event.sliced(6)).object();
    // The longest evening (json empty) leaves its last rows off.
    QCOMPARE(sent[u"standings"_s].toArray().size() < state.standings.size(), json.isEmpty());
    QVERIFY(json.isEmpty() || sent == QJsonDocument::fromJson(json).object());
}

QTEST_APPLESS_MAIN(tst_WebChoices)
#include "tst_webchoices.moc"
