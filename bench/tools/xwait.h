/* SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
 * SPDX-License-Identifier: GPL-3.0-or-later
 *
 * What the benchmarks' X helpers (launchwait, roomwait) share: a monotonic
 * clock, a window's title, a process's memory from smaps_rollup, and the end
 * of the program they started.
 */
#pragma once

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

static long long now_us(void)
{
    struct timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec * 1000000LL + ts.tv_nsec / 1000;
}

/* Qt sets both the legacy and the UTF-8 name before it maps the window. */
static int has_title(Display *dpy, Window w, const char *title)
{
    int match = 0;
    char *name = NULL;
    if (XFetchName(dpy, w, &name) && name) {
        match = strcmp(name, title) == 0;
        XFree(name);
    }
    if (!match) {
        Atom type;
        int format;
        unsigned long n, after;
        unsigned char *data = NULL;
        Atom net_wm_name = XInternAtom(dpy, "_NET_WM_NAME", False);
        Atom utf8 = XInternAtom(dpy, "UTF8_STRING", False);
        if (XGetWindowProperty(dpy, w, net_wm_name, 0, 1024, False, utf8, &type, &format, &n,
                               &after, &data) == Success &&
            data) {
            match = strcmp((const char *)data, title) == 0;
            XFree(data);
        }
    }
    return match;
}

static long rollup_kb(pid_t pid, const char *key)
{
    char path[64], line[256];
    long value = -1;
    size_t len = strlen(key);
    snprintf(path, sizeof path, "/proc/%d/smaps_rollup", (int)pid);
    FILE *f = fopen(path, "r");
    if (!f)
        return -1;
    while (fgets(line, sizeof line, f)) {
        if (strncmp(line, key, len) == 0 && line[len] == ':') {
            value = atol(line + len + 1);
            break;
        }
    }
    fclose(f);
    return value;
}

/* TERM, and KILL if it is still there 2 s later. */
static void end_child(pid_t pid)
{
    kill(pid, SIGTERM);
    for (int i = 0; i < 200; ++i) {
        if (waitpid(pid, NULL, WNOHANG) == pid)
            return;
        usleep(10000);
    }
    kill(pid, SIGKILL);
    waitpid(pid, NULL, 0);
}
