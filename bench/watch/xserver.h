// SPDX-FileCopyrightText: 2026 Ashfever team <ashfever-team@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// The watcher's view of the X server: top-level windows as they are created, mapped, resized
// and drawn into, their titles and pixels, and input injected as if from a player.
#pragma once

#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <chrono>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

using WatchClock = std::chrono::steady_clock;

// What happened to a top-level window, in the order the server reported it.
struct WindowEvent
{
    enum class Kind { Mapped, Configured, Drawn, Destroyed };
    Kind kind;
    xcb_window_t window;
    WatchClock::time_point at; // when the watcher read the event
    int width = 0;             // the window's width when the event arrived
    int height = 0;
};

class XServer
{
public:
    // Connects to $DISPLAY; exits the program with a message when there is no X server.
    XServer();
    ~XServer();
    XServer(const XServer &) = delete;
    XServer &operator=(const XServer &) = delete;

    // Paints the root window in one colour that no window of ours shows, so that any pixel of
    // that colour inside a mapped window is a pixel the window has not painted yet.
    void paintRoot(std::uint32_t pixel);
    std::uint32_t rootPixel() const { return m_rootPixel; }

    // Waits at most until `deadline` for the next window event; false on timeout.
    bool nextEvent(WatchClock::time_point deadline, WindowEvent &event);

    std::string title(xcb_window_t window);
    bool isMapped(xcb_window_t window) const;
    // Position on the screen and size; false when the window is gone.
    bool geometry(xcb_window_t window, int &x, int &y, int &width, int &height);
    // The share of the window's pixels still showing the root's colour; 1 when unreadable.
    double unpaintedShare(xcb_window_t window);

    // Player input through the XTest extension, at screen coordinates.
    void movePointer(int x, int y);
    void pressButton(int button);
    void releaseButton(int button);
    void tapKey(std::uint32_t keysym);
    void flush();
    // Waits until the server has handled everything sent so far.
    void sync();

private:
    struct Tracked
    {
        xcb_damage_damage_t damage = 0;
        bool mapped = false;
        int width = 0;
        int height = 0;
    };

    void track(xcb_window_t window, int width, int height);
    bool translate(xcb_generic_event_t *raw, WindowEvent &event);
    std::uint8_t keycode(std::uint32_t keysym);
    xcb_atom_t atom(const char *name);

    xcb_connection_t *m_connection = nullptr;
    xcb_window_t m_root = 0;
    std::uint8_t m_damageEventBase = 0;
    std::uint32_t m_rootPixel = 0;
    std::map<xcb_window_t, Tracked> m_windows;
    std::vector<xcb_keysym_t> m_keysyms;
    std::uint8_t m_minKeycode = 0;
    std::uint8_t m_keysymsPerKeycode = 0;
};
