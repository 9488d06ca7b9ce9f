/* SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
 * SPDX-License-Identifier: GPL-3.0-or-later
 *
 * Viewers of the clock for phones, and a hostile client, in plain HTTP over
 * the loopback: what the program's server is measured against.
 *
 *   webload viewers PORT PATH N
 *       opens N event streams (GET PATH, PATH being /TOKEN/events) at once,
 *       50 from each of 127.0.1.1, 127.0.1.2, ...,
 *       prints "ready connected=N" once every one has its first state, then
 *       reads until SIGTERM and prints, of what came after "ready": how many
 *       data events and heartbeats each stream got (least and most), how many
 *       streams got the very same data events as the first one, and how many
 *       were closed by the server.
 *   webload hostile PORT TOKEN
 *       until SIGTERM, round after round: a wrong token, no token, a path
 *       with "..", a POST, a header over 8 KB, 500 headers, an HTTP/2
 *       preface, 200 connections opened at once, a viewer that never reads
 *       and one that leaves mid-event, a client sending a byte every 5 s;
 *       prints how many answers of each status came, and how many rounds.
 *
 * Everything goes to 127.0.0.1. */
#define _GNU_SOURCE
#include <arpa/inet.h>
#include <errno.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <signal.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/epoll.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <time.h>
#include <unistd.h>

static volatile sig_atomic_t stopping;
static void on_term(int sig) { (void)sig; stopping = 1; }

static int port;

/* from: the loopback address to connect from, 0 for the kernel's choice
   (127.0.0.1); the server takes at most 64 connections from one address. */
static int open_socket_from(int nonblocking, uint32_t from)
{
    int fd = socket(AF_INET, SOCK_STREAM | (nonblocking ? SOCK_NONBLOCK : 0), 0);
    if (fd < 0)
        return -1;
    if (from) {
        struct sockaddr_in here = {.sin_family = AF_INET};
        here.sin_addr.s_addr = htonl(from);
        if (bind(fd, (struct sockaddr *)&here, sizeof here) < 0) {
            close(fd);
            return -1;
        }
    }
    struct sockaddr_in to = {.sin_family = AF_INET, .sin_port = htons((uint16_t)port)};
    to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (connect(fd, (struct sockaddr *)&to, sizeof to) < 0 && errno != EINPROGRESS) {
        close(fd);
        return -1;
    }
    return fd;
}

static int open_socket(int nonblocking) { return open_socket_from(nonblocking, 0); }

static void send_all(int fd, const char *data, size_t size)
{
    while (size > 0) {
        ssize_t n = send(fd, data, size, MSG_NOSIGNAL);
        if (n <= 0)
            return;
        data += n;
        size -= (size_t)n;
    }
}

static void raise_file_limit(void)
{
    struct rlimit limit;
    if (getrlimit(RLIMIT_NOFILE, &limit) == 0) {
        limit.rlim_cur = limit.rlim_max;
        setrlimit(RLIMIT_NOFILE, &limit);
    }
}

/* ---- viewers ------------------------------------------------------------- */

struct stream {
    int fd;
    int sent;       /* the request is out */
    int header_done;
    int closed;
    int data, beats; /* after "ready" */
    int data_before;
    uint64_t digest; /* of the data events after "ready" */
    char line[4096];
    size_t used;
    int beat_next;  /* the event being read is a heartbeat */
    int closed_by;  /* -1: the server closed it; else the error */
};

static uint64_t fnv(uint64_t h, const char *s, size_t n)
{
    for (size_t i = 0; i < n; i++)
        h = (h ^ (unsigned char)s[i]) * 1099511628211ull;
    return h;
}

/* One line of the stream (without its end): counts data events and beats. */
static void on_line(struct stream *s, int ready)
{
    const char *line = s->line;
    size_t n = s->used;
    if (!s->header_done) {
        if (n == 0)
            s->header_done = 1;
        return;
    }
    if (n >= 6 && memcmp(line, "event:", 6) == 0) {
        s->beat_next = strstr(line, "beat") != NULL;
    } else if (n >= 5 && memcmp(line, "data:", 5) == 0) {
        if (s->beat_next) {
            if (ready)
                s->beats++;
        } else if (ready) {
            s->data++;
            s->digest = fnv(s->digest, line, n);
        } else {
            s->data_before++;
        }
    } else if (n == 0) {
        s->beat_next = 0;
    }
}

static int viewers(const char *path, int count)
{
    raise_file_limit();
    struct stream *all = calloc((size_t)count, sizeof *all);
    int ep = epoll_create1(0);
    char request[512];
    int request_size = snprintf(request, sizeof request,
                                "GET %s HTTP/1.1\r\nHost: 127.0.0.1:%d\r\nAccept: text/event-stream\r\n\r\n",
                                path, port);
    for (int i = 0; i < count; i++) {
        /* 50 viewers an address: the server takes at most 64 from one */
        all[i].fd = open_socket_from(1, (127u << 24) | (1u << 8) | (uint32_t)(1 + i / 50));
        all[i].digest = 14695981039346656037ull;
        if (all[i].fd < 0) {
            fprintf(stderr, "webload: connection %d: %s\n", i, strerror(errno));
            all[i].closed = 1;
            continue;
        }
        struct epoll_event ev = {.events = EPOLLIN | EPOLLOUT | EPOLLRDHUP, .data.u32 = (uint32_t)i};
        epoll_ctl(ep, EPOLL_CTL_ADD, all[i].fd, &ev);
    }
    int ready = 0;
    struct epoll_event events[256];
    char buffer[16384];
    while (!stopping) {
        int n = epoll_wait(ep, events, 256, 200);
        for (int e = 0; e < n; e++) {
            struct stream *s = &all[events[e].data.u32];
            if (s->closed)
                continue;
            if ((events[e].events & EPOLLOUT) && !s->sent) {
                send_all(s->fd, request, (size_t)request_size);
                s->sent = 1;
                struct epoll_event ev = {.events = EPOLLIN | EPOLLRDHUP, .data.u32 = events[e].data.u32};
                epoll_ctl(ep, EPOLL_CTL_MOD, s->fd, &ev);
            }
            if (!(events[e].events & (EPOLLIN | EPOLLRDHUP | EPOLLHUP | EPOLLERR)))
                continue;
            ssize_t got = recv(s->fd, buffer, sizeof buffer, 0);
            if (got <= 0) {
                if (got == 0 || (errno != EAGAIN && errno != EINTR)) {
                    if (s->closed_by == 0)
                        s->closed_by = got == 0 ? -1 : errno;
                    s->closed = 1;
                    epoll_ctl(ep, EPOLL_CTL_DEL, s->fd, NULL);
                    close(s->fd);
                }
                continue;
            }
            for (ssize_t k = 0; k < got; k++) {
                char c = buffer[k];
                if (c == '\n') {
                    if (s->used > 0 && s->line[s->used - 1] == '\r')
                        s->used--;
                    on_line(s, ready);
                    s->used = 0;
                } else if (s->used < sizeof s->line - 1) {
                    s->line[s->used++] = c;
                }
            }
        }
        if (!ready) {
            int have = 0;
            for (int i = 0; i < count; i++)
                have += !all[i].closed && all[i].data_before > 0;
            if (have == count) {
                ready = 1;
                printf("ready connected=%d\n", count);
                fflush(stdout);
            }
        }
    }
    int open = 0, closed = 0, same = 0, dmin = -1, dmax = 0, bmin = -1, bmax = 0;
    for (int i = 0; i < count; i++) {
        struct stream *s = &all[i];
        if (s->closed) {
            if (closed++ < 3)
                fprintf(stderr, "webload: stream %d closed (%s) after %d events\n", i,
                        s->closed_by < 0 ? "by the server" : strerror(s->closed_by),
                        s->data_before + s->data);
            continue;
        }
        open++;
        same += s->data == all[0].data && s->digest == all[0].digest;
        if (dmin < 0 || s->data < dmin)
            dmin = s->data;
        if (s->data > dmax)
            dmax = s->data;
        if (bmin < 0 || s->beats < bmin)
            bmin = s->beats;
        if (s->beats > bmax)
            bmax = s->beats;
    }
    printf("ready=%s\nopen=%d\nclosed=%d\nsame_events=%d\ndata_min=%d\ndata_max=%d\nbeats_min=%d\nbeats_max=%d\n",
           ready ? "yes" : "no", open, closed, same, dmin, dmax, bmin, bmax);
    return ready ? 0 : 1;
}

/* ---- hostile ----------------------------------------------------------------- */

static long statuses[600];
static long unanswered;

/* Sends a request, waits up to a second for an answer, counts its status. */
static void ask(const char *data, size_t size)
{
    int fd = open_socket(0);
    if (fd < 0) {
        unanswered++;
        return;
    }
    send_all(fd, data, size);
    struct pollfd p = {.fd = fd, .events = POLLIN};
    char answer[64] = {0};
    int status = 0;
    if (poll(&p, 1, 1000) > 0 && recv(fd, answer, sizeof answer - 1, 0) > 12 &&
        sscanf(answer, "HTTP/1.%*d %d", &status) == 1 && status > 0 && status < 600)
        statuses[status]++;
    else
        unanswered++;
    close(fd);
}

static void ask_text(const char *text) { ask(text, strlen(text)); }

static int hostile(const char *token)
{
    char request[1024];
    static char big[12000];
    long rounds = 0;
    int slow = -1, unread = -1;
    time_t slow_at = 0;
    while (!stopping) {
        ask_text("GET /00000000000000000000000000000000/ HTTP/1.1\r\nHost: x\r\n\r\n");
        ask_text("GET / HTTP/1.1\r\nHost: x\r\n\r\n");
        snprintf(request, sizeof request, "GET /%s/../%s/ HTTP/1.1\r\nHost: x\r\n\r\n", token, token);
        ask_text(request);
        snprintf(request, sizeof request, "GET /%s/%%2e%%2e/ HTTP/1.1\r\nHost: x\r\n\r\n", token);
        ask_text(request);
        snprintf(request, sizeof request, "POST /%s/ HTTP/1.1\r\nHost: x\r\nContent-Length: 0\r\n\r\n", token);
        ask_text(request);
        int used = snprintf(big, sizeof big, "GET /%s/ HTTP/1.1\r\nHost: x\r\nX-Big: ", token);
        memset(big + used, 'a', 9000);
        memcpy(big + used + 9000, "\r\n\r\n", 4);
        ask(big, (size_t)used + 9004);
        used = snprintf(big, sizeof big, "GET /%s/ HTTP/1.1\r\nHost: x\r\n", token);
        for (int i = 0; i < 500 && used < (int)sizeof big - 16; i++)
            used += snprintf(big + used, sizeof big - (size_t)used, "X%d: y\r\n", i);
        used += snprintf(big + used, sizeof big - (size_t)used, "\r\n");
        ask(big, (size_t)used);
        ask_text("PRI * HTTP/2.0\r\n\r\nSM\r\n\r\n");
        /* Many at once, closed again. */
        int many[200];
        for (int i = 0; i < 200; i++)
            many[i] = open_socket(1);
        for (int i = 0; i < 200; i++)
            if (many[i] >= 0)
                close(many[i]);
        /* A viewer that never reads, kept until the server drops it. */
        if (unread < 0) {
            unread = open_socket(0);
            int small = 4096;
            setsockopt(unread, SOL_SOCKET, SO_RCVBUF, &small, sizeof small);
            snprintf(request, sizeof request, "GET /%s/events HTTP/1.1\r\nHost: x\r\n\r\n", token);
            send_all(unread, request, strlen(request));
        } else {
            char probe;
            if (recv(unread, &probe, 1, MSG_PEEK | MSG_DONTWAIT) == 0) {
                close(unread);
                unread = -1;
            }
        }
        /* A viewer that leaves in the middle of an event. */
        int leaving = open_socket(0);
        if (leaving >= 0) {
            snprintf(request, sizeof request, "GET /%s/events HTTP/1.1\r\nHost: x\r\n\r\n", token);
            send_all(leaving, request, strlen(request));
            char part[40];
            struct pollfd p = {.fd = leaving, .events = POLLIN};
            if (poll(&p, 1, 1000) > 0)
                (void)recv(leaving, part, sizeof part, 0);
            struct linger now = {1, 0};
            setsockopt(leaving, SOL_SOCKET, SO_LINGER, &now, sizeof now);
            close(leaving);
        }
        /* A byte every 5 s until the server gives up on it. */
        time_t t = time(NULL);
        if (slow < 0) {
            slow = open_socket(0);
            slow_at = 0;
        }
        if (slow >= 0 && t - slow_at >= 5) {
            if (send(slow, "G", 1, MSG_NOSIGNAL) != 1) {
                close(slow);
                slow = -1;
            }
            slow_at = t;
        }
        rounds++;
        usleep(20000);
    }
    printf("rounds=%ld\nunanswered=%ld\n", rounds, unanswered);
    for (int i = 0; i < 600; i++)
        if (statuses[i])
            printf("status_%d=%ld\n", i, statuses[i]);
    return 0;
}

int main(int argc, char **argv)
{
    signal(SIGTERM, on_term);
    signal(SIGINT, on_term);
    signal(SIGPIPE, SIG_IGN);
    if (argc == 5 && strcmp(argv[1], "viewers") == 0) {
        port = atoi(argv[2]);
        return viewers(argv[3], atoi(argv[4]));
    }
    if (argc == 4 && strcmp(argv[1], "hostile") == 0) {
        port = atoi(argv[2]);
        return hostile(argv[3]);
    }
    fprintf(stderr, "usage: webload viewers PORT PATH N | hostile PORT TOKEN\n");
    return 2;
}
