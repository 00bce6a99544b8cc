// A plain X window for the display mode's tests, like the preview window of
// xscreensaver's settings program: x11_test_window WIDTHxHEIGHT+X+Y. Black,
// on the default visual; prints its id and stays until it is killed.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstdio>

int main(int argc, char** argv) {
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr || argc != 2)
        return 2;
    int x = 0;
    int y = 0;
    unsigned int width = 320;
    unsigned int height = 240;
    XParseGeometry(argv[1], &x, &y, &width, &height);
    const int screen = DefaultScreen(display);
    const Window window =
        XCreateSimpleWindow(display, RootWindow(display, screen), x, y, width, height, 0,
                            BlackPixel(display, screen), BlackPixel(display, screen));
    XStoreName(display, window, "x11_test_window");
    // Placed where asked, as a settings program places its preview.
    XSizeHints hints{};
    hints.flags = USPosition | USSize;
    XSetWMNormalHints(display, window, &hints);
    XSelectInput(display, window, ExposureMask);
    XMapWindow(display, window);
    XSync(display, False);
    std::printf("0x%lx\n", window);
    std::fflush(stdout);
    for (;;) {
        XEvent event;
        XNextEvent(display, &event);
    }
}
