/* closewindow: asks a window to close, as a window manager's close button
 * does: a WM_DELETE_WINDOW client message.
 *
 * usage: closewindow WINDOW_ID   (decimal or 0x hex)
 */
#include <stdio.h>
#include <stdlib.h>
#include <X11/Xlib.h>

int main(int argc, char **argv)
{
    if (argc != 2) {
        fprintf(stderr, "usage: %s WINDOW_ID\n", argv[0]);
        return 2;
    }
    Window window = (Window)strtoul(argv[1], NULL, 0);
    Display *dpy = XOpenDisplay(NULL);
    if (!dpy) {
        fprintf(stderr, "closewindow: cannot open display\n");
        return 1;
    }
    XEvent ev = {0};
    ev.xclient.type = ClientMessage;
    ev.xclient.window = window;
    ev.xclient.message_type = XInternAtom(dpy, "WM_PROTOCOLS", False);
    ev.xclient.format = 32;
    ev.xclient.data.l[0] = (long)XInternAtom(dpy, "WM_DELETE_WINDOW", False);
    ev.xclient.data.l[1] = CurrentTime;
    if (!XSendEvent(dpy, window, False, NoEventMask, &ev)) {
        fprintf(stderr, "closewindow: cannot send to 0x%lx\n", window);
        return 1;
    }
    XCloseDisplay(dpy); /* flushes the request */
    return 0;
}
