// Starts a program and measures the time from its start until its window is mapped and shows
// its first painted frame, polling the X server every millisecond: both programs measured start
// in 20 to 30 ms, so a coarser poll would round the very difference we look for. The program is
// left running so that the caller can measure it further; its process id is printed.
//
//   window_probe <title> <r,g,b> <command> [arguments...]
//   prints: pid=<pid> startup_ms=<milliseconds>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <thread>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto kPollInterval = std::chrono::milliseconds(1);
constexpr auto kGiveUpAfter = std::chrono::seconds(30);

struct Colour {
    unsigned red, green, blue;
};

std::optional<Window> topLevelWindowNamed(Display* display, const char* title)
{
    Window root = 0, parent = 0;
    Window* children = nullptr;
    unsigned count = 0;
    if (!XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count))
        return std::nullopt;
    std::optional<Window> found;
    for (unsigned i = 0; i < count && !found; ++i) {
        char* name = nullptr;
        if (XFetchName(display, children[i], &name) && name) {
            if (std::strcmp(name, title) == 0)
                found = children[i];
            XFree(name);
        }
    }
    if (children)
        XFree(children);
    return found;
}

unsigned channel(unsigned long pixel, unsigned long mask)
{
    if (mask == 0)
        return 0;
    int shift = 0;
    while (((mask >> shift) & 1) == 0)
        ++shift;
    const unsigned long value = (pixel & mask) >> shift;
    const unsigned long maximum = mask >> shift;
    return unsigned(value * 255 / maximum);
}

// Mapped, viewable, and showing the expected colour in the middle of its client area.
bool showsFirstFrame(Display* display, Window window, Colour expected)
{
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display, window, &attributes) || attributes.map_state != IsViewable)
        return false;
    XImage* image = XGetImage(display, window, attributes.width / 2, attributes.height - 60, 1, 1,
                              AllPlanes, ZPixmap);
    if (!image)
        return false;
    const unsigned long pixel = XGetPixel(image, 0, 0);
    const Visual* visual = attributes.visual;
    const bool painted = channel(pixel, visual->red_mask) == expected.red
        && channel(pixel, visual->green_mask) == expected.green
        && channel(pixel, visual->blue_mask) == expected.blue;
    XDestroyImage(image);
    return painted;
}

int ignoreErrors(Display*, XErrorEvent*)
{
    return 0;  // a window that goes away between two requests is no failure of the probe
}

// Starts the program measured, with its arguments; its process id.
pid_t startProgram(char* command[])
{
    const pid_t child = fork();
    if (child == 0) {
        // The caller reads this probe's output to its end: the program must not hold it open.
        const int nowhere = open("/dev/null", O_WRONLY);
        dup2(nowhere, STDOUT_FILENO);
        execvp(command[0], command);
        std::perror("window_probe: exec");
        _exit(127);
    }
    return child;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: window_probe <title> <r,g,b> <command> [arguments...]\n");
        return 2;
    }
    const char* title = argv[1];
    Colour expected{};
    if (std::sscanf(argv[2], "%u,%u,%u", &expected.red, &expected.green, &expected.blue) != 3) {
        std::fprintf(stderr, "window_probe: colour must be r,g,b\n");
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "window_probe: no X display\n");
        return 2;
    }
    XSetErrorHandler(ignoreErrors);

    const Clock::time_point start = Clock::now();
    const pid_t child = startProgram(argv + 3);

    while (Clock::now() - start < kGiveUpAfter) {
        const std::optional<Window> window = topLevelWindowNamed(display, title);
        if (window && showsFirstFrame(display, *window, expected)) {
            const double milliseconds =
                std::chrono::duration<double, std::milli>(Clock::now() - start).count();
            std::printf("pid=%d startup_ms=%.1f\n", int(child), milliseconds);
            XCloseDisplay(display);
            return 0;
        }
        std::this_thread::sleep_for(kPollInterval);
    }
    std::fprintf(stderr, "window_probe: no painted window \"%s\" after 30 s\n", title);
    kill(child, SIGTERM);
    return 1;
}
