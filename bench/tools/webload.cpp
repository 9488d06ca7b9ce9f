// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Viewers of the clock for phones, and a hostile client, over the loopback
// with the tests' HTTP client: what the program's server is measured against.
//
//   webload viewers PORT PATH N
//       opens N event streams (GET PATH, PATH being /TOKEN/events), 50 from
//       each of 127.0.1.1, 127.0.1.2, ... (the server takes 64 from one),
//       prints "ready connected=N" once every one has its first state, then
//       reads until SIGTERM and prints, of what came after "ready": how many
//       data events and heartbeats each stream got (least and most), how many
//       streams got the very same data events as the first one, and how many
//       the server closed.
//   webload hostile PORT TOKEN
//       until SIGTERM, round after round: every request of the tests' hostile
//       list, 200 connections opened at once, a viewer that never reads and
//       one that leaves mid-event, a client sending a byte every 5 s; prints
//       how many answers of each status came, and how many rounds.
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
    QByteArray pending; // the header, then a line not yet whole
    bool header = true, closed = false, beat = false;
    int before = 0, data = 0, beats = 0; // data and beats after "ready"
    size_t digest = 0; // of the data events after "ready"

    void read(bool ready)
    {
        closed = client->waitClosed(0);
        pending += client->take();
        if (header) {
            const qsizetype end = pending.indexOf("\r\n\r\n");
            if (end < 0) {
                return;
            }
            pending.remove(0, end + 4);
            header = false;
        }
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
    std::printf("ready=%s\nopen=%d\nclosed=%d\nsame_events=%d\ndata_min=%d\ndata_max=%d\n"
                "beats_min=%d\nbeats_max=%d\n",
                ready ? "yes" : "no", open, count - open, same, dmin, dmax, bmin, bmax);
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
