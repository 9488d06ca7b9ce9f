// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/webrequest.h"

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
    QTest::addColumn<int>("status");
    QTest::addColumn<WebAnswer>("answer");
    QTest::addColumn<bool>("headOnly");
    const QByteArray t = '/' + token;
    const auto row = [](const char *name, const QByteArray &method, const QByteArray &path,
                        int status, WebAnswer answer, bool head = false, int bytes = 300,
                        int lines = 8) {
        QTest::newRow(name) << method << path << bytes << lines << status << answer << head;
    };
    row("page", "GET", t + '/', 200, WebAnswer::Page);
    row("page, head", "HEAD", t + '/', 200, WebAnswer::Page, true);
    row("events", "GET", t + "/events", 200, WebAnswer::Events);
    row("events, head", "HEAD", t + "/events", 200, WebAnswer::Events, true);
    row("8 KB is still a request", "GET", t + '/', 200, WebAnswer::Page, false, 8192, 100);
    row("no slash after the token", "GET", t, 404, WebAnswer::NotFound);
    row("last character wrong", "GET", t.chopped(1) + "E/", 404, WebAnswer::NotFound);
    row("lower case", "GET", t.toLower() + '/', 404, WebAnswer::NotFound);
    row("token longer", "GET", t + "0/", 404, WebAnswer::NotFound);
    row("token in the second part", "GET", "/x" + t + '/', 404, WebAnswer::NotFound);
    row("events, slash", "GET", t + "/events/", 404, WebAnswer::NotFound);
    row("PUT elsewhere", "PUT", "/x", 405, WebAnswer::MethodNotAllowed);
    row("get in lower case", "get", t + '/', 405, WebAnswer::MethodNotAllowed);
    row("too many lines", "GET", t + '/', 431, WebAnswer::TooLarge, false, 900, 101);
}

void tst_WebChoices::answer()
{
    QFETCH(QByteArray, method);
    QFETCH(QByteArray, path);
    QFETCH(int, headerBytes);
    QFETCH(int, headerLines);
    QFETCH(int, status);
    QFETCH(WebAnswer, answer);
    QFETCH(bool, headOnly);
    const WebRequest request{method, path, false, headerBytes, headerLines};
    const WebReply reply = answerFor(request, token);
    QCOMPARE(reply.status, status);
    QCOMPARE(reply.answer, answer);
    QCOMPARE(reply.headOnly, headOnly);
    // Served only without a query and under a token.
    QCOMPARE(answerFor({method, path, true, headerBytes, headerLines}, token).status == 200, false);
    QCOMPARE(answerFor(request, {}).status == 200, false);
}

void tst_WebChoices::event_data()
{
    QTest::addColumn<RoomState>("state");
    QTest::addColumn<QByteArray>("json");
    QTest::newRow("running, total")
        << RoomState{true, u"2"_s, u" 1:05"_s, 0xffc0c0c0, u"Owls"_s, true, u"48"_s}
        << R"({"running":true,"minute":"2","readout":" 1:05","background":"#c0c0c0","team":"Owls","total":"48"})"_ba;
    QTest::newRow("stopped, no total")
        << RoomState{false, {}, {}, 0x0000a0b, {}, false, u"48"_s}
        << R"({"running":false,"minute":"","readout":"","background":"#000a0b","team":""})"_ba;
    QTest::newRow("escapes")
        << RoomState{false, {}, {}, 0, u"\"A\\B\"\n\t\x01 Zoë 🦉"_s, true, {}}
        << R"({"running":false,"minute":"","readout":"","background":"#000000","team":"\"A\\B\"\u000a\u0009\u0001 Zoë 🦉","total":""})"_ba;
}

void tst_WebChoices::event()
{
    QFETCH(RoomState, state);
    QFETCH(QByteArray, json);
    QCOMPARE(eventFor(state), "data: " + json + "\n\n");
}

QTEST_APPLESS_MAIN(tst_WebChoices)
#include "tst_webchoices.moc"
