// SPDX-License-Identifier: GPL-3.0-or-later
// ferrovolt-startwatch: starts a program on the X display and times, from outside and alike
// for any program, its first top-level window mapped and first painted, then reads its peak
// memory. The watch listens instead of polling: SubstructureNotify on the root window reports
// each top-level window created and mapped, and a Damage object on each new window reports
// the first drawing into it (a toolkit that paints through a backing store draws the whole
// window at once). Meant for a bare X server such as Xvfb, without a window manager.
//
//   ferrovolt-startwatch SETTLE_SECONDS PROGRAM [ARGUMENTS...]
//
// Prints one line: milliseconds from start to the first window mapped, to its first paint,
// to the last first paint of any window within the settle time, the number of windows
// painted, and VmHWM in KiB read at the end of the settle time, before the program is ended.

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <optional>
#include <set>
#include <string>

namespace {

double nowMs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

std::optional<long> peakMemoryKiB(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string key;
    while (status >> key) {
        if (key == "VmHWM:") {
            long kib = 0;
            if (status >> kib) return kib;
            return std::nullopt;
        }
        status.ignore(4096, '\n');
    }
    return std::nullopt;
}

struct Watch {
    std::optional<double> firstMapped;
    std::optional<double> firstPainted;
    std::optional<double> lastPainted;
    std::set<xcb_window_t> mapped;
    std::set<xcb_window_t> painted;
};

void handle(xcb_connection_t* x, std::uint8_t damageEvent, const xcb_generic_event_t& event,
            double startMs, Watch& watch) {
    const double atMs = nowMs() - startMs;
    const std::uint8_t type = event.response_type & 0x7f;
    if (type == XCB_CREATE_NOTIFY) {
        // Watched from its creation, so that no drawing can come before the watch.
        const auto& created = reinterpret_cast<const xcb_create_notify_event_t&>(event);
        xcb_damage_create(x, xcb_generate_id(x), created.window, XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
        xcb_flush(x);
    } else if (type == XCB_MAP_NOTIFY) {
        const auto& map = reinterpret_cast<const xcb_map_notify_event_t&>(event);
        watch.mapped.insert(map.window);
        if (!watch.firstMapped) watch.firstMapped = atMs;
    } else if (type == damageEvent + XCB_DAMAGE_NOTIFY) {
        const auto& damage = reinterpret_cast<const xcb_damage_notify_event_t&>(event);
        if (watch.mapped.count(damage.drawable) != 0 &&
            watch.painted.insert(damage.drawable).second) {
            if (!watch.firstPainted) watch.firstPainted = atMs;
            watch.lastPainted = atMs;
        }
    }
    // Errors (a window gone before its Damage object was made) are of no interest.
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: ferrovolt-startwatch SETTLE_SECONDS PROGRAM [ARGUMENTS...]\n");
        return 2;
    }
    const double settleMs = std::strtod(argv[1], nullptr) * 1e3;

    int screenNumber = 0;
    xcb_connection_t* x = xcb_connect(nullptr, &screenNumber);
    // A busy X server now and then turns a connection away; the program is not started yet.
    for (int attempt = 1; xcb_connection_has_error(x) != 0 && attempt < 5; ++attempt) {
        xcb_disconnect(x);
        usleep(100'000);
        x = xcb_connect(nullptr, &screenNumber);
    }
    if (const int error = xcb_connection_has_error(x); error != 0) {
        std::fprintf(stderr, "ferrovolt-startwatch: cannot open the display (xcb error %d)\n",
                     error);
        return 1;
    }
    const xcb_query_extension_reply_t* damage = xcb_get_extension_data(x, &xcb_damage_id);
    if (damage == nullptr || damage->present == 0) {
        std::fprintf(stderr, "ferrovolt-startwatch: the X server lacks the DAMAGE extension\n");
        return 1;
    }
    // The extension answers only clients that have asked for its version.
    std::free(xcb_damage_query_version_reply(
        x, xcb_damage_query_version(x, XCB_DAMAGE_MAJOR_VERSION, XCB_DAMAGE_MINOR_VERSION),
        nullptr));

    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(x));
    for (int i = 0; i < screenNumber; ++i) xcb_screen_next(&screens);
    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    // Checked, so that the watch is in place before the program starts.
    if (xcb_generic_error_t* error =
            xcb_request_check(x, xcb_change_window_attributes_checked(x, screens.data->root,
                                                                      XCB_CW_EVENT_MASK, &mask))) {
        std::free(error);
        std::fprintf(stderr, "ferrovolt-startwatch: cannot watch the root window\n");
        return 1;
    }

    const double startMs = nowMs();
    const pid_t pid = fork();
    if (pid == 0) {
        // The program's own output would only cost time on the terminal; the watch's
        // stderr stays open for a failed exec.
        const int errors = fcntl(STDERR_FILENO, F_DUPFD_CLOEXEC, 3);
        if (const int null = open("/dev/null", O_WRONLY); null >= 0) {
            dup2(null, STDOUT_FILENO);
            dup2(null, STDERR_FILENO);
        }
        execvp(argv[2], argv + 2);
        dprintf(errors, "ferrovolt-startwatch: cannot start %s\n", argv[2]);
        _exit(127);
    }
    if (pid < 0) {
        std::perror("ferrovolt-startwatch: fork");
        return 1;
    }

    Watch watch;
    pollfd connection{xcb_get_file_descriptor(x), POLLIN, 0};
    bool exited = false;
    for (double left = settleMs; left > 0; left = settleMs - (nowMs() - startMs)) {
        while (xcb_generic_event_t* event = xcb_poll_for_event(x)) {
            handle(x, damage->first_event, *event, startMs, watch);
            std::free(event);
        }
        if (waitpid(pid, nullptr, WNOHANG) == pid) {
            exited = true;
            break;
        }
        // Wakes for the next event, and now and then to see whether the program is still up.
        const int timeout = static_cast<int>(left < 100 ? left + 1 : 100);
        if (poll(&connection, 1, timeout) < 0 && errno != EINTR) break;
        if (xcb_connection_has_error(x) != 0) break;
    }

    const std::optional<long> hwm = exited ? std::nullopt : peakMemoryKiB(pid);
    if (!exited) {
        kill(pid, SIGTERM);
        waitpid(pid, nullptr, 0);
    }
    xcb_disconnect(x);
    if (!watch.firstPainted || !hwm) {
        std::fprintf(stderr, "ferrovolt-startwatch: %s %s\n", argv[2],
                     exited ? "ended before the settle time" : "painted no window");
        return 1;
    }
    std::printf("%.1f %.1f %.1f %zu %ld\n", *watch.firstMapped, *watch.firstPainted,
                *watch.lastPainted, watch.painted.size(), *hwm);
    return 0;
}
