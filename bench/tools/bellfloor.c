/* bellfloor: the floor for a period's bells. Rings the X bell on $DISPLAY at
 * exact deadlines on the monotonic clock, EVERY seconds apart, COUNT times,
 * the first at once: what the X bell chain adds to a program that rings it
 * on time. usage: bellfloor [EVERY [COUNT]] (60 and 5: a whole period)
 */
#include <stdio.h>
#include <stdlib.h>
#include <time.h>
#include <X11/Xlib.h>

int main(int argc, char **argv)
{
    const long every = argc > 1 ? atol(argv[1]) : 60;
    const int count = argc > 2 ? atoi(argv[2]) : 5;
    Display *dpy = XOpenDisplay(NULL);
    if (!dpy) {
        fprintf(stderr, "bellfloor: cannot open the display\n");
        return 1;
    }
    struct timespec at;
    clock_gettime(CLOCK_MONOTONIC, &at);
    for (int i = 0; i < count; ++i) {
        while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &at, NULL)) {
        }
        XBell(dpy, 0);
        XFlush(dpy);
        at.tv_sec += every;
    }
    XCloseDisplay(dpy);
    return 0;
}
