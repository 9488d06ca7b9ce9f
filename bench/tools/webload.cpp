// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Viewers of the clock for phones, and a hostile client, over the loopback
// with the tests' HTTP client; bench/notes.md says what each does and counts.
//   webload viewers PORT PATH N   N event streams, "ready" once all have their
//                                 first state; until SIGTERM
//   webload hostile PORT TOKEN    round after round, until SIGTERM
#include "hostilerequests.h"
#include "httpclient.h"

#include <QHash>

#include <csignal>
#include <cstdio>
#include <map>
#include <memory>
#include <vector>

#include <sys/epoll.h>
#include <sys/resource.h>

static volatile std::sig_atomic_t stopping;
static quint16 port;

struct Viewer
{
    std::unique_ptr<HttpClient> client;
    QByteArray pending; // a line not yet whole; the header's lines are neither event nor data
    bool closed = false, beat = false;
    int before = 0, data = 0, beats = 0; // data and beats after "ready"
    size_t digest = 0; // of the data events after "ready"

    void read(bool ready)
    {
        closed = client->waitClosed(0);
        pending += client->take();
        qsizetype end;
        while ((end = pending.indexOf('\n')) >= 0) {
            QByteArray line = pending.left(end);
            line.chop(line.endsWith('\r'));
            pending.remove(0, end + 1);
            if (line.startsWith("event:")) {
                beat = line.contains("beat");
            } else if (line.startsWith("data:")) {
                beats += ready && beat;
                before += !ready && !beat;
                if (ready && !beat) {
                    ++data;
                    digest = qHash(line, digest);
                }
            } else if (line.isEmpty()) {
                beat = false;
            }
        }
    }
};

static int viewers(const QByteArray &path, int count)
{
    rlimit files;
    getrlimit(RLIMIT_NOFILE, &files);
    files.rlim_cur = files.rlim_max;
    setrlimit(RLIMIT_NOFILE, &files);
    const int poller = epoll_create1(0);
    std::vector<Viewer> all(count);
    for (int i = 0; i < count; ++i) {
        const QByteArray from = "127.0.1." + QByteArray::number(1 + i / 50);
        all[i].client = std::make_unique<HttpClient>(port, from.constData());
        all[i].client->send(HttpClient::request("GET", path));
        epoll_event wanted{EPOLLIN | EPOLLRDHUP, {.u32 = uint32_t(i)}};
        epoll_ctl(poller, EPOLL_CTL_ADD, all[i].client->descriptor(), &wanted);
    }
    bool ready = false;
    epoll_event events[256];
    while (!stopping) {
        const int n = epoll_wait(poller, events, 256, 200);
        for (int e = 0; e < n; ++e) {
            Viewer &viewer = all[events[e].data.u32];
            viewer.read(ready);
            if (viewer.closed) {
                epoll_ctl(poller, EPOLL_CTL_DEL, viewer.client->descriptor(), nullptr);
            }
        }
        if (!ready && std::all_of(all.begin(), all.end(), [](const Viewer &v) {
                return !v.closed && v.before > 0;
            })) {
            ready = true;
            std::printf("ready connected=%d\n", count);
            std::fflush(stdout);
        }
    }
    int open = 0, same = 0, dmin = -1, dmax = 0, bmin = -1, bmax = 0;
    for (const Viewer &v : all) {
        if (v.closed) {
            continue;
        }
        ++open;
        same += v.data == all[0].data && v.digest == all[0].digest;
        dmin = dmin < 0 ? v.data : std::min(dmin, v.data);
        dmax = std::max(dmax, v.data);
        bmin = bmin < 0 ? v.beats : std::min(bmin, v.beats);
        bmax = std::max(bmax, v.beats);
    }
    std::printf("open=%d\nclosed=%d\nsame_events=%d\ndata_min=%d\ndata_max=%d\nbeats_min=%d\n"
                "beats_max=%d\n",
                open, count - open, same, dmin, dmax, bmin, bmax);
    return ready ? 0 : 1;
}

static int hostile(const QByteArray &token)
{
    QList<QByteArray> requests;
    for (const HostileRequest &request : hostileRequests()) {
        requests.append(QByteArray(request.bytes).replace("TOKEN", token));
    }
    const QByteArray events = HttpClient::request("GET", '/' + token + "/events");
    std::map<int, long> statuses; // 0: unanswered within a second
    long rounds = 0;
    std::unique_ptr<HttpClient> unread, slow;
    QElapsedTimer slowSent;
    while (!stopping) {
        for (const QByteArray &request : requests) {
            HttpClient client(port);
            client.send(request);
            client.readUntil("\r\n", 1000);
            ++statuses[client.status()];
        }
        // Many at once, closed again.
        std::vector<std::unique_ptr<HttpClient>> many(200);
        for (auto &client : many) {
            client = std::make_unique<HttpClient>(port);
        }
        many.clear();
        // A viewer that never reads, kept until the server drops it.
        char probe;
        if (!unread || recv(unread->descriptor(), &probe, 1, MSG_PEEK | MSG_DONTWAIT) == 0) {
            unread = std::make_unique<HttpClient>(port, "127.0.0.1", 4096);
            unread->send(events);
        }
        // A viewer that leaves in the middle of an event.
        HttpClient leaving(port);
        leaving.send(events);
        leaving.readUntil({}, 1000, 40);
        leaving.abort();
        // A byte every 5 s until the server gives up on it.
        if (!slow || slow->waitClosed(0)) {
            slow = std::make_unique<HttpClient>(port);
            slowSent.invalidate();
        }
        if (!slowSent.isValid() || slowSent.hasExpired(5000)) {
            slow->send("G");
            slowSent.start();
        }
        ++rounds;
        usleep(20000);
    }
    std::printf("rounds=%ld\nunanswered=%ld\n", rounds, statuses[0]);
    for (const auto &[status, count] : statuses) {
        if (status) {
            std::printf("status_%d=%ld\n", status, count);
        }
    }
    return 0;
}

int main(int argc, char **argv)
{
    std::signal(SIGTERM, [](int) { stopping = 1; });
    std::signal(SIGINT, [](int) { stopping = 1; });
    std::signal(SIGPIPE, SIG_IGN);
    if (argc == 5 && argv[1] == QByteArrayView("viewers")) {
        port = quint16(atoi(argv[2]));
        return viewers(argv[3], atoi(argv[4]));
    }
    if (argc == 4 && argv[1] == QByteArrayView("hostile")) {
        port = quint16(atoi(argv[2]));
        return hostile(argv[3]);
    }
    std::fprintf(stderr, "usage: webload viewers PORT PATH N | hostile PORT TOKEN\n");
    return 2;
}
