/* SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
 * SPDX-License-Identifier: GPL-3.0-or-later
 *
 * paintstamps: when the X server saw a part of the screen drawn, on the
 * system's wall clock, which a browser's page reads too.
 *
 * usage: paintstamps X Y WIDTH HEIGHT SECONDS
 *   prints one line a repaint of the rectangle (root coordinates): the wall
 *   clock in milliseconds with three decimals, taken as the DAMAGE report
 *   arrives; reports within 50 ms of the one before are one repaint.
 * Needs a display with DAMAGE; reports on the root window include drawing
 * into any window.
 */
#define _GNU_SOURCE
#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>
#include <poll.h>
#include <stdio.h>
#include <stdlib.h>
#include <time.h>

static double wall_ms(void)
{
    struct timespec ts;
    clock_gettime(CLOCK_REALTIME, &ts);
    return (double)ts.tv_sec * 1000.0 + (double)ts.tv_nsec / 1e6;
}

int main(int argc, char **argv)
{
    if (argc != 6) {
        fprintf(stderr, "usage: paintstamps X Y WIDTH HEIGHT SECONDS\n");
        return 2;
    }
    const int x = atoi(argv[1]), y = atoi(argv[2]), w = atoi(argv[3]), h = atoi(argv[4]);
    Display *dpy = XOpenDisplay(NULL);
    int damage_event, damage_error;
    if (!dpy || !XDamageQueryExtension(dpy, &damage_event, &damage_error)) {
        fprintf(stderr, "paintstamps: no display with DAMAGE\n");
        return 1;
    }
    XDamageCreate(dpy, DefaultRootWindow(dpy), XDamageReportRawRectangles);
    XFlush(dpy);
    const double end = wall_ms() + atof(argv[5]) * 1000.0;
    double last = 0;
    while (wall_ms() < end) {
        if (!XPending(dpy)) {
            struct pollfd p = {ConnectionNumber(dpy), POLLIN, 0};
            poll(&p, 1, 100);
            continue;
        }
        XEvent ev;
        XNextEvent(dpy, &ev);
        if (ev.type != damage_event + XDamageNotify)
            continue;
        const double at = wall_ms();
        const XRectangle r = ((XDamageNotifyEvent *)&ev)->area;
        if (r.x >= x + w || r.y >= y + h || r.x + r.width <= x || r.y + r.height <= y)
            continue;
        if (at - last > 50) {
            printf("%.3f\n", at);
            fflush(stdout);
        }
        last = at;
    }
    XCloseDisplay(dpy);
    return 0;
}
