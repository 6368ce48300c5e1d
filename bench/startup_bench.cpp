// Start-up to the first painted frame, and peak memory, of a program under X11.
//   startup_bench <runs> <x> <y> <RRGGBB> <program> [args...]
// Each run starts the program, polls one screen pixel until it shows the given colour (the
// window's background, painted), then ends the program with SIGTERM and reads its peak resident
// memory. Prints one line per run: first-paint ms, exit ms, peak KiB.
#include <xcb/xcb.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>

extern char **environ;

namespace {

unsigned pixelAt(xcb_connection_t *c, xcb_window_t root, int x, int y)
{
    xcb_get_image_reply_t *reply = xcb_get_image_reply(
        c, xcb_get_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, root, short(x), short(y), 1, 1, ~0u), nullptr);
    if (!reply)
        return 0;
    const uint8_t *bgrx = xcb_get_image_data(reply);
    const unsigned rgb = unsigned(bgrx[2]) << 16 | unsigned(bgrx[1]) << 8 | bgrx[0];
    std::free(reply);
    return rgb;
}

double msSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 6) {
        std::fprintf(stderr, "usage: startup_bench runs x y RRGGBB program [args...]\n");
        return 2;
    }
    const int runs = std::atoi(argv[1]);
    const int x = std::atoi(argv[2]);
    const int y = std::atoi(argv[3]);
    const unsigned colour = unsigned(std::strtoul(argv[4], nullptr, 16));
    xcb_connection_t *c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c))
        return 2;
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;

    for (int run = 0; run < runs; ++run) {
        while (pixelAt(c, root, x, y) == colour) // the previous window is still on screen
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        const auto start = std::chrono::steady_clock::now();
        pid_t pid;
        if (posix_spawn(&pid, argv[5], nullptr, nullptr, argv + 5, environ) != 0)
            return 2;
        while (pixelAt(c, root, x, y) != colour) {
            if (msSince(start) > 20000) {
                std::fprintf(stderr, "no paint within 20 s\n");
                kill(pid, SIGKILL);
                return 1;
            }
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        }
        const double painted = msSince(start);
        kill(pid, SIGTERM);
        int status = 0;
        rusage usage{};
        wait4(pid, &status, 0, &usage);
        std::printf("%.1f %.1f %ld\n", painted, msSince(start), usage.ru_maxrss);
        std::fflush(stdout);
    }
    xcb_disconnect(c);
    return 0;
}
