// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "httpclient.h"
#include "web/clockserver.h"

#include <QSignalSpy>
#include <QTest>
#include <QThread>
#include <QTimer>

#include <ctime>
#include <functional>
#include <memory>

using namespace Qt::StringLiterals;

// What went wrong, empty when nothing did; run on a thread of its own.
using Probe = std::function<QString(ClockServer &)>;

static const QByteArray page = "<!doctype html><style>p{}</style><p>0:00</p><script>go()</script>";

static QByteArray request(const ClockServer &server, QByteArrayView rest)
{
    return HttpClient::request("GET", '/' + server.token().toLatin1() + '/' + rest.toByteArray());
}

// As the window's thread would, from a probe's.
static void publish(ClockServer &server, const QString &team)
{
    const RoomState state{true, u"1"_s, u" 0:59"_s, 0xffffffff, team, false, {}};
    QMetaObject::invokeMethod(
        &server, [&] { server.publish(state); }, Qt::BlockingQueuedConnection);
}

// TOKEN stands for the token; status 0: closed unanswered.
static Probe answered(const QByteArray &request, QList<int> statuses)
{
    return [=](ClockServer &server) -> QString {
        HttpClient client(server.port());
        client.send(QByteArray(request).replace("TOKEN", server.token().toLatin1()));
        client.readUntil("\r\n\r\n", 3000);
        const bool closed = client.waitClosed(client.status() ? 100 : 3000);
        const QByteArray text = client.received().toLower();
        const bool bare =
            client.status() != 404 || (client.body().isEmpty() && text.contains("nosniff"));
        return statuses.contains(client.status()) && (closed || client.status()) && bare &&
                !text.contains("microhttpd") && !text.contains("vornaxi")
            ? QString()
            : u"answered: "_s + text.left(400);
    };
}

class tst_ClockServer : public QObject
{
    Q_OBJECT
    ClockServer m_server{page};

private slots:
    void initTestCase();
    void pageAndHeaders();
    void events();
    void hostile_data();
    void hostile();
    void ports();
    void stopCloses();
};

void tst_ClockServer::initTestCase()
{
    m_server.setIdleTimeout(2);
    QVERIFY2(m_server.start(), qPrintable(m_server.errorString()));
    QCOMPARE(QByteArray::fromHex(m_server.token().toLatin1()).toHex().toUpper(), m_server.token());
}

// The hashes worked out apart: openssl dgst -sha256 -binary | base64.
void tst_ClockServer::pageAndHeaders()
{
    const QByteArray policy =
        "default-src 'none'; script-src 'sha256-5KYv+PUboo5h+0+YAtGRPbwv5d/QxzHslP4YGnUaxRw='; "
        "style-src 'sha256-gG2yISYereRMiG2lMXrbiUgi0Ubw9p7QCeWcroOvy9Y='; img-src data:; "
        "connect-src 'self'";
    for (const char *method : {"GET", "HEAD"}) {
        HttpClient client(m_server.port());
        client.send(HttpClient::request(method, '/' + m_server.token().toLatin1() + '/'));
        client.readUntil("</script>", 1000);
        client.readUntil({}, 100);
        QCOMPARE(client.status(), 200);
        QCOMPARE(client.body(), method == "GET"_ba ? page : QByteArray());
        for (const auto &[name, value] : {std::pair{"Content-Type", "text/html; charset=utf-8"_ba},
                                          {"Cache-Control", "no-store"},
                                          {"Content-Security-Policy", policy},
                                          {"X-Content-Type-Options", "nosniff"},
                                          {"Referrer-Policy", "no-referrer"}}) {
            QCOMPARE(client.header(name), value);
        }
    }
}

void tst_ClockServer::events()
{
    QSignalSpy counted(&m_server, &ClockServer::viewersChanged);
    m_server.publish({true, u"2"_s, u" 1:05"_s, 0xffc0c0c0, u"Owls"_s, false, {}});
    HttpClient viewer(m_server.port());
    viewer.send(request(m_server, "events"));
    QVERIFY(viewer.readUntil(R"("team":"Owls"})", 500));
    QCOMPARE(viewer.header("Content-Type"), "text/event-stream");
    QTRY_COMPARE(counted.size(), 1);
    QCOMPARE(counted.last().first().toInt(), 1);

    QElapsedTimer clock;
    clock.start();
    m_server.publish({false, {}, {}, 0xff00ff00, u"Larks"_s, true, u"12"_s});
    QVERIFY(viewer.readUntil(R"("team":"Larks","total":"12"})", 1000));
    QCOMPARE_LT(clock.elapsed(), 50);
    // Waiting for the beat with a viewer and nothing to send: no busy loop.
    const std::clock_t before = std::clock();
    QVERIFY(viewer.readUntil("event: beat\ndata: \n\n", 1500));
    QCOMPARE_LT(std::clock() - before, CLOCKS_PER_SEC / 20);
    viewer.abort();
    QTRY_COMPARE_WITH_TIMEOUT(m_server.viewers(), 0, 2500);
    QTRY_COMPARE(counted.last().first().toInt(), 0);
}

void tst_ClockServer::hostile_data()
{
    QTest::addColumn<Probe>("probe");
    const auto get = [](const QByteArray &path, const QByteArray &headers = {}) {
        return "GET " + path + " HTTP/1.1\r\nHost: 127.0.0.1\r\n" + headers + "\r\n";
    };
    QTest::newRow("wrong token") << answered(get("/0123456789ABCDEF0123456789ABCDEF/"), {404});
    QTest::newRow("no token") << answered(get("/"), {404});
    QTest::newRow("..") << answered(get("/TOKEN/../TOKEN/"), {404});
    QTest::newRow("%2e%2e") << answered(get("/TOKEN/%2e%2e/TOKEN/"), {404});
    QTest::newRow("%65vents") << answered(get("/TOKEN/%65vents"), {404});
    QTest::newRow("NUL in the path") << answered(get("/TOKEN/" + QByteArray(1, '\0')), {400, 404});
    for (const char *method : {"POST", "PUT", "DELETE", "OPTIONS"}) {
        QTest::newRow(method) << answered(
            get("/TOKEN/", "Content-Length: 2\r\n").replace("GET", method) + "hi", {405});
    }
    QTest::newRow("request line of 9 KB")
        << answered(get("/TOKEN/" + QByteArray(9000, 'a')), {414, 431, 0});
    QTest::newRow("request line of 64 KB")
        << answered(get("/TOKEN/" + QByteArray(65536, 'a')), {414, 431, 0});
    QTest::newRow("header of 9 KB")
        << answered(get("/TOKEN/", "X-A: " + QByteArray(9000, 'a') + "\r\n"), {431, 0});
    QTest::newRow("500 headers") << answered(get("/TOKEN/", "X-A: a\r\n"_ba.repeated(500)),
                                             {431, 0});
    QTest::newRow("HTTP/0.9") << answered("GET /TOKEN/\r\n\r\n", {400, 505, 0});
    QTest::newRow("HTTP/2 preface")
        << answered("PRI * HTTP/2.0\r\n\r\nSM\r\n\r\n", {400, 405, 505, 0});
    QTest::newRow("one byte, then silence") << Probe([](ClockServer &server) {
        HttpClient client(server.port());
        client.send("G");
        return client.waitClosed(3500) && client.received().isEmpty() ? QString() : u"kept"_s;
    });
    QTest::newRow("2000 connections from one address") << Probe([](ClockServer &server) {
        std::vector<std::unique_ptr<HttpClient>> clients;
        for (int i = 0; i < 2000; ++i) {
            clients.push_back(std::make_unique<HttpClient>(server.port()));
            clients.back()->send(request(server, ""));
        }
        int served = 0;
        for (const auto &client : clients) {
            served += client->readUntil("\r\n\r\n", 1000) && client->status() == 200;
        }
        HttpClient other(server.port(), "127.0.0.2");
        other.send(request(server, ""));
        return served >= 1 && served <= 64 && other.readUntil("200 OK", 1000)
            ? QString()
            : u"%1 served"_s.arg(served);
    });
    QTest::newRow("a viewer that never reads") << Probe([](ClockServer &server) {
        HttpClient stuck(server.port(), "127.0.0.1", 4096);
        stuck.send(request(server, "events"));
        HttpClient reader(server.port());
        reader.send(request(server, "events"));
        for (int i = 10; i < 50; ++i) {
            publish(server, QString::number(i) + QString(8000, u'x'));
            if (!reader.readUntil(u"\"team\":\"%1x"_s.arg(i).toLatin1(), 300)) {
                return u"the reader waited for event %1"_s.arg(i);
            }
        }
        publish(server, {});
        QThread::msleep(100);
        return server.viewers() == 1 && stuck.waitClosed(3000) ? QString() : u"not dropped"_s;
    });
    QTest::newRow("a viewer gone mid-event") << Probe([](ClockServer &server) {
        HttpClient gone(server.port());
        gone.send(request(server, "events"));
        publish(server, QString(60000, u'x'));
        gone.readUntil({}, 1000, 2000);
        gone.abort();
        for (int wait = 0; wait < 25 && server.viewers() > 0; ++wait) {
            QThread::msleep(100);
        }
        return server.viewers() == 0 ? QString() : u"still counted"_s;
    });
}

// Whatever comes in, the window's thread keeps its 100 ms ticks.
void tst_ClockServer::hostile()
{
    QFETCH(Probe, probe);
    QString failure;
    std::unique_ptr<QThread> client(QThread::create([&] { failure = probe(m_server); }));
    QTimer tick;
    tick.setTimerType(Qt::PreciseTimer);
    QElapsedTimer clock;
    qint64 ticks = 0, worst = 0;
    QEventLoop loop;
    connect(&tick, &QTimer::timeout, [&] {
        worst = std::max(worst, clock.elapsed() - ++ticks * 100);
        if (ticks >= 3 && client->isFinished()) {
            loop.quit();
        }
    });
    clock.start();
    tick.start(100);
    client->start();
    loop.exec();
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
    QCOMPARE_LT(worst, 50);
    HttpClient after(m_server.port(), "127.0.0.3");
    after.send(request(m_server, ""));
    QVERIFY(after.readUntil("</script>", 1000));
}

// Each further server takes the next free port, until the twenty are gone.
void tst_ClockServer::ports()
{
    std::vector<std::unique_ptr<ClockServer>> more;
    do {
        more.push_back(std::make_unique<ClockServer>(page));
        more.back()->setFirstPort(m_server.port());
        QVERIFY(more.size() <= size_t(ClockServer::portsTried));
    } while (more.back()->start() && more.back()->port() > m_server.port() &&
             more.back()->port() < m_server.port() + ClockServer::portsTried);
    QVERIFY(!more.back()->isListening() && !more.back()->errorString().isEmpty());
}

// Stopping closes the streams too; the next start is under a new token.
void tst_ClockServer::stopCloses()
{
    HttpClient viewer(m_server.port());
    viewer.send(request(m_server, "events"));
    QVERIFY(viewer.readUntil("data: ", 1000));
    const QString token = m_server.token();
    m_server.stop();
    QVERIFY(!m_server.isListening() && viewer.waitClosed(500));
    QVERIFY(m_server.start() && m_server.token() != token);
}

QTEST_GUILESS_MAIN(tst_ClockServer)
#include "tst_clockserver.moc"
