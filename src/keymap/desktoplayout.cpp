#include "keymap/desktoplayout.h"

#include "keymap/keyboardlayout.h"
#include "shared/x11property.h"

#include <xcb/xproto.h>

namespace keymap {

QString x11KeyboardLayout()
{
    // A few hundred bytes at most.
    const std::optional<QByteArray> names = x11property::read(0, x11property::atom("_XKB_RULES_NAMES"), XCB_ATOM_STRING,
                                                              8, 1024);
    return names ? KeyboardLayout::layoutFromRulesNames(*names) : QString();
}

QString desktopKeyboardLayout()
{
    const QString x11 = x11KeyboardLayout();
    return x11.isEmpty() ? KeyboardLayout::desktopLayout() : x11;
}

} // namespace keymap
