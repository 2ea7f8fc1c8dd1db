#include "shared/x11property.h"

#include <QGuiApplication>

#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>

namespace x11property {
namespace {

template <typename Reply>
using XcbReply = std::unique_ptr<Reply, decltype(&std::free)>;

xcb_connection_t* connection()
{
    const auto* x11 = qApp ? qApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

} // namespace

quint32 atom(const char* name, bool create)
{
    xcb_connection_t* server = connection();
    if (!server)
        return 0;
    const XcbReply<xcb_intern_atom_reply_t> reply(
        xcb_intern_atom_reply(server, xcb_intern_atom(server, !create, quint16(qstrlen(name)), name), nullptr),
        &std::free);
    return reply ? reply->atom : 0;
}

std::optional<QByteArray> read(quint32 window, quint32 atom, quint32 type, int format, quint32 maxValues)
{
    xcb_connection_t* server = connection();
    if (!server || !atom)
        return std::nullopt;
    if (!window) {
        const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(server)).data;
        if (!screen)
            return std::nullopt;
        window = screen->root;
    }
    const XcbReply<xcb_get_property_reply_t> reply(
        xcb_get_property_reply(server, xcb_get_property(server, false, window, atom, type, 0, maxValues), nullptr),
        &std::free);
    if (!reply || reply->type != type || reply->format != format)
        return std::nullopt;
    return QByteArray(static_cast<const char*>(xcb_get_property_value(reply.get())),
                      xcb_get_property_value_length(reply.get())); // in bytes, whatever the format
}

} // namespace x11property
