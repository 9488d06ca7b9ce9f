/* bellcount: reports every X bell and button press on $DISPLAY, as it comes.
 *
 * Prints "ready" once subscribed, then a line per bell and per press ("click"
 * before it, or the bell's name, as xkbbell NAME gives one): the X server's
 * time of it in ms (CLOCK_MONOTONIC), and that moment as wall-clock ms since
 * the epoch, as the shell's EPOCHREALTIME gives it: no process's start-up is
 * counted. Runs until it is killed or the X server goes away.
 */
#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/extensions/XInput2.h>
#include <stdint.h>
#include <stdio.h>
#include <time.h>

static double ms_of(clockid_t clock)
{
    struct timespec ts;
    clock_gettime(clock, &ts);
    return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

static void report(const char *what, Time server)
{
    /* how long ago the server stamped it, on the server's 32-bit ms clock */
    const uint32_t ago = (uint32_t)(uint64_t)ms_of(CLOCK_MONOTONIC) - (uint32_t)server;
    printf("%s%s%lu %.0f\n", what, *what ? " " : "", (unsigned long)server,
           ms_of(CLOCK_REALTIME) - ago);
    fflush(stdout);
}

int main(void)
{
    int xkb_event = 0, xkb_error = 0, major = XkbMajorVersion, minor = XkbMinorVersion;
    int reason = 0, xi = 0, unused = 0, xi_major = 2, xi_minor = 0;
    Display *dpy = XkbOpenDisplay(NULL, &xkb_event, &xkb_error, &major, &minor, &reason);
    if (!dpy) {
        fprintf(stderr, "bellcount: cannot open display with XKB (reason %d)\n", reason);
        return 1;
    }
    if (!XkbSelectEvents(dpy, XkbUseCoreKbd, XkbBellNotifyMask, XkbBellNotifyMask)) {
        fprintf(stderr, "bellcount: cannot select XkbBellNotify\n");
        return 1;
    }
    unsigned char bits[XIMaskLen(XI_LASTEVENT)] = {0};
    XIEventMask mask = {XIAllMasterDevices, sizeof bits, bits};
    XISetMask(bits, XI_RawButtonPress);
    if (!XQueryExtension(dpy, "XInputExtension", &xi, &unused, &unused) ||
        XIQueryVersion(dpy, &xi_major, &xi_minor) != Success ||
        XISelectEvents(dpy, DefaultRootWindow(dpy), &mask, 1) != Success) {
        fprintf(stderr, "bellcount: cannot select XInput2's raw button presses\n");
        return 1;
    }
    XSync(dpy, False); /* the subscriptions are in force once the server has seen them */
    printf("ready\n");
    fflush(stdout);

    for (;;) {
        XEvent ev;
        XNextEvent(dpy, &ev);
        if (ev.type == xkb_event && ((XkbEvent *)&ev)->any.xkb_type == XkbBellNotify) {
            const XkbBellNotifyEvent *bell = &((XkbEvent *)&ev)->bell;
            char *name = bell->name ? XGetAtomName(dpy, bell->name) : NULL;
            report(name ? name : "", bell->time);
            XFree(name);
        } else if (ev.type == GenericEvent && ev.xcookie.extension == xi &&
                   XGetEventData(dpy, &ev.xcookie)) {
            report("click", ((XIRawEvent *)ev.xcookie.data)->time);
            XFreeEventData(dpy, &ev.xcookie);
        }
    }
}
