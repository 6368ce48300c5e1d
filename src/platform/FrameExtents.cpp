#include "platform/FrameExtents.h"

#include <QWindow>

#ifdef FOLIONIX_HAVE_XCB
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QtGui/qguiapplication_platform.h>
#include <QThread>

#include <xcb/xcb.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#endif

namespace folionix::platform {

#ifdef FOLIONIX_HAVE_XCB
namespace {

template<typename Reply> using XcbReply = std::unique_ptr<Reply, decltype(&std::free)>;

template<typename Reply> XcbReply<Reply> owned(Reply *reply)
{
    return XcbReply<Reply>(reply, &std::free);
}

xcb_atom_t internAtom(xcb_connection_t *connection, const char *name)
{
    const auto reply = owned(xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, quint16(std::strlen(name)), name), nullptr));
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

bool rootSupports(xcb_connection_t *connection, xcb_window_t root, xcb_atom_t atom)
{
    const xcb_atom_t supported = internAtom(connection, "_NET_SUPPORTED");
    const auto reply = owned(xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, root, supported, XCB_ATOM_ATOM, 0, 4096),
        nullptr));
    if (!reply || reply->format != 32)
        return false;
    const auto *atoms = static_cast<const xcb_atom_t *>(xcb_get_property_value(reply.get()));
    const int count = xcb_get_property_value_length(reply.get()) / int(sizeof(xcb_atom_t));
    return std::find(atoms, atoms + count, atom) != atoms + count;
}

std::optional<QMargins> readExtents(xcb_connection_t *connection, xcb_window_t window,
                                    xcb_atom_t extents)
{
    const auto reply = owned(xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, window, extents, XCB_ATOM_CARDINAL, 0, 4),
        nullptr));
    if (!reply || reply->format != 32 || reply->value_len != 4)
        return std::nullopt;
    const auto *v = static_cast<const quint32 *>(xcb_get_property_value(reply.get()));
    return QMargins(int(v[0]), int(v[2]), int(v[1]), int(v[3])); // left, right, top, bottom
}

} // namespace
#endif

QMargins expectedFrameMargins(QWindow *window)
{
#ifdef FOLIONIX_HAVE_XCB
    const auto *x11 =
        qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !window)
        return {};
    xcb_connection_t *connection = x11->connection();
    const auto id = xcb_window_t(window->winId());
    const auto geometry =
        owned(xcb_get_geometry_reply(connection, xcb_get_geometry(connection, id), nullptr));
    const xcb_atom_t request = internAtom(connection, "_NET_REQUEST_FRAME_EXTENTS");
    const xcb_atom_t extents = internAtom(connection, "_NET_FRAME_EXTENTS");
    if (!geometry || !rootSupports(connection, geometry->root, request))
        return {};

    xcb_client_message_event_t message;
    std::memset(&message, 0, sizeof message);
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = id;
    message.type = request;
    xcb_send_event(connection, 0, geometry->root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char *>(&message));
    xcb_flush(connection);

    // The window manager answers by setting the property; give it a moment, not more.
    QElapsedTimer clock;
    clock.start();
    do {
        if (const auto margins = readExtents(connection, id, extents)) {
            // The window manager counts device pixels; the window lays out in logical ones.
            const qreal ratio = window->devicePixelRatio();
            return QMargins(qRound(margins->left() / ratio), qRound(margins->top() / ratio),
                            qRound(margins->right() / ratio), qRound(margins->bottom() / ratio));
        }
        QThread::usleep(500);
    } while (clock.elapsed() < 200);
#else
    Q_UNUSED(window);
#endif
    return {};
}

} // namespace folionix::platform
