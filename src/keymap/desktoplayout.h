#pragma once

#include <QString>

// The keyboard layout of the desktop the program runs on.
namespace keymap {

// The X server's layout (its _XKB_RULES_NAMES), as "fr" or "de(nodeadkeys)"; empty away from
// X11 or when the server does not say.
QString x11KeyboardLayout();
// The X server's layout, otherwise KeyboardLayout::desktopLayout().
QString desktopKeyboardLayout();

} // namespace keymap
