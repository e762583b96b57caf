// SPDX-FileCopyrightText: 2026 The Ohmara developers
// SPDX-License-Identifier: MIT

#include "ui/desktop.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QMargins>
#include <QThread>
#include <QTimer>
#include <QWidget>

#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <vector>

namespace ui::desktop {
namespace {

struct X11
{
    xcb_connection_t *connection = nullptr;
    xcb_window_t root = 0;
};

X11 x11()
{
    const auto *native
            = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!native || !native->connection())
        return {};
    xcb_connection_t *c = native->connection();
    return {c, xcb_setup_roots_iterator(xcb_get_setup(c)).data->root};
}

// Asked for together: one round trip to the X server for all.
std::vector<xcb_atom_t> atoms(xcb_connection_t *c, std::initializer_list<const char *> names)
{
    std::vector<xcb_intern_atom_cookie_t> asked;
    for (const char *name : names)
        asked.push_back(xcb_intern_atom(c, false, uint16_t(strlen(name)), name));
    std::vector<xcb_atom_t> found;
    for (xcb_intern_atom_cookie_t cookie : asked) {
        std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
                xcb_intern_atom_reply(c, cookie, nullptr), &std::free);
        found.push_back(reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE));
    }
    return found;
}

xcb_atom_t atom(xcb_connection_t *c, const char *name)
{
    return atoms(c, {name}).front();
}

// The 32-bit values of a window's property; empty when it has none.
std::vector<uint32_t> property(xcb_connection_t *c, xcb_window_t window, xcb_atom_t name,
                               xcb_atom_t type)
{
    std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(
            xcb_get_property_reply(c, xcb_get_property(c, false, window, name, type, 0, 1024),
                                   nullptr),
            &std::free);
    if (!reply || reply->format != 32)
        return {};
    const auto *values = static_cast<const uint32_t *>(xcb_get_property_value(reply.get()));
    return {values, values + xcb_get_property_value_length(reply.get()) / 4};
}

// The frame the window manager has put, or will put, around the window (left, right, top,
// bottom in _NET_FRAME_EXTENTS); none while it has not said.
std::optional<QMargins> frameExtents(const X11 &x, xcb_window_t window)
{
    const auto e = property(x.connection, window, atom(x.connection, "_NET_FRAME_EXTENTS"),
                            XCB_ATOM_CARDINAL);
    if (e.size() != 4)
        return std::nullopt;
    return QMargins(int(e[0]), int(e[2]), int(e[1]), int(e[3]));
}

bool supported(const X11 &x, const char *hint)
{
    const auto hints
            = property(x.connection, x.root, atom(x.connection, "_NET_SUPPORTED"), XCB_ATOM_ATOM);
    return std::find(hints.begin(), hints.end(), atom(x.connection, hint)) != hints.end();
}

// The frame the window manager says it will put around the unmapped window, asked before it is
// shown; none when it does not say.
QMargins announcedFrame(const X11 &x, xcb_window_t id)
{
    if (!supported(x, "_NET_REQUEST_FRAME_EXTENTS"))
        return {};
    xcb_client_message_event_t request{};
    request.response_type = XCB_CLIENT_MESSAGE;
    request.format = 32;
    request.window = id;
    request.type = atom(x.connection, "_NET_REQUEST_FRAME_EXTENTS");
    xcb_send_event(x.connection, false, x.root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char *>(&request));
    xcb_flush(x.connection);
    // The window manager answers by setting the property, at once as a rule; one that never
    // answers holds up the first show by no more than a glance.
    constexpr auto kPoll = std::chrono::microseconds(500);
    constexpr qint64 kGiveUpMs = 100;
    QElapsedTimer waited;
    waited.start();
    do {
        if (const auto frame = frameExtents(x, id))
            return *frame;
        QThread::usleep(kPoll.count());
    } while (waited.elapsed() < kGiveUpMs);
    return {};
}

// Shows the window with centre gravity in its size hints: the window manager puts the middle of
// its frame where the middle of the window was asked for.
void showWithCentreGravity(const X11 &x, QWidget *window)
{
    // The toolkit writes the size hints with its own gravity just before it maps the window.
    // Centre gravity is written over them before the window manager can read them, which it
    // does when the map request reaches it: the server serves no other client meanwhile.
    xcb_grab_server(x.connection);
    window->show();
    const auto id = xcb_window_t(window->winId());
    auto hints = property(x.connection, id, XCB_ATOM_WM_NORMAL_HINTS, XCB_ATOM_WM_SIZE_HINTS);
    constexpr size_t kWinGravity = 17; // the last field of WM_SIZE_HINTS
    constexpr uint32_t kPWinGravity = 1u << 9;
    constexpr uint32_t kCenterGravity = 5;
    if (hints.size() > kWinGravity) {
        hints[0] |= kPWinGravity;
        hints[kWinGravity] = kCenterGravity;
        xcb_change_property(x.connection, XCB_PROP_MODE_REPLACE, id, XCB_ATOM_WM_NORMAL_HINTS,
                            XCB_ATOM_WM_SIZE_HINTS, 32, uint32_t(hints.size()), hints.data());
    }
    xcb_ungrab_server(x.connection);
    xcb_flush(x.connection);
}

// Mutter as a Wayland compositor now and then places an XWayland window where it was asked but
// leaves its gravity aside (about one window in ten on a busy machine). Once the window manager
// has taken the window, a frame found off the centre is moved there, as a rule before the
// compositor first shows it.
void centreFrameOnceManaged(QWidget *window, QPoint centre)
{
    // Looked at every 10 ms for a second at most: a window never managed is left where it is.
    constexpr int kLookMs = 10;
    constexpr int kLooks = 100;
    auto *check = new QTimer(window);
    QObject::connect(check, &QTimer::timeout, window, [window, centre, check, tries = 0]() mutable {
        const X11 x = x11();
        const auto id = xcb_window_t(window->winId());
        const xcb_atom_t wmState = atom(x.connection, "WM_STATE");
        const auto frame = frameExtents(x, id);
        if (property(x.connection, id, wmState, wmState).empty() || !frame) {
            if (++tries == kLooks)
                check->deleteLater();
            return;
        }
        check->deleteLater();
        std::unique_ptr<xcb_translate_coordinates_reply_t, decltype(&std::free)> at(
                xcb_translate_coordinates_reply(
                        x.connection, xcb_translate_coordinates(x.connection, id, x.root, 0, 0),
                        nullptr),
                &std::free);
        if (!at)
            return;
        const QRect client(QPoint(at->dst_x, at->dst_y), window->size());
        const QPoint off = centre - client.marginsAdded(*frame).center();
        if (off.manhattanLength() > 2)
            window->setGeometry(client.translated(off));
    });
    check->start(kLookMs);
}

} // namespace

void skipTaskbarAndPager(QWidget *window)
{
    const X11 x = x11();
    if (!x.connection)
        return;
    // Written on the unmapped window; the toolkit keeps these when it adds its own states.
    const auto id = xcb_window_t(window->winId());
    const auto names
            = atoms(x.connection,
                    {"_NET_WM_STATE", "_NET_WM_STATE_SKIP_TASKBAR", "_NET_WM_STATE_SKIP_PAGER"});
    const xcb_atom_t netWmState = names[0];
    auto states = property(x.connection, id, netWmState, XCB_ATOM_ATOM);
    for (xcb_atom_t state : {names[1], names[2]}) {
        if (std::find(states.begin(), states.end(), state) == states.end())
            states.push_back(state);
    }
    xcb_change_property(x.connection, XCB_PROP_MODE_REPLACE, id, netWmState, XCB_ATOM_ATOM, 32,
                        uint32_t(states.size()), states.data());
    xcb_flush(x.connection);
}

void restoreIfMinimised(QWidget *window)
{
    const X11 x = x11();
    if (!x.connection || !window->testAttribute(Qt::WA_WState_Created))
        return;
    const auto id = xcb_window_t(window->winId());
    const xcb_atom_t wmState = atom(x.connection, "WM_STATE");
    constexpr uint32_t kIconic = 3;
    const auto state = property(x.connection, id, wmState, wmState);
    if (!state.empty() && state.front() == kIconic) {
        xcb_map_window(x.connection, id);
        xcb_flush(x.connection);
    }
}

void showFrameCentred(QWidget *window)
{
    const X11 x = x11();
    if (!x.connection) {
        window->show();
        return;
    }
    // A frame the window manager tells in advance is placed exactly. Some never tell (kwin),
    // some tell none for a window with a title bar (mutter); they are asked to centre it, which
    // they do. Openbox tells, but centres by a rule of its own.
    const QMargins frame = announcedFrame(x, xcb_window_t(window->winId()));
    if (frame.isNull()) {
        showWithCentreGravity(x, window);
        if (!qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) // through XWayland
            centreFrameOnceManaged(window, window->geometry().center());
        return;
    }
    QRect framed = window->geometry().marginsAdded(frame);
    framed.moveCenter(window->geometry().center());
    window->setGeometry(framed.marginsRemoved(frame));
    window->show();
}

} // namespace ui::desktop
