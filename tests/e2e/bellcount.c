/* bellcount: reports every X bell rung on $DISPLAY.
 *
 * Prints "ready" once it is subscribed to XkbBellNotify, then one line per
 * bell: the server time of the bell in milliseconds, and the wall-clock time
 * in ms since the epoch (as the shell's EPOCHREALTIME gives it) at which it
 * reached this program, so never before it rang. Every line is flushed at
 * once so a shell script can count bells while they happen.
 * Runs until it is killed (SIGTERM) or the X server goes away.
 */
#include <stdio.h>
#include <time.h>
#include <X11/Xlib.h>
#include <X11/XKBlib.h>

int main(void)
{
    int xkb_event = 0, xkb_error = 0, major = XkbMajorVersion, minor = XkbMinorVersion;
    int reason = 0;
    Display *dpy = XkbOpenDisplay(NULL, &xkb_event, &xkb_error, &major, &minor, &reason);
    if (!dpy) {
        fprintf(stderr, "bellcount: cannot open display with XKB (reason %d)\n", reason);
        return 1;
    }
    if (!XkbSelectEvents(dpy, XkbUseCoreKbd, XkbBellNotifyMask, XkbBellNotifyMask)) {
        fprintf(stderr, "bellcount: cannot select XkbBellNotify\n");
        return 1;
    }
    XSync(dpy, False); /* the subscription is in force once the server has seen it */
    printf("ready\n");
    fflush(stdout);

    for (;;) {
        XEvent ev;
        XNextEvent(dpy, &ev);
        if (ev.type != xkb_event)
            continue;
        XkbEvent *xkb = (XkbEvent *)&ev;
        if (xkb->any.xkb_type == XkbBellNotify) {
            struct timespec now;
            clock_gettime(CLOCK_REALTIME, &now);
            printf("%lu %.0f\n", (unsigned long)xkb->bell.time, now.tv_sec * 1e3 + now.tv_nsec / 1e6);
            fflush(stdout);
        }
    }
}
