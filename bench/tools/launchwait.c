/* SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
 * SPDX-License-Identifier: GPL-3.0-or-later
 *
 * launchwait: how long a program takes from exec to its window being mapped,
 * and how much memory it holds once shown.
 *
 * usage: launchwait TITLE SETTLE_MS PROGRAM [ARGS...]
 *
 * Listens for MapNotify on the root window before it starts the program, so
 * the mapping is seen the moment the server reports it rather than at the
 * next turn of a polling loop. SETTLE_MS after the mapping it reads Rss and
 * Pss from /proc/PID/smaps_rollup, ends the program and prints
 *   startup_us=... rss_kb=... pss_kb=...
 * Needs a window manager-free display (the window is a child of the root).
 */
#define _GNU_SOURCE
#include <poll.h>

#include "xwait.h"

int main(int argc, char *argv[])
{
    if (argc < 4) {
        fprintf(stderr, "usage: launchwait TITLE SETTLE_MS PROGRAM [ARGS...]\n");
        return 2;
    }
    const char *title = argv[1];
    int settle_ms = atoi(argv[2]);
    Display *dpy = XOpenDisplay(NULL);
    if (!dpy) {
        fprintf(stderr, "launchwait: cannot open display\n");
        return 1;
    }
    XSelectInput(dpy, DefaultRootWindow(dpy), SubstructureNotifyMask);
    XSync(dpy, False);

    long long t0 = now_us();
    pid_t pid = fork();
    if (pid == 0) {
        close(ConnectionNumber(dpy));
        execvp(argv[3], argv + 3);
        _exit(127);
    }
    if (pid < 0) {
        perror("launchwait: fork");
        return 1;
    }

    long long mapped = -1;
    while (mapped < 0) {
        if (now_us() - t0 > 30000000LL) {
            fprintf(stderr, "launchwait: no window titled '%s' within 30 s\n", title);
            end_child(pid);
            return 1;
        }
        if (waitpid(pid, NULL, WNOHANG) == pid) {
            fprintf(stderr, "launchwait: the program exited before its window was mapped\n");
            return 1;
        }
        if (!XPending(dpy)) {
            struct pollfd pfd = {ConnectionNumber(dpy), POLLIN, 0};
            poll(&pfd, 1, 100);
            continue;
        }
        XEvent ev;
        XNextEvent(dpy, &ev);
        if (ev.type == MapNotify && has_title(dpy, ev.xmap.window, title))
            mapped = now_us();
    }

    usleep((useconds_t)settle_ms * 1000);
    long rss = rollup_kb(pid, "Rss");
    long pss = rollup_kb(pid, "Pss");
    end_child(pid);
    printf("startup_us=%lld rss_kb=%ld pss_kb=%ld\n", mapped - t0, rss, pss);
    return 0;
}
