// SPDX-License-Identifier: GPL-3.0-or-later
// Starts a program on the X server in $DISPLAY and watches it from outside:
// when its first top-level window is mapped, when that window has been
// painted over at least half its area (X Damage), then optionally runs a
// scenario command, asks the window to close (WM_DELETE_WINDOW) and reports
// the program's peak resident memory and processor time from wait4().
//
//   probe [--then COMMAND] -- PROGRAM [ARGS...]
//
// Output, one "key value" per line: pid, window, mapped_ms, painted_ms (both
// from just before fork), then maxrss_kb, cpu_ms and status. The scenario
// gets PROBE_PID and PROBE_WINDOW in its environment.
#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <poll.h>
#include <set>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point t0)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - t0).count();
}

[[noreturn]] void die(const char *what)
{
    std::fprintf(stderr, "probe: %s\n", what);
    std::exit(2);
}

xcb_atom_t atom(xcb_connection_t *c, const char *name)
{
    xcb_intern_atom_reply_t *r =
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, static_cast<uint16_t>(std::strlen(name)), name), nullptr);
    if (!r)
        die("intern_atom");
    const xcb_atom_t a = r->atom;
    std::free(r);
    return a;
}

} // namespace

int main(int argc, char **argv)
{
    const char *then = nullptr;
    int i = 1;
    if (i + 1 < argc && std::strcmp(argv[i], "--then") == 0) {
        then = argv[i + 1];
        i += 2;
    }
    if (i < argc && std::strcmp(argv[i], "--") == 0)
        ++i;
    if (i >= argc)
        die("usage: probe [--then COMMAND] -- PROGRAM [ARGS...]");

    xcb_connection_t *c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c))
        die("cannot open the display");
    const xcb_query_extension_reply_t *damageExt = xcb_get_extension_data(c, &xcb_damage_id);
    if (!damageExt || !damageExt->present)
        die("no DAMAGE extension");
    std::free(xcb_damage_query_version_reply(c, xcb_damage_query_version(c, 1, 1), nullptr));
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(c, root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(c);

    const Clock::time_point t0 = Clock::now();
    const pid_t pid = fork();
    if (pid < 0)
        die("fork");
    if (pid == 0) {
        execvp(argv[i], argv + i);
        _exit(127);
    }
    std::printf("pid %d\n", pid);

    xcb_window_t window = 0;
    double mapped = -1, painted = -1;
    std::set<xcb_window_t> watched;
    while (painted < 0) {
        if (msSince(t0) > 20000)
            die("no painted window within 20 s");
        pollfd p{xcb_get_file_descriptor(c), POLLIN, 0};
        poll(&p, 1, 100);
        while (xcb_generic_event_t *e = xcb_poll_for_event(c)) {
            const uint8_t type = e->response_type & 0x7f;
            if (type == XCB_CREATE_NOTIFY) {
                auto *ev = reinterpret_cast<xcb_create_notify_event_t *>(e);
                if (!ev->override_redirect && watched.insert(ev->window).second) {
                    xcb_damage_create(c, xcb_generate_id(c), ev->window, XCB_DAMAGE_REPORT_LEVEL_BOUNDING_BOX);
                    xcb_flush(c);
                }
            } else if (type == XCB_MAP_NOTIFY) {
                auto *ev = reinterpret_cast<xcb_map_notify_event_t *>(e);
                if (!ev->override_redirect && window == 0 && watched.count(ev->window)) {
                    window = ev->window;
                    mapped = msSince(t0);
                }
            } else if (type == damageExt->first_event + XCB_DAMAGE_NOTIFY) {
                auto *ev = reinterpret_cast<xcb_damage_notify_event_t *>(e);
                const long area = long(ev->area.width) * ev->area.height;
                const long whole = long(ev->geometry.width) * ev->geometry.height;
                if (ev->drawable == window && 2 * area >= whole)
                    painted = msSince(t0);
            }
            std::free(e);
        }
        if (waitpid(pid, nullptr, WNOHANG) == pid)
            die("the program ended before painting its window");
    }
    std::printf("window %u\nmapped_ms %.1f\npainted_ms %.1f\n", window, mapped, painted);
    std::fflush(stdout);

    if (then) {
        const std::string env = "PROBE_PID=" + std::to_string(pid) + " PROBE_WINDOW=" + std::to_string(window) + " ";
        const int rc = std::system((env + then).c_str());
        if (rc != 0)
            std::printf("scenario_failed %d\n", rc);
    }

    xcb_client_message_event_t close{};
    close.response_type = XCB_CLIENT_MESSAGE;
    close.format = 32;
    close.window = window;
    close.type = atom(c, "WM_PROTOCOLS");
    close.data.data32[0] = atom(c, "WM_DELETE_WINDOW");
    close.data.data32[1] = XCB_CURRENT_TIME;
    xcb_send_event(c, 0, window, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char *>(&close));
    xcb_flush(c);

    int status = 0;
    rusage ru{};
    for (int waited = 0; wait4(pid, &status, WNOHANG, &ru) == 0; ++waited) {
        if (waited == 100) // ten seconds
            kill(pid, SIGKILL);
        usleep(100000);
    }
    const double cpu =
        (ru.ru_utime.tv_sec + ru.ru_stime.tv_sec) * 1e3 + (ru.ru_utime.tv_usec + ru.ru_stime.tv_usec) / 1e3;
    std::printf("maxrss_kb %ld\ncpu_ms %.1f\nstatus %d\n", ru.ru_maxrss, cpu,
                WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status));
    xcb_disconnect(c);
    return 0;
}
