// Waits until screen pixels show a state, polling the X server every 10 ms:
//   orvel_e2e_wait_pixels TIMEOUT_MS RRGGBB X,Y[,!] ...
// Every point must have the colour, or, marked with "!", must not. Exits 0 when
// they all do at one moment, 1 on timeout. A shell script that runs an image
// tool per pixel takes far longer than one scanning step on a loaded machine.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>
#include <vector>

namespace {

struct Point {
    int x = 0, y = 0;
    bool negated = false;
};

unsigned long pixel_rgb(Display* d, Window root, int x, int y)
{
    XImage* image = XGetImage(d, root, x, y, 1, 1, AllPlanes, ZPixmap);
    if (!image)
        return ~0UL;
    const unsigned long p = XGetPixel(image, 0, 0);
    XDestroyImage(image);
    return p & 0xFFFFFF;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s TIMEOUT_MS RRGGBB X,Y[,!] ...\n", argv[0]);
        return 2;
    }
    const long timeout_ms = std::strtol(argv[1], nullptr, 10);
    const unsigned long colour = std::strtoul(argv[2], nullptr, 16);
    std::vector<Point> points;
    for (int i = 3; i < argc; ++i) {
        Point p;
        char bang = 0;
        if (std::sscanf(argv[i], "%d,%d,%c", &p.x, &p.y, &bang) < 2) {
            std::fprintf(stderr, "bad point %s\n", argv[i]);
            return 2;
        }
        p.negated = bang == '!';
        points.push_back(p);
    }
    Display* d = XOpenDisplay(nullptr);
    if (!d) {
        std::fprintf(stderr, "no display\n");
        return 2;
    }
    const Window root = DefaultRootWindow(d);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeout_ms);
    do {
        bool all = true;
        for (const Point& p : points)
            all = all && ((pixel_rgb(d, root, p.x, p.y) == colour) != p.negated);
        if (all) {
            XCloseDisplay(d);
            return 0;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    } while (std::chrono::steady_clock::now() < deadline);
    XCloseDisplay(d);
    return 1;
}
