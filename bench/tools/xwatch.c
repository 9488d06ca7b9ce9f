/* SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
 * SPDX-License-Identifier: GPL-3.0-or-later
 *
 * xwatch: the benchmarks' eye on the X server, which sees a window mapped or
 * painted the moment the server reports it, not at the next turn of a polling
 * loop; it sends keys by XTest and rings the floor's bells. Prints key=value
 * words; bench/notes.md says what each mode does and each figure is.
 *
 * usage: xwatch launch WINDOW_TITLE VIEW_TITLE OPENS SETTLE_MS PROGRAM [ARGS...]
 *        xwatch standings WINDOW_TITLE VIEW_TITLE SETTLE_MS PROGRAM [ARGS...]
 *        xwatch cycles VIEW_TITLE CYCLES SPREAD_MS PID SCREENS REMOVE ADD
 *        xwatch paints X Y WIDTH HEIGHT SECONDS
 *        xwatch bells EVERY COUNT
 *
 * "Painted" is the union of the DAMAGE reports on the root window (drawing
 * into any window) since the view was mapped covering all of it; Qt's windows
 * have no background of their own, so the mapping alone draws nothing. Needs
 * a display without a window manager.
 */
#define _GNU_SOURCE
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/extensions/Xdamage.h>
#include <X11/keysym.h>
#include <poll.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

static long long now_us(void)
{
    struct timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec * 1000000LL + ts.tv_nsec / 1000;
}

/* Qt sets the legacy name as well as the UTF-8 one before it maps the window. */
static int has_title(Display *dpy, Window w, const char *title)
{
    char *name = NULL;
    int match = XFetchName(dpy, w, &name) && name && strcmp(name, title) == 0;
    XFree(name);
    return match;
}

static long rollup_kb(pid_t pid, const char *key)
{
    char path[64], line[256];
    long value = -1;
    size_t len = strlen(key);
    snprintf(path, sizeof path, "/proc/%d/smaps_rollup", (int)pid);
    FILE *f = fopen(path, "r");
    while (f && fgets(line, sizeof line, f))
        if (strncmp(line, key, len) == 0 && line[len] == ':')
            value = atol(line + len + 1);
    if (f)
        fclose(f);
    return value;
}

/* TERM, and KILL if it is still there 2 s later. */
static void end_child(pid_t pid)
{
    kill(pid, SIGTERM);
    for (int i = 0; i < 200; ++i, usleep(10000))
        if (waitpid(pid, NULL, WNOHANG) == pid)
            return;
    kill(pid, SIGKILL);
    waitpid(pid, NULL, 0);
}

static Display *dpy;
static int damage_event;
static Window view = None; /* the view's window, once seen mapped */
static int view_mapped;
static Region painted; /* drawn since the view was last mapped */
static XRectangle view_rect; /* where it was mapped, root coordinates */
static const char *view_title;
static const char *window_title;
static Window window_seen = None;
static XRectangle watched; /* paints: the rectangle whose repaints are told */
static double last_paint;
static int standings; /* after the first opening, Ctrl+B: the view's next paints timed */
static long long view_drawn_at; /* the last drawing into the view's place */

static void sleep_ms(int ms) { usleep((useconds_t)ms * 1000); }
static int overlaps(const XRectangle *a, const XRectangle *b)
{
    return a->x < b->x + b->width && a->y < b->y + b->height && a->x + a->width > b->x &&
        a->y + a->height > b->y;
}
/* A window may be gone by the time it is asked about (a view closed, or
   moved by a screen change): that is no reason to stop watching. */
static int ignore_error(Display *d, XErrorEvent *e) { return (void)d, (void)e, 0; }

static void handle(XEvent *ev)
{
    XWindowAttributes a;
    if (ev->type == MapNotify) {
        Window w = ev->xmap.window;
        if (window_title && window_seen == None && has_title(dpy, w, window_title))
            window_seen = w;
        if (w == view || (view_title && has_title(dpy, w, view_title))) {
            view = w;
            view_mapped = 1;
            if (XGetWindowAttributes(dpy, w, &a))
                view_rect = (XRectangle){(short)a.x, (short)a.y, (unsigned short)a.width,
                                         (unsigned short)a.height};
            XDestroyRegion(painted);
            painted = XCreateRegion();
        }
    } else if (ev->type == ConfigureNotify && ev->xconfigure.window == view) {
        /* Placed after it was mapped (as a window beside the moderator's):
           the painting that counts is that of the new place. */
        const XConfigureEvent *c = &ev->xconfigure;
        view_rect = (XRectangle){(short)c->x, (short)c->y, (unsigned short)c->width,
                                 (unsigned short)c->height};
    } else if (ev->type == UnmapNotify && ev->xunmap.window == view) {
        view_mapped = 0;
    } else if (ev->type == damage_event + XDamageNotify) {
        XRectangle r = ((const XDamageNotifyEvent *)ev)->area;
        if (view_mapped) {
            XUnionRectWithRegion(&r, painted, painted);
            if (overlaps(&r, &view_rect))
                view_drawn_at = now_us();
        }
        if (watched.width && overlaps(&r, &watched)) {
            struct timespec ts;
            clock_gettime(CLOCK_REALTIME, &ts);
            double at = (double)ts.tv_sec * 1000.0 + (double)ts.tv_nsec / 1e6;
            if (at - last_paint > 50) {
                printf("%.3f\n", at);
                fflush(stdout);
            }
            last_paint = at;
        }
    }
}

static int view_painted(void)
{
    return view_mapped && view_rect.width > 0 &&
        XRectInRegion(painted, view_rect.x, view_rect.y, view_rect.width, view_rect.height) ==
        RectangleIn;
}

/* Handles events until done() holds or the time is up; status 0 if it held. */
static int wait_for(int (*done)(void), long long timeout_us)
{
    long long end = now_us() + timeout_us;
    while (!done()) {
        long long left = end - now_us();
        if (left < 0)
            return 1;
        if (!XPending(dpy)) {
            struct pollfd pfd = {ConnectionNumber(dpy), POLLIN, 0};
            poll(&pfd, 1, (int)(left / 1000 < 20 ? left / 1000 + 1 : 20));
            continue;
        }
        XEvent ev;
        XNextEvent(dpy, &ev);
        handle(&ev);
    }
    return 0;
}

static int never(void) { return 0; }
static int is_mapped(void) { return view_mapped; }
static int is_unmapped(void) { return !view_mapped; }
static int window_mapped(void) { return window_seen != None; }
/* Handles events until the given time. */
static void pump_until(long long deadline) { wait_for(never, deadline - now_us()); }

/* Ctrl+key, as a keyboard would send it; returns when the key went down. */
static long long ctrl_key(KeySym key)
{
    KeyCode ctrl = XKeysymToKeycode(dpy, XK_Control_L), k = XKeysymToKeycode(dpy, key);
    XTestFakeKeyEvent(dpy, ctrl, True, CurrentTime);
    XFlush(dpy);
    long long t = now_us();
    XTestFakeKeyEvent(dpy, k, True, CurrentTime);
    XFlush(dpy);
    XTestFakeKeyEvent(dpy, k, False, CurrentTime);
    XTestFakeKeyEvent(dpy, ctrl, False, CurrentTime);
    XFlush(dpy);
    return t;
}
static long long ctrl_r(void) { return ctrl_key(XK_r); }

/* Ctrl+R until the view is mapped (*map_us after the key) and painted all
   over: the time from the key; -1 if it was not mapped, -2 not painted. */
static long long open_view(long long *map_us, long long timeout_us)
{
    long long t = ctrl_r();
    if (wait_for(is_mapped, timeout_us))
        return -1;
    *map_us = now_us() - t;
    return wait_for(view_painted, timeout_us) ? -2 : now_us() - t;
}

static int give_up(pid_t pid, const char *title, const char *what)
{
    fprintf(stderr, "xwatch: '%s' %s\n", title, what);
    if (pid > 0)
        end_child(pid);
    return 1;
}

static int launch(int opens, int settle_ms, char **program)
{
    long long t0 = now_us();
    pid_t pid = fork();
    if (pid == 0) {
        close(ConnectionNumber(dpy));
        execvp(program[0], program);
        _exit(127);
    }
    if (pid < 0 || wait_for(window_mapped, 30000000LL))
        return give_up(pid, window_title, "not mapped within 30 s");
    long long mapped_at = now_us();
    sleep_ms(settle_ms);
    printf("startup_us=%lld rss_kb=%ld pss_kb=%ld", mapped_at - t0, rollup_kb(pid, "Rss"),
           rollup_kb(pid, "Pss"));
    for (int k = 1; k <= opens; ++k) {
        long long map_us = 0, us = open_view(&map_us, 10000000LL);
        if (us < 0)
            return give_up(pid, view_title, us == -1 ? "not mapped in 10 s" : "not painted in 10 s");
        printf(" open%d_map_us=%lld open%d_us=%lld", k, map_us, k, us);
        sleep_ms(300);
        if (k == 1)
            printf(" view_rss_kb=%ld", rollup_kb(pid, "Rss"));
        if (standings) {
            /* The view repaints only where the standings go: the time from
               the key to its last drawing, the view quiet for a second. */
            XEvent ev;
            for (XSync(dpy, False); XPending(dpy); handle(&ev))
                XNextEvent(dpy, &ev);
            view_drawn_at = 0;
            long long t = ctrl_key(XK_b);
            pump_until(t + 1000000);
            printf(" standings_us=%lld", view_drawn_at ? view_drawn_at - t : -1);
            ctrl_key(XK_b);
            sleep_ms(300);
        }
        ctrl_r();
        if (wait_for(is_unmapped, 10000000LL))
            return give_up(pid, view_title, "still mapped 10 s after Ctrl+R");
        sleep_ms(300);
        if (k == 1)
            printf(" closed_rss_kb=%ld closed_alive_ms=%lld", rollup_kb(pid, "Rss"),
                   (now_us() - mapped_at) / 1000);
    }
    printf("\n");
    end_child(pid);
    return 0;
}

/* After a screen change (the shell command given): the view unmapped and
   mapped again at its new place, and painted there; the time it took, or -1
   if the command failed or the view did not follow. */
static long long follows(const char *command)
{
    long long t = now_us();
    int status = system(command);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || wait_for(is_unmapped, 3000000LL) ||
        wait_for(is_mapped, 3000000LL) || wait_for(view_painted, 3000000LL))
        return -1;
    return now_us() - t;
}

/* Prints each opening's time (key to painted) as open_us=, and the RSS with
   the view closed after cycles 1, 10, 100 and the last. */
static int cycles(int n, long long spread_us, pid_t pid, int screens, const char *remove,
                  const char *add)
{
    int unanswered = 0, unpainted = 0, changes = 0, moved = 0;
    long long moved_max = 0, start = now_us();
    /* The screen goes in the middle of each group of cycles and comes back
       at its end: the RSS, read after whole groups, is always that of a view
       last shown full screen on it. */
    int group = n / screens;
    for (int k = 1; k <= n; ++k) {
        pump_until(start + spread_us * (k - 1) / n);
        /* The key is sent for the state the view is in. */
        if (!view_mapped) {
            long long map_us, us = open_view(&map_us, 3000000LL);
            unanswered += us == -1;
            unpainted += us == -2;
            if (us >= 0)
                printf("open_us=%lld\n", us);
        }
        const char *change = k % group == group / 2 && k / group < screens ? remove
                             : k % group == 0 && k / group <= screens      ? add : NULL;
        if (change && view_mapped) {
            long long took = follows(change);
            ++changes;
            moved += took >= 0;
            moved_max = took > moved_max ? took : moved_max;
        }
        ctrl_r();
        if (wait_for(is_unmapped, 3000000LL))
            ++unanswered;
        if (k == 1 || k == 10 || k == 100 || k == n) {
            pump_until(now_us() + 200000);
            printf("rss_after_%d_kb=%ld\n", k, rollup_kb(pid, "Rss"));
        }
    }
    printf("cycles=%d\nunanswered=%d\nunpainted=%d\ncycles_ms=%lld\nscreen_changes=%d\nmoved=%d\n"
           "moved_max_us=%lld\n",
           n, unanswered, unpainted, (now_us() - start) / 1000, changes, moved, moved_max);
    return 0;
}

static int bells(long every, int count)
{
    struct timespec at;
    clock_gettime(CLOCK_MONOTONIC, &at);
    for (int i = 0; i < count; ++i, at.tv_sec += every) {
        while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &at, NULL)) {
        }
        XBell(dpy, 0);
        XSync(dpy, False); /* handled before an exit could drop it */
    }
    return 0;
}

int main(int argc, char *argv[])
{
    const char *mode = argc > 1 ? argv[1] : "";
    int damage_error, ev, err, major, minor, status = 2;
    if (!(dpy = XOpenDisplay(NULL)) || !XDamageQueryExtension(dpy, &damage_event, &damage_error) ||
        !XTestQueryExtension(dpy, &ev, &err, &major, &minor)) {
        fprintf(stderr, "xwatch: no display, or it lacks DAMAGE or XTEST\n");
        return 1;
    }
    if (argc == 4 && strcmp(mode, "bells") == 0)
        return bells(atol(argv[2]), atoi(argv[3]));
    painted = XCreateRegion();
    XSetErrorHandler(ignore_error);
    XSelectInput(dpy, DefaultRootWindow(dpy), SubstructureNotifyMask);
    /* Only where painting is watched: reports cost the server work. */
    if (strcmp(mode, "launch") != 0 || (argc > 4 && atoi(argv[4]) > 0))
        XDamageCreate(dpy, DefaultRootWindow(dpy), XDamageReportRawRectangles);
    XSync(dpy, False);

    if (argc >= 6 && strcmp(mode, "standings") == 0) {
        window_title = argv[2];
        view_title = argv[3];
        standings = 1;
        status = launch(1, atoi(argv[4]), argv + 5);
    } else if (argc >= 7 && strcmp(mode, "launch") == 0) {
        window_title = argv[2];
        view_title = atoi(argv[4]) > 0 ? argv[3] : NULL;
        status = launch(atoi(argv[4]), atoi(argv[5]), argv + 6);
    } else if (argc == 7 && strcmp(mode, "paints") == 0) {
        watched = (XRectangle){(short)atoi(argv[2]), (short)atoi(argv[3]),
                               (unsigned short)atoi(argv[4]), (unsigned short)atoi(argv[5])};
        pump_until(now_us() + (long long)(atof(argv[6]) * 1e6));
        status = 0;
    } else if (argc == 9 && strcmp(mode, "cycles") == 0) {
        view_title = argv[2];
        status = cycles(atoi(argv[3]), atoll(argv[4]) * 1000, (pid_t)atoi(argv[5]),
                        atoi(argv[6]), argv[7], argv[8]);
    } else {
        fprintf(stderr, "usage: xwatch launch|standings|cycles|paints|bells ... (see its source)\n");
    }
    XCloseDisplay(dpy);
    return status;
}
