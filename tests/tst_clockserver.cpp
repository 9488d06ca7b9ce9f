// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "hostilerequests.h"
#include "httpclient.h"
#include "server/clockserver.h"

#include <QSignalSpy>
#include <QTest>
#include <QThread>
#include <QTimer>

#include <ctime>
#include <functional>
#include <future>
#include <memory>

using namespace Qt::StringLiterals;

// What went wrong, empty when nothing did; run on a thread of its own.
using Probe = std::function<QString(ClockServer &)>;

static const QByteArray page = "<!doctype html><style>p{}</style><p>0:00</p><script>go()</script>";

static QByteArray get(const ClockServer &server, QByteArrayView rest, const char *method = "GET")
{
    return HttpClient::request(method, '/' + server.token().toLatin1() + '/' + rest.toByteArray());
}

// As the window's thread would, from a probe's.
static void publish(ClockServer &server, const QString &team)
{
    const RoomState state{true, u"1"_s, u" 0:59"_s, 0xffffffff, team, false, {}, {}};
    QMetaObject::invokeMethod(
        &server, [&] { server.publish(state); }, Qt::BlockingQueuedConnection);
}

// Waits on the probe's thread for the count of viewers, as far as ms.
static bool viewersBecome(const ClockServer &server, int count, int ms)
{
    QElapsedTimer clock;
    clock.start();
    while (server.viewers() != count && clock.elapsed() < ms) {
        QThread::msleep(20);
    }
    return server.viewers() == count;
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
    void restart();
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
        client.send(get(m_server, "", method));
        client.readUntil("</script>", 1000);
        QCOMPARE(client.body(), method == "GET"_ba ? page : QByteArray());
        QCOMPARE(client.status(), 200);
        for (const QByteArray &header :
             {"Content-Type: text/html; charset=utf-8"_ba, "Cache-Control: no-store"_ba,
              "Content-Security-Policy: " + policy, "X-Content-Type-Options: nosniff"_ba,
              "Referrer-Policy: no-referrer"_ba}) {
            QVERIFY2(client.head().contains("\r\n" + header + "\r\n"), header);
        }
    }
}

void tst_ClockServer::events()
{
    QSignalSpy counted(&m_server, &ClockServer::viewersChanged);
    m_server.publish({true, u"2"_s, u" 1:05"_s, 0xffc0c0c0, u"Owls"_s, false, {}, {}});
    HttpClient viewer(m_server.port());
    viewer.send(get(m_server, "events"));
    QVERIFY(viewer.readUntil(R"("team":"Owls"})", 500));
    QVERIFY(viewer.head().contains("\r\nContent-Type: text/event-stream\r\n"));
    QTRY_COMPARE(counted.size(), 1);
    QCOMPARE(counted.last().first().toInt(), 1);
    QElapsedTimer clock;
    clock.start();
    m_server.publish({false, {}, {}, 0xff00ff00, u"Larks"_s, true, u"12"_s, {}});
    const QByteArray larks = R"("team":"Larks","total":"12"})"
                             "\n\nevent: beat\ndata: \n\n";
    QVERIFY(viewer.readUntil(larks, 1000));
    // At once, not with the next beat, a second away: loaded, 11 ms at most.
    QCOMPARE_LT(clock.elapsed(), 250);
    // Waiting for the next beat with a viewer and nothing to send: no busy loop.
    const auto beats = [&viewer] { return viewer.received().count("event: beat"); };
    const qsizetype seen = beats();
    const std::clock_t before = std::clock();
    QElapsedTimer waited;
    waited.start();
    while (beats() == seen && waited.elapsed() < 1500) {
        viewer.readUntil({}, 50);
    }
    QCOMPARE(beats(), seen + 1);
    QCOMPARE_LT(std::clock() - before, CLOCKS_PER_SEC / 20);
    viewer.abort();
    QTRY_COMPARE_WITH_TIMEOUT(counted.last().first().toInt(), 0, 2500);
}

void tst_ClockServer::hostile_data()
{
    QTest::addColumn<Probe>("probe");
    for (const HostileRequest &hostile : hostileRequests()) {
        QTest::newRow(hostile.name) << Probe([hostile](ClockServer &server) {
            HttpClient client(server.port());
            client.send(QByteArray(hostile.bytes).replace("TOKEN", server.token().toLatin1()));
            client.readUntil("\r\n\r\n", 3000);
            const bool closed = client.waitClosed(client.status() ? 100 : 3000);
            const QByteArray text = client.received().toLower();
            const bool bare =
                client.status() != 404 || (client.body().isEmpty() && text.contains("nosniff"));
            return hostile.statuses.contains(client.status()) && (closed || client.status()) &&
                    bare && !text.contains("microhttpd") && !text.contains("vornaxi")
                ? QString()
                : u"answered: "_s + text.left(400);
        });
    }
    QTest::newRow("one byte, then silence") << Probe([](ClockServer &server) {
        HttpClient client(server.port());
        client.send("G");
        return client.waitClosed(3500) && client.received().isEmpty() ? QString() : u"kept"_s;
    });
    QTest::newRow("2000 connections from one address") << Probe([](ClockServer &server) {
        std::vector<std::unique_ptr<HttpClient>> clients(2000);
        for (auto &client : clients) {
            (client = std::make_unique<HttpClient>(server.port()))->send(get(server, ""));
        }
        const auto served = std::count_if(clients.begin(), clients.end(), [](const auto &client) {
            return client->readUntil("\r\n\r\n", 1000) && client->status() == 200;
        });
        HttpClient other(server.port(), "127.0.0.2");
        other.send(get(server, ""));
        return served >= 1 && served <= ServerLimits::connectionsPerAddress &&
                other.readUntil("200 OK", 1000)
            ? QString()
            : u"%1 served"_s.arg(served);
    });
    QTest::newRow("a viewer that never reads") << Probe([](ClockServer &server) {
        HttpClient stuck(server.port(), "127.0.0.1", 4096), reader(server.port());
        stuck.send(get(server, "events"));
        reader.send(get(server, "events"));
        for (int i = 10; i < 50; ++i) {
            publish(server, QString::number(i) + QString(8000, u'x'));
            if (!reader.readUntil(u"\"team\":\"%1x"_s.arg(i).toLatin1(), 300)) {
                return u"the reader waited for event %1"_s.arg(i);
            }
        }
        publish(server, {});
        return viewersBecome(server, 1, 500) && stuck.waitClosed(3000) ? QString()
                                                                       : u"not dropped"_s;
    });
    QTest::newRow("a viewer gone mid-event") << Probe([](ClockServer &server) {
        HttpClient gone(server.port());
        gone.send(get(server, "events"));
        publish(server, QString(60000, u'x'));
        gone.readUntil({}, 1000, 2000);
        gone.abort();
        return viewersBecome(server, 0, 2500) ? QString() : u"still counted"_s;
    });
}

// Whatever comes in, the window's thread keeps its 100 ms ticks.
void tst_ClockServer::hostile()
{
    QFETCH(Probe, probe);
    std::future<QString> failure = std::async(std::launch::async, probe, std::ref(m_server));
    QTimer tick;
    tick.setTimerType(Qt::PreciseTimer);
    QElapsedTimer clock;
    qint64 ticks = 0, worst = 0;
    QEventLoop loop;
    connect(&tick, &QTimer::timeout, [&] {
        worst = std::max(worst, clock.elapsed() - ++ticks * 100);
        if (ticks >= 3 && failure.wait_for(std::chrono::seconds(0)) == std::future_status::ready) {
            loop.quit();
        }
    });
    clock.start();
    tick.start(100);
    loop.exec();
    const QString what = failure.get();
    QVERIFY2(what.isEmpty(), qPrintable(what));
    // A client that blocked the thread would hold it for the idle timeout,
    // 2 s; a loaded machine delays a tick by 320 ms at most.
    QCOMPARE_LT(worst, 1600);
    HttpClient after(m_server.port(), "127.0.0.3");
    after.send(get(m_server, ""));
    QVERIFY(after.readUntil("</script>", 1000));
}

// Stopping closes the streams too; a new start is under a new token, on the
// first free port of twenty.
void tst_ClockServer::restart()
{
    HttpClient viewer(m_server.port());
    viewer.send(get(m_server, "events"));
    QVERIFY(viewer.readUntil("data: ", 1000));
    const QString token = m_server.token();
    m_server.stop();
    QVERIFY(!m_server.isListening() && viewer.waitClosed(500));
    QVERIFY(m_server.start() && m_server.token() != token);
    std::vector<std::unique_ptr<ClockServer>> more;
    do {
        more.push_back(std::make_unique<ClockServer>(page));
        more.back()->setFirstPort(m_server.port());
        QVERIFY(more.size() <= size_t(ClockServer::portsTried));
    } while (more.back()->start() && more.back()->port() > m_server.port() &&
             more.back()->port() < m_server.port() + ClockServer::portsTried);
    QVERIFY(!more.back()->isListening() && !more.back()->errorString().isEmpty());
}

QTEST_GUILESS_MAIN(tst_ClockServer)
#include "tst_clockserver.moc"
