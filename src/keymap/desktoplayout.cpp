#include "keymap/desktoplayout.h"

#include "keymap/keyboardlayout.h"

#include <QGuiApplication>

#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>

namespace keymap {
namespace {

template <typename Reply>
using XcbReply = std::unique_ptr<Reply, decltype(&std::free)>;

} // namespace

QString x11KeyboardLayout()
{
    const auto* x11 = qApp ? qApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    if (!connection)
        return {};
    static const char Name[] = "_XKB_RULES_NAMES";
    const XcbReply<xcb_intern_atom_reply_t> atom(
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, true, sizeof Name - 1, Name), nullptr),
        &std::free);
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    if (!atom || atom->atom == XCB_ATOM_NONE || !screen)
        return {};
    // A few hundred bytes at most; 1024 four-byte units is plenty.
    const XcbReply<xcb_get_property_reply_t> reply(
        xcb_get_property_reply(connection,
                               xcb_get_property(connection, false, screen->root, atom->atom, XCB_ATOM_STRING, 0, 1024),
                               nullptr),
        &std::free);
    if (!reply || reply->format != 8)
        return {};
    const auto* value = static_cast<const char*>(xcb_get_property_value(reply.get()));
    return KeyboardLayout::layoutFromRulesNames(QByteArrayView(value, xcb_get_property_value_length(reply.get())));
}

QString desktopKeyboardLayout()
{
    const QString x11 = x11KeyboardLayout();
    return x11.isEmpty() ? KeyboardLayout::desktopLayout() : x11;
}

} // namespace keymap
