// SPDX-FileCopyrightText: 2026 Ashfever team <ashfever-team@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "xserver.h"

#include <xcb/xtest.h>

#include <poll.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// xcb hands out replies allocated with malloc.
struct FreeReply
{
    void operator()(void *reply) const { std::free(reply); }
};

template<class Reply>
std::unique_ptr<Reply, FreeReply> owned(Reply *reply)
{
    return std::unique_ptr<Reply, FreeReply>(reply);
}

[[noreturn]] void fail(const char *what)
{
    std::fprintf(stderr, "window_watch: %s\n", what);
    std::exit(2);
}

} // namespace

XServer::XServer()
{
    m_connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(m_connection))
        fail("cannot reach the X server in DISPLAY");
    m_root = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data->root;

    const xcb_query_extension_reply_t *damage =
            xcb_get_extension_data(m_connection, &xcb_damage_id);
    const xcb_query_extension_reply_t *test = xcb_get_extension_data(m_connection, &xcb_test_id);
    if (!damage || !damage->present || !test || !test->present)
        fail("the X server lacks the DAMAGE or XTEST extension");
    m_damageEventBase = damage->first_event;
    // The server answers DAMAGE requests only from a client that has announced its version.
    owned(xcb_damage_query_version_reply(m_connection, xcb_damage_query_version(m_connection, 1, 1),
                                         nullptr));

    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(m_connection, m_root, XCB_CW_EVENT_MASK, &mask);

    const xcb_setup_t *setup = xcb_get_setup(m_connection);
    m_minKeycode = setup->min_keycode;
    auto mapping = owned(xcb_get_keyboard_mapping_reply(
            m_connection,
            xcb_get_keyboard_mapping(m_connection, setup->min_keycode,
                                     std::uint8_t(setup->max_keycode - setup->min_keycode + 1)),
            nullptr));
    if (!mapping)
        fail("cannot read the keyboard mapping");
    m_keysymsPerKeycode = mapping->keysyms_per_keycode;
    const xcb_keysym_t *keysyms = xcb_get_keyboard_mapping_keysyms(mapping.get());
    m_keysyms.assign(keysyms, keysyms + xcb_get_keyboard_mapping_keysyms_length(mapping.get()));
    sync();
}

XServer::~XServer()
{
    xcb_disconnect(m_connection);
}

void XServer::paintRoot(std::uint32_t pixel)
{
    m_rootPixel = pixel;
    xcb_change_window_attributes(m_connection, m_root, XCB_CW_BACK_PIXEL, &pixel);
    xcb_clear_area(m_connection, 0, m_root, 0, 0, 0, 0);
    sync();
}

void XServer::track(xcb_window_t window, int width, int height)
{
    Tracked &tracked = m_windows[window];
    tracked.width = width;
    tracked.height = height;
    if (tracked.damage)
        return;
    // Raw rectangles: one event for every drawing into the window, nothing to acknowledge.
    tracked.damage = xcb_generate_id(m_connection);
    xcb_damage_create(m_connection, tracked.damage, window, XCB_DAMAGE_REPORT_LEVEL_RAW_RECTANGLES);
    xcb_flush(m_connection);
}

bool XServer::nextEvent(WatchClock::time_point deadline, WindowEvent &event)
{
    for (;;) {
        xcb_generic_event_t *raw = xcb_poll_for_event(m_connection);
        if (!raw) {
            if (xcb_connection_has_error(m_connection))
                fail("lost the X server");
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                    deadline - WatchClock::now());
            if (left.count() <= 0)
                return false;
            pollfd fd{xcb_get_file_descriptor(m_connection), POLLIN, 0};
            poll(&fd, 1, int(left.count()));
            continue;
        }
        const bool relevant = translate(raw, event);
        std::free(raw);
        if (relevant) {
            event.at = WatchClock::now();
            return true;
        }
    }
}

bool XServer::translate(xcb_generic_event_t *raw, WindowEvent &event)
{
    const std::uint8_t type = raw->response_type & 0x7f;
    if (type == 0) // an error, such as a damage request for a window already gone
        return false;
    if (type == m_damageEventBase + XCB_DAMAGE_NOTIFY) {
        const auto *damage = reinterpret_cast<xcb_damage_notify_event_t *>(raw);
        const auto found = m_windows.find(damage->drawable);
        if (found == m_windows.end())
            return false;
        event = {WindowEvent::Kind::Drawn,
                 damage->drawable,
                 {},
                 found->second.width,
                 found->second.height};
        return true;
    }
    switch (type) {
    case XCB_CREATE_NOTIFY: {
        const auto *created = reinterpret_cast<xcb_create_notify_event_t *>(raw);
        if (created->parent == m_root)
            track(created->window, created->width, created->height);
        return false;
    }
    case XCB_MAP_NOTIFY: {
        const auto *mapped = reinterpret_cast<xcb_map_notify_event_t *>(raw);
        const auto found = m_windows.find(mapped->window);
        if (found == m_windows.end())
            return false;
        found->second.mapped = true;
        event = {WindowEvent::Kind::Mapped,
                 mapped->window,
                 {},
                 found->second.width,
                 found->second.height};
        return true;
    }
    case XCB_CONFIGURE_NOTIFY: {
        const auto *configured = reinterpret_cast<xcb_configure_notify_event_t *>(raw);
        const auto found = m_windows.find(configured->window);
        if (found == m_windows.end())
            return false;
        found->second.width = configured->width;
        found->second.height = configured->height;
        event = {WindowEvent::Kind::Configured,
                 configured->window,
                 {},
                 configured->width,
                 configured->height};
        return true;
    }
    case XCB_DESTROY_NOTIFY: {
        const auto *destroyed = reinterpret_cast<xcb_destroy_notify_event_t *>(raw);
        if (m_windows.erase(destroyed->window) == 0)
            return false;
        event = {WindowEvent::Kind::Destroyed, destroyed->window, {}, 0, 0};
        return true;
    }
    default:
        return false;
    }
}

xcb_atom_t XServer::atom(const char *name)
{
    auto reply = owned(xcb_intern_atom_reply(
            m_connection, xcb_intern_atom(m_connection, 0, std::uint16_t(std::strlen(name)), name),
            nullptr));
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

std::string XServer::title(xcb_window_t window)
{
    // Qt sets both names before it maps a window; the EWMH one holds UTF-8.
    for (const xcb_atom_t name : {atom("_NET_WM_NAME"), xcb_atom_t(XCB_ATOM_WM_NAME)}) {
        auto reply = owned(xcb_get_property_reply(
                m_connection,
                xcb_get_property(m_connection, 0, window, name, XCB_GET_PROPERTY_TYPE_ANY, 0, 1024),
                nullptr));
        if (reply && reply->format == 8 && xcb_get_property_value_length(reply.get()) > 0)
            return std::string(static_cast<const char *>(xcb_get_property_value(reply.get())),
                               std::size_t(xcb_get_property_value_length(reply.get())));
    }
    return {};
}

bool XServer::isMapped(xcb_window_t window) const
{
    const auto found = m_windows.find(window);
    return found != m_windows.end() && found->second.mapped;
}

bool XServer::geometry(xcb_window_t window, int &x, int &y, int &width, int &height)
{
    auto size = owned(
            xcb_get_geometry_reply(m_connection, xcb_get_geometry(m_connection, window), nullptr));
    auto place = owned(xcb_translate_coordinates_reply(
            m_connection, xcb_translate_coordinates(m_connection, window, m_root, 0, 0), nullptr));
    if (!size || !place)
        return false;
    x = place->dst_x;
    y = place->dst_y;
    width = size->width;
    height = size->height;
    return true;
}

double XServer::unpaintedShare(xcb_window_t window)
{
    int x = 0, y = 0, width = 0, height = 0;
    if (!geometry(window, x, y, width, height) || width == 0 || height == 0)
        return 1;
    auto image = owned(
            xcb_get_image_reply(m_connection,
                                xcb_get_image(m_connection, XCB_IMAGE_FORMAT_Z_PIXMAP, window, 0, 0,
                                              std::uint16_t(width), std::uint16_t(height), ~0u),
                                nullptr));
    if (!image || image->depth != 24)
        return 1;
    const int length = xcb_get_image_data_length(image.get());
    const std::uint8_t *data = xcb_get_image_data(image.get());
    const std::size_t pixels = std::size_t(length) / 4; // 32 bits a pixel at depth 24
    std::size_t unpainted = 0;
    for (std::size_t i = 0; i < pixels; ++i) {
        std::uint32_t pixel;
        std::memcpy(&pixel, data + 4 * i, 4);
        unpainted += (pixel & 0xFFFFFF) == m_rootPixel;
    }
    return pixels ? double(unpainted) / double(pixels) : 1;
}

void XServer::movePointer(int x, int y)
{
    xcb_test_fake_input(m_connection, XCB_MOTION_NOTIFY, 0, XCB_CURRENT_TIME, m_root,
                        std::int16_t(x), std::int16_t(y), 0);
    flush();
}

void XServer::pressButton(int button)
{
    xcb_test_fake_input(m_connection, XCB_BUTTON_PRESS, std::uint8_t(button), XCB_CURRENT_TIME,
                        XCB_NONE, 0, 0, 0);
    flush();
}

void XServer::releaseButton(int button)
{
    xcb_test_fake_input(m_connection, XCB_BUTTON_RELEASE, std::uint8_t(button), XCB_CURRENT_TIME,
                        XCB_NONE, 0, 0, 0);
    flush();
}

std::uint8_t XServer::keycode(std::uint32_t keysym)
{
    for (std::size_t i = 0; i < m_keysyms.size(); i += m_keysymsPerKeycode) {
        if (m_keysyms[i] == keysym)
            return std::uint8_t(m_minKeycode + i / m_keysymsPerKeycode);
    }
    fail("a key the watcher types is missing from the keyboard map");
}

void XServer::tapKey(std::uint32_t keysym)
{
    const std::uint8_t code = keycode(keysym);
    xcb_test_fake_input(m_connection, XCB_KEY_PRESS, code, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
    xcb_test_fake_input(m_connection, XCB_KEY_RELEASE, code, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
    flush();
}

void XServer::flush()
{
    xcb_flush(m_connection);
}

void XServer::sync()
{
    owned(xcb_get_input_focus_reply(m_connection, xcb_get_input_focus(m_connection), nullptr));
}
