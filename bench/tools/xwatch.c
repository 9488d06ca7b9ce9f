/* SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
 * SPDX-License-Identifier: GPL-3.0-or-later
 *
 * xwatch: the benchmarks' eye on the X server, which sees a window mapped or
 * painted the moment the server reports it, not at the next turn of a polling
 * loop. Prints key=value words; bench/notes.md says what each figure is.
 *
 * usage: xwatch launch WINDOW_TITLE VIEW_TITLE OPENS PROGRAM [ARGS...]
 *          exec to WINDOW_TITLE mapped, then 500 ms later its Rss and Pss;
 *          then OPENS times Ctrl+R to VIEW_TITLE mapped and painted all over,
 *          300 ms, Ctrl+R to it unmapped, 300 ms (RSS while open and after).
 *        xwatch alive WINDOW_TITLE MS PROGRAM [ARGS...]
 *          as launch without opening, the memory MS ms after the mapping.
 *        xwatch cycles VIEW_TITLE CYCLES SPREAD_MS PID [SCREENS REMOVE ADD]
 *          the program PID running, CYCLES openings and closings of the view
 *          spread over SPREAD_MS; with SCREENS, the shell commands REMOVE and
 *          ADD take its screen away and back SCREENS times while it is open.
 *        xwatch paints X Y WIDTH HEIGHT SECONDS
 *          the wall clock (which a browser's page reads too), in ms, of each
 *          repaint of the rectangle; reports within 50 ms of the last are one.
 *
 * The key goes by XTest to whichever window has the keyboard. "Painted" is
 * the union of the DAMAGE reports on the root window (drawing into any
 * window) since the view was mapped covering all of it; Qt's windows have no
 * background of their own, so the mapping alone draws nothing. Needs a
 * display without a window manager.
 */
#define _GNU_SOURCE
#include <X11/Xatom.h>
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

static void sleep_ms(int ms) { usleep((useconds_t)ms * 1000); }
/* A window may be gone by the time it is asked about (a view closed, or
   moved by a screen change): that is no reason to stop watching. */
static int ignore_error(Display *d, XErrorEvent *e) { return (void)d, (void)e, 0; }

static void handle(XEvent *ev)
{
    if (ev->type == MapNotify) {
        Window w = ev->xmap.window;
        if (window_title && window_seen == None && has_title(dpy, w, window_title))
            window_seen = w;
        if (w == view || (view_title && has_title(dpy, w, view_title))) {
            XWindowAttributes a;
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
        if (view_mapped)
            XUnionRectWithRegion(&r, painted, painted);
        if (watched.width && r.x < watched.x + watched.width && r.y < watched.y + watched.height &&
            r.x + r.width > watched.x && r.y + r.height > watched.y) {
            /* The wall clock, which a browser's page reads too. */
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

/* Ctrl+R, as a keyboard would send it; returns when the R went down. */
static long long ctrl_r(void)
{
    KeyCode ctrl = XKeysymToKeycode(dpy, XK_Control_L), r = XKeysymToKeycode(dpy, XK_r);
    XTestFakeKeyEvent(dpy, ctrl, True, CurrentTime);
    XFlush(dpy);
    long long t = now_us();
    XTestFakeKeyEvent(dpy, r, True, CurrentTime);
    XFlush(dpy);
    XTestFakeKeyEvent(dpy, r, False, CurrentTime);
    XTestFakeKeyEvent(dpy, ctrl, False, CurrentTime);
    XFlush(dpy);
    return t;
}

static pid_t start(char **program)
{
    pid_t pid = fork();
    if (pid == 0) {
        close(ConnectionNumber(dpy));
        execvp(program[0], program);
        _exit(127);
    }
    if (pid < 0) {
        perror("xwatch: fork");
        return -1;
    }
    if (wait_for(window_mapped, 30000000LL)) {
        fprintf(stderr, "xwatch: no window titled '%s' within 30 s\n", window_title);
        end_child(pid);
        return -1;
    }
    return pid;
}

static int give_up(pid_t pid, const char *what)
{
    fprintf(stderr, "xwatch: '%s' %s\n", view_title, what);
    end_child(pid);
    return 1;
}

static int launch(int opens, int settle_ms, char **program)
{
    long long t0 = now_us();
    pid_t pid = start(program);
    if (pid < 0)
        return 1;
    long long mapped_at = now_us();
    sleep_ms(settle_ms);
    printf("startup_us=%lld rss_kb=%ld pss_kb=%ld", mapped_at - t0, rollup_kb(pid, "Rss"),
           rollup_kb(pid, "Pss"));
    for (int k = 1; k <= opens; ++k) {
        long long t = ctrl_r();
        if (wait_for(is_mapped, 10000000LL))
            return give_up(pid, "not mapped within 10 s of Ctrl+R");
        long long mapped = now_us();
        if (wait_for(view_painted, 10000000LL))
            return give_up(pid, "not painted all over within 10 s");
        printf(" open%d_map_us=%lld open%d_us=%lld", k, mapped - t, k, now_us() - t);
        sleep_ms(300);
        if (k == 1)
            printf(" view_rss_kb=%ld", rollup_kb(pid, "Rss"));
        ctrl_r();
        if (wait_for(is_unmapped, 10000000LL))
            return give_up(pid, "still mapped 10 s after Ctrl+R");
        sleep_ms(300);
        if (k == 1)
            printf(" closed_rss_kb=%ld closed_alive_ms=%lld", rollup_kb(pid, "Rss"),
                   (now_us() - mapped_at) / 1000);
    }
    printf("\n");
    end_child(pid);
    return 0;
}

static int compare(const void *a, const void *b)
{
    long long x = *(const long long *)a, y = *(const long long *)b;
    return (x > y) - (x < y);
}

/* Runs a shell command (xrandr), status 0 if it succeeded. */
static int run(const char *command)
{
    int status = system(command);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? 0 : 1;
}

/* After a screen change: the view unmapped and mapped again at its new
   place, and painted there; the time it took, or -1. */
static long long follows(long long t)
{
    if (wait_for(is_unmapped, 3000000LL) || wait_for(is_mapped, 3000000LL) ||
        wait_for(view_painted, 3000000LL))
        return -1;
    return now_us() - t;
}

static int cycles(int n, long long spread_us, pid_t pid, int screens, const char *remove,
                  const char *add)
{
    long long *open = calloc((size_t)n, sizeof *open);
    int opened = 0, unanswered = 0, unpainted = 0, moved = 0, unmoved = 0, failed = 0;
    long long moved_max = 0;
    /* The screen goes in the middle of each group of cycles and comes back
       at its end: the RSS, read after whole groups, is always that of a view
       last shown full screen on it. */
    int group = screens > 0 ? n / screens : 0;
    long long start = now_us();
    if (!open)
        return 1;
    for (int k = 1; k <= n; ++k) {
        pump_until(start + spread_us * (k - 1) / n);
        /* The key is sent for the state the view is in. */
        if (!view_mapped) {
            long long t = ctrl_r();
            if (wait_for(is_mapped, 3000000LL)) {
                ++unanswered;
            } else if (wait_for(view_painted, 3000000LL)) {
                ++unpainted;
            } else {
                open[opened++] = now_us() - t;
            }
        }
        /* Its screen removed, or added, while it is open. */
        const char *change = NULL;
        if (group > 0 && k % group == group / 2 && k / group < screens)
            change = remove;
        else if (group > 0 && k % group == 0 && k / group <= screens)
            change = add;
        if (change && view_mapped) {
            long long t = now_us(), took = run(change) ? -2 : follows(t);
            failed += took == -2;
            unmoved += took == -1;
            moved += took >= 0;
            if (took > moved_max)
                moved_max = took;
        }
        ctrl_r();
        if (wait_for(is_unmapped, 3000000LL))
            ++unanswered;
        if (k == 1 || k == 10 || k == 100 || k == n) {
            pump_until(now_us() + 200000);
            if (k == n)
                printf("rss_after_last_kb=%ld\n", rollup_kb(pid, "Rss"));
            else
                printf("rss_after_%d_kb=%ld\n", k, rollup_kb(pid, "Rss"));
            fflush(stdout);
        }
    }
    qsort(open, (size_t)opened, sizeof *open, compare);
    printf("cycles=%d\nopened=%d\nunanswered=%d\nunpainted=%d\ncycles_ms=%lld\n", n, opened,
           unanswered, unpainted, (now_us() - start) / 1000);
    printf("screen_changes=%d\nmoved=%d\nunmoved=%d\nchange_failed=%d\nmoved_max_us=%lld\n",
           moved + unmoved + failed, moved, unmoved, failed, moved_max);
    if (opened > 0)
        printf("open_median_us=%lld\nopen_p90_us=%lld\nopen_max_us=%lld\n", open[opened / 2],
               open[opened * 9 / 10], open[opened - 1]);
    free(open);
    return 0;
}

int main(int argc, char *argv[])
{
    int launching = argc >= 6 && strcmp(argv[1], "launch") == 0;
    int living = argc >= 5 && strcmp(argv[1], "alive") == 0;
    int cycling = (argc == 6 || argc == 9) && strcmp(argv[1], "cycles") == 0;
    int painting = argc == 7 && strcmp(argv[1], "paints") == 0;
    if (!launching && !living && !cycling && !painting) {
        fprintf(stderr, "usage: xwatch launch|alive|cycles|paints ... (see its source)\n");
        return 2;
    }
    dpy = XOpenDisplay(NULL);
    if (!dpy) {
        fprintf(stderr, "xwatch: cannot open display\n");
        return 1;
    }
    int damage_error, ev, err, major, minor;
    if (!XDamageQueryExtension(dpy, &damage_event, &damage_error) ||
        !XTestQueryExtension(dpy, &ev, &err, &major, &minor)) {
        fprintf(stderr, "xwatch: the X server lacks DAMAGE or XTEST\n");
        return 1;
    }
    painted = XCreateRegion();
    XSetErrorHandler(ignore_error);
    XSelectInput(dpy, DefaultRootWindow(dpy), SubstructureNotifyMask);
    /* Only where painting is watched: reports cost the server work. */
    if (!living && !(launching && atoi(argv[4]) == 0))
        XDamageCreate(dpy, DefaultRootWindow(dpy), XDamageReportRawRectangles);
    XSync(dpy, False);

    int status;
    if (launching) {
        window_title = argv[2];
        view_title = atoi(argv[4]) > 0 ? argv[3] : NULL;
        status = launch(atoi(argv[4]), 500, argv + 5);
    } else if (living) {
        window_title = argv[2];
        status = launch(0, atoi(argv[3]), argv + 4);
    } else if (painting) {
        watched = (XRectangle){(short)atoi(argv[2]), (short)atoi(argv[3]),
                               (unsigned short)atoi(argv[4]), (unsigned short)atoi(argv[5])};
        pump_until(now_us() + (long long)(atof(argv[6]) * 1e6));
        status = 0;
    } else {
        view_title = argv[2];
        /* The view may be open already: find it among the root's children. */
        Window root, parent, *children = NULL;
        unsigned int count = 0;
        if (XQueryTree(dpy, DefaultRootWindow(dpy), &root, &parent, &children, &count)) {
            for (unsigned int i = 0; i < count; ++i) {
                XWindowAttributes a;
                if (has_title(dpy, children[i], view_title) &&
                    XGetWindowAttributes(dpy, children[i], &a)) {
                    view = children[i];
                    view_mapped = a.map_state == IsViewable;
                }
            }
            XFree(children);
        }
        status = cycles(atoi(argv[3]), atoll(argv[4]) * 1000, (pid_t)atoi(argv[5]),
                        argc == 9 ? atoi(argv[6]) : 0, argc == 9 ? argv[7] : NULL,
                        argc == 9 ? argv[8] : NULL);
    }
    XCloseDisplay(dpy);
    return status;
}
