/* SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
 * SPDX-License-Identifier: GPL-3.0-or-later
 *
 * bellring: the floor for a program's bells. Rings the X bell on $DISPLAY at
 * once and again MS milliseconds later, each at its exact deadline on
 * CLOCK_MONOTONIC, as a program with a perfect clock would: whatever the
 * bell counter then finds beyond MS is the X server's and the machine's.
 *
 * usage: bellring MS
 */
#include <X11/Xlib.h>
#include <stdio.h>
#include <stdlib.h>
#include <time.h>

int main(int argc, char **argv)
{
    Display *dpy = XOpenDisplay(NULL);
    if (argc != 2 || !dpy) {
        fprintf(stderr, "usage: bellring MS (with an X display)\n");
        return 2;
    }
    const long ms = atol(argv[1]);
    struct timespec at;
    clock_gettime(CLOCK_MONOTONIC, &at);
    XBell(dpy, 0);
    XSync(dpy, False);
    at.tv_sec += ms / 1000;
    at.tv_nsec += ms % 1000 * 1000000L;
    if (at.tv_nsec >= 1000000000L) {
        at.tv_sec += 1;
        at.tv_nsec -= 1000000000L;
    }
    while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &at, NULL) != 0) { }
    XBell(dpy, 0);
    XSync(dpy, False);
    XCloseDisplay(dpy);
    return 0;
}
