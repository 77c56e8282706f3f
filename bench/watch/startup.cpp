// SPDX-FileCopyrightText: 2026 Ashfever team <ashfever-team@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "startup.h"

#include "firstframe.h"
#include "program.h"

#include <thread>

namespace {

// Whatever a program still does right after its first frame (deferred loads, the first
// events) belongs to its start-up memory too.
constexpr auto Settling = std::chrono::milliseconds(400);

} // namespace

StartUp measureStartUp(XServer &server, const std::string &path, const std::string &title)
{
    StartUp result;
    const auto start = WatchClock::now();
    Program program(path);
    const xcb_window_t window = waitForFirstFrame(server, title, start + std::chrono::seconds(30));
    if (!window)
        return result;
    result.shown = true;
    result.milliseconds =
            std::chrono::duration<double, std::milli>(WatchClock::now() - start).count();
    std::this_thread::sleep_for(Settling);
    result.peakResidentKiB = program.peakResidentKiB();
    program.stop();
    waitUntilDestroyed(server, window, WatchClock::now() + std::chrono::seconds(5));
    return result;
}
