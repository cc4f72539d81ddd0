/* A plain Xlib window for the player to draw into, as xscreensaver makes
 * one: test-window WIDTH HEIGHT maps a window of that size, prints its id
 * on standard output, then destroys it when a line "destroy" comes on
 * standard input, and ends at the end of the input. */
#include <X11/Xlib.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

int main(int argc, char** argv) {
    if (argc != 3) {
        fprintf(stderr, "usage: test-window WIDTH HEIGHT\n");
        return 2;
    }
    Display* display = XOpenDisplay(NULL);
    if (display == NULL) {
        fprintf(stderr, "test-window: no display\n");
        return 1;
    }
    Window window = XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, (unsigned)atoi(argv[1]),
                                        (unsigned)atoi(argv[2]), 0, 0, 0);
    XSelectInput(display, window, StructureNotifyMask);
    XMapWindow(display, window);
    XEvent event;
    do XNextEvent(display, &event);
    while (event.type != MapNotify);
    printf("%lu\n", (unsigned long)window);
    fflush(stdout);
    char line[64];
    while (fgets(line, sizeof line, stdin) != NULL) {
        if (strncmp(line, "destroy", 7) == 0) {
            XDestroyWindow(display, window);
            XSync(display, False);
        }
    }
    XCloseDisplay(display);
    return 0;
}
