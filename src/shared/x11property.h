#pragma once

#include <QByteArray>
#include <optional>

// Properties that the X server holds for a window, read from the server itself. Away from
// X11 there are none.
namespace x11property {

// The id of the atom named name, or 0. Unless create, an atom the server does not know yet
// gives 0 too, as no window can have a property of that name.
quint32 atom(const char* name, bool create = false);

// The property of window (0: the first screen's root window), when it is set with that type
// and format (8 or 32 bits a value): its values' bytes, up to maxValues of them.
std::optional<QByteArray> read(quint32 window, quint32 atom, quint32 type, int format, quint32 maxValues);

} // namespace x11property
