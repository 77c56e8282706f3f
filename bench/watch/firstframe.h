// SPDX-FileCopyrightText: 2026 Ashfever team <ashfever-team@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// Waiting, from outside, for a window to appear with its first whole frame on the screen.
#pragma once

#include "xserver.h"

#include <string>

// Handles window events until a top-level window named `title` is mapped and its pixels no
// longer show the root's colour (at most a few stray pixels). Returns the window, or 0 when
// the deadline passed first.
xcb_window_t waitForFirstFrame(XServer &server, const std::string &title,
                               WatchClock::time_point deadline);

// Handles window events until `window` is destroyed or the deadline passes.
void waitUntilDestroyed(XServer &server, xcb_window_t window, WatchClock::time_point deadline);
