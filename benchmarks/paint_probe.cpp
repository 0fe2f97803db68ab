// Times a program as a user sees it: from exec to the first pixels of its
// first window, and optionally from a click in that window to the first
// pixels of the next window it maps.
//
//   morvane_paint_probe [--click X,Y] [--settle MS] [--timeout MS] -- PROGRAM [ARG...]
//
// The probe watches the root window for new top-level windows (there must be
// no window manager, so top-level windows are the root's children), puts an
// X Damage object on each as it is created, starts the program, and notes
// when the first one maps and when the server first draws into it. Qt gives
// its windows no background, so the first damage is the program's own paint;
// but the server itself fills a window with an alpha channel (the result
// window) with what lies beneath as it maps it, so the probe paints the bare
// root a colour of its own, and such a window counts as painted once its
// middle row shows another.
//
// With --click it then waits --settle milliseconds (500), presses the left
// button through XTest at X,Y in that window (negative: from its right or
// bottom edge), releases it 50 ms later and times from the release to the
// mapping and the first paint of the next top-level window.
//
// Prints one line of milliseconds, e.g.
//   map=81.20 paint=96.41 cpu=70.12 wait=8.40 size=464x356 click_map=9.02 click_paint=27.33 click_cpu=20.51
// then ends the program. cpu is the CPU time the program had used when it
// first painted, wait the time it had spent waiting for a core; click_cpu
// the CPU time from the release to the result window's first paint. Exit status 1 when something never happened within
// --timeout milliseconds (10000), 2 on wrong usage.
#include <xcb/damage.h>
#include <xcb/xcb.h>
#include <xcb/xtest.h>

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <dirent.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace {

// The bare root's colour while the probe runs (on a 24-bit screen).
constexpr uint32_t kRootColour = 0x203040;

double nowMs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<double>(ts.tv_sec) * 1e3 + static_cast<double>(ts.tv_nsec) / 1e6;
}

// CPU time the program has used so far, every thread it ever ran
// included, and the time its live threads have waited for a core, in
// milliseconds. On a busy machine the first is steadier than wall-clock
// time and the second says how busy.
struct CpuTime
{
    double run = 0;
    double wait = 0;
};

CpuTime cpuTimeOf(pid_t pid)
{
    CpuTime total;
    clockid_t clock;
    timespec ts{};
    if (clock_getcpuclockid(pid, &clock) == 0 && clock_gettime(clock, &ts) == 0)
        total.run = static_cast<double>(ts.tv_sec) * 1e3 + static_cast<double>(ts.tv_nsec) / 1e6;
    // Linux's schedstat: run time and run-queue wait in nanoseconds, per thread.
    const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
    DIR *dir = opendir(tasks.c_str());
    if (!dir)
        return total;
    while (dirent *d = readdir(dir)) {
        if (d->d_name[0] == '.')
            continue;
        if (FILE *f = std::fopen((tasks + "/" + d->d_name + "/schedstat").c_str(), "r")) {
            unsigned long long run = 0, wait = 0;
            if (std::fscanf(f, "%llu %llu", &run, &wait) == 2)
                total.wait += static_cast<double>(wait) / 1e6;
            std::fclose(f);
        }
    }
    closedir(dir);
    return total;
}

struct Probe
{
    xcb_connection_t *c = nullptr;
    xcb_window_t root = 0;
    uint8_t damageEvent = 0;
    std::map<xcb_window_t, xcb_damage_damage_t> damages;
    std::map<xcb_window_t, double> mapped;   // top-level windows mapped, and when
    std::map<xcb_window_t, double> painted;  // top-level windows first drawn into, and when
    std::map<xcb_window_t, CpuTime> cpuAtPaint;
    pid_t child = 0;
    std::vector<xcb_window_t> mapOrder;

    void watch(xcb_window_t w)
    {
        if (damages.count(w))
            return;
        const xcb_damage_damage_t d = xcb_generate_id(c);
        xcb_damage_create(c, d, w, XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
        damages[w] = d;
        xcb_flush(c);
    }

    void handle(xcb_generic_event_t *e)
    {
        const double t = nowMs();
        const uint8_t type = e->response_type & 0x7f;
        if (type == XCB_CREATE_NOTIFY) {
            auto *ev = reinterpret_cast<xcb_create_notify_event_t *>(e);
            if (ev->parent == root && !ev->override_redirect)
                watch(ev->window);
        } else if (type == XCB_MAP_NOTIFY) {
            auto *ev = reinterpret_cast<xcb_map_notify_event_t *>(e);
            if (ev->event == root && !ev->override_redirect && !mapped.count(ev->window)) {
                watch(ev->window);
                mapped[ev->window] = t;
                mapOrder.push_back(ev->window);
            }
        } else if (type == damageEvent + XCB_DAMAGE_NOTIFY) {
            auto *ev = reinterpret_cast<xcb_damage_notify_event_t *>(e);
            if (mapped.count(ev->drawable) && !painted.count(ev->drawable)) {
                // Emptied, the damage reports the next drawing too.
                xcb_damage_subtract(c, ev->damage, XCB_NONE, XCB_NONE);
                if (!stillBlank(ev->drawable)) {
                    painted[ev->drawable] = t;
                    cpuAtPaint[ev->drawable] = cpuTimeOf(child);
                }
            }
        }
        // Errors (a window gone before its damage was made) do not matter.
    }

    // A window with an alpha channel is redirected by the X server, which
    // fills it with a copy of what lies beneath as it maps it, before the
    // program paints anything; a window that was there before may have
    // left its picture on the screen. The probe paints the bare root in a
    // colour of its own (kRootColour), so such a window counts as painted
    // once its middle row shows a pixel that is neither transparent nor
    // that colour; any other window at its first damage.
    bool stillBlank(xcb_window_t w)
    {
        xcb_get_geometry_reply_t *g = xcb_get_geometry_reply(c, xcb_get_geometry(c, w), nullptr);
        if (!g)
            return false;
        const bool alpha = g->depth == 32;
        const uint16_t width = g->width;
        const int16_t middle = static_cast<int16_t>(g->height / 2);
        free(g);
        if (!alpha)
            return false;
        xcb_get_image_reply_t *row
            = xcb_get_image_reply(c, xcb_get_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, w, 0, middle, width, 1, ~0u), nullptr);
        if (!row)
            return false;
        const auto *pixels = reinterpret_cast<const uint32_t *>(xcb_get_image_data(row));
        const int count = xcb_get_image_data_length(row) / 4;
        const bool blank = std::all_of(pixels, pixels + count,
                                       [](uint32_t p) { return p >> 24 == 0 || (p & 0xffffff) == kRootColour; });
        free(row);
        return blank;
    }

    // Handles events until `done` holds or the deadline passes.
    template <typename Done>
    bool waitFor(double deadline, Done done)
    {
        while (!done()) {
            while (xcb_generic_event_t *e = xcb_poll_for_event(c)) {
                handle(e);
                free(e);
            }
            if (done())
                return true;
            if (xcb_connection_has_error(c))
                return false;
            const double left = deadline - nowMs();
            if (left <= 0)
                return false;
            pollfd p{xcb_get_file_descriptor(c), POLLIN, 0};
            poll(&p, 1, static_cast<int>(left) + 1);
        }
        return true;
    }
};

void endChild(pid_t child)
{
    kill(child, SIGTERM);
    for (int i = 0; i < 200; ++i) {
        if (waitpid(child, nullptr, WNOHANG) == child)
            return;
        usleep(10000);
    }
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
}

int usage()
{
    std::fprintf(stderr, "usage: morvane_paint_probe [--click X,Y] [--settle MS] [--timeout MS] -- PROGRAM [ARG...]\n");
    return 2;
}

}  // namespace

int main(int argc, char **argv)
{
    bool click = false;
    int clickX = 0, clickY = 0;
    double settleMs = 500, timeoutMs = 10000;
    int i = 1;
    for (; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--") {
            ++i;
            break;
        }
        if (i + 1 >= argc)
            return usage();
        if (a == "--click") {
            if (std::sscanf(argv[++i], "%d,%d", &clickX, &clickY) != 2)
                return usage();
            click = true;
        } else if (a == "--settle") {
            settleMs = std::atof(argv[++i]);
        } else if (a == "--timeout") {
            timeoutMs = std::atof(argv[++i]);
        } else {
            return usage();
        }
    }
    if (i >= argc)
        return usage();
    char **program = argv + i;

    Probe p;
    int screenNumber = 0;
    p.c = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(p.c)) {
        std::fprintf(stderr, "cannot open the display\n");
        return 1;
    }
    xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(p.c));
    for (int s = 0; s < screenNumber; ++s)
        xcb_screen_next(&it);
    p.root = it.data->root;

    const xcb_query_extension_reply_t *damage = xcb_get_extension_data(p.c, &xcb_damage_id);
    if (!damage || !damage->present) {
        std::fprintf(stderr, "the X server has no DAMAGE extension\n");
        return 1;
    }
    p.damageEvent = damage->first_event;
    free(xcb_damage_query_version_reply(p.c, xcb_damage_query_version(p.c, 1, 1), nullptr));
    if (click) {
        const xcb_query_extension_reply_t *xtest = xcb_get_extension_data(p.c, &xcb_test_id);
        if (!xtest || !xtest->present) {
            std::fprintf(stderr, "the X server has no XTEST extension\n");
            return 1;
        }
    }
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(p.c, p.root, XCB_CW_EVENT_MASK, &mask);
    // Whatever windows left on the screen goes; see stillBlank.
    xcb_change_window_attributes(p.c, p.root, XCB_CW_BACK_PIXEL, &kRootColour);
    xcb_clear_area(p.c, 0, p.root, 0, 0, 0, 0);
    free(xcb_get_input_focus_reply(p.c, xcb_get_input_focus(p.c), nullptr));  // the mask is in force

    const double start = nowMs();
    const pid_t child = fork();
    p.child = child;
    if (child < 0) {
        std::perror("fork");
        return 1;
    }
    if (child == 0) {
        execvp(program[0], program);
        std::fprintf(stderr, "cannot run %s: %s\n", program[0], std::strerror(errno));
        _exit(127);
    }

    auto childAlive = [&] { return waitpid(child, nullptr, WNOHANG) == 0; };
    auto fail = [&](const char *what) {
        std::fprintf(stderr, "%s within %.0f ms\n", what, timeoutMs);
        if (childAlive())
            endChild(child);
        return 1;
    };

    xcb_window_t first = 0;
    if (!p.waitFor(start + timeoutMs, [&] { return !p.mapOrder.empty() || !childAlive(); }) || p.mapOrder.empty())
        return fail("no window mapped");
    first = p.mapOrder.front();
    if (!p.waitFor(start + timeoutMs, [&] { return p.painted.count(first) > 0 || !childAlive(); })
        || !p.painted.count(first))
        return fail("the window was never drawn");

    xcb_get_geometry_reply_t *geometry = xcb_get_geometry_reply(p.c, xcb_get_geometry(p.c, first), nullptr);
    if (!geometry)
        return fail("the window vanished");
    std::printf("map=%.2f paint=%.2f cpu=%.2f wait=%.2f size=%ux%u", p.mapped[first] - start, p.painted[first] - start,
                p.cpuAtPaint[first].run, p.cpuAtPaint[first].wait, geometry->width, geometry->height);

    if (click) {
        // Let the program finish whatever it does after its first paint, as
        // a user takes a moment before clicking.
        p.waitFor(nowMs() + settleMs, [] { return false; });
        const int x = geometry->x + (clickX < 0 ? geometry->width + clickX : clickX);
        const int y = geometry->y + (clickY < 0 ? geometry->height + clickY : clickY);
        xcb_test_fake_input(p.c, XCB_MOTION_NOTIFY, 0, XCB_CURRENT_TIME, p.root, static_cast<int16_t>(x),
                            static_cast<int16_t>(y), 0);
        xcb_test_fake_input(p.c, XCB_BUTTON_PRESS, 1, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
        xcb_flush(p.c);
        p.waitFor(nowMs() + 50, [] { return false; });
        const double released = nowMs();
        const CpuTime cpuAtRelease = cpuTimeOf(child);
        xcb_test_fake_input(p.c, XCB_BUTTON_RELEASE, 1, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
        xcb_flush(p.c);
        const size_t before = p.mapOrder.size();
        if (!p.waitFor(released + timeoutMs, [&] { return p.mapOrder.size() > before || !childAlive(); })
            || p.mapOrder.size() == before) {
            std::printf("\n");
            free(geometry);
            return fail("no window mapped after the click");
        }
        const xcb_window_t next = p.mapOrder[before];
        if (!p.waitFor(released + timeoutMs, [&] { return p.painted.count(next) > 0 || !childAlive(); })
            || !p.painted.count(next)) {
            std::printf("\n");
            free(geometry);
            return fail("the window mapped after the click was never drawn");
        }
        std::printf(" click_map=%.2f click_paint=%.2f click_cpu=%.2f", p.mapped[next] - released,
                    p.painted[next] - released, p.cpuAtPaint[next].run - cpuAtRelease.run);
    }
    std::printf("\n");
    std::fflush(stdout);
    free(geometry);
    endChild(child);
    xcb_disconnect(p.c);
    return 0;
}
