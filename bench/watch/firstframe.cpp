// SPDX-FileCopyrightText: 2026 Ashfever team <ashfever-team@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "firstframe.h"

#include <algorithm>

namespace {

// A whole frame leaves no more of the root showing than this; a window not yet painted, or
// painted in part, shows it over a much larger share.
constexpr double PaintedThreshold = 0.005;

} // namespace

xcb_window_t waitForFirstFrame(XServer &server, const std::string &title,
                               WatchClock::time_point deadline)
{
    xcb_window_t target = 0;
    WindowEvent event;
    while (WatchClock::now() < deadline) {
        // Damage events say when to look; a short wait also looks now and then, in case the
        // frame landed before the damage report was set up.
        const auto wait = std::min(deadline, WatchClock::now() + std::chrono::milliseconds(20));
        bool look = false;
        if (server.nextEvent(wait, event)) {
            if (!target && event.kind == WindowEvent::Kind::Mapped &&
                server.title(event.window) == title) {
                target = event.window;
                look = true;
            } else if (target && event.window == target) {
                if (event.kind == WindowEvent::Kind::Destroyed)
                    return 0;
                look = event.kind == WindowEvent::Kind::Drawn;
            }
        } else {
            look = target != 0;
        }
        if (look && server.unpaintedShare(target) <= PaintedThreshold)
            return target;
    }
    return 0;
}

void waitUntilDestroyed(XServer &server, xcb_window_t window, WatchClock::time_point deadline)
{
    WindowEvent event;
    while (server.nextEvent(deadline, event)) {
        if (event.kind == WindowEvent::Kind::Destroyed && event.window == window)
            return;
    }
}
