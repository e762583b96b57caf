// SPDX-FileCopyrightText: 2026 The Ohmara developers
// SPDX-License-Identifier: MIT

// Start-up as the desktop sees it: from exec to the first window mapped on the root window.
// Usage: mapwatch RUNS PROGRAM [ARGS...]; prints one time in milliseconds per run.

#include <xcb/xcb.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <sys/wait.h>
#include <unistd.h>

int main(int argc, char **argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: mapwatch RUNS PROGRAM [ARGS...]\n");
        return 2;
    }
    const int runs = std::atoi(argv[1]);
    xcb_connection_t *x = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(x)) {
        std::fprintf(stderr, "mapwatch: no X display\n");
        return 1;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(x, root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(x);

    for (int run = 0; run < runs; ++run) {
        const auto start = std::chrono::steady_clock::now();
        const pid_t pid = fork();
        if (pid == 0) {
            execv(argv[2], argv + 2);
            _exit(127);
        }
        bool mapped = false;
        while (!mapped) {
            xcb_generic_event_t *e = xcb_wait_for_event(x);
            if (!e)
                return 1;
            mapped = (e->response_type & 0x7f) == XCB_MAP_NOTIFY;
            std::free(e);
        }
        const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now()
                                                                    - start)
                                  .count();
        std::printf("%.2f\n", ms);
        std::fflush(stdout);
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
        // let the server forget the windows before the next run
        usleep(200000);
        while (xcb_generic_event_t *e = xcb_poll_for_event(x))
            std::free(e);
    }
    xcb_disconnect(x);
    return 0;
}
