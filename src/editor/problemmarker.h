#pragma once

#include "console/diagnostic.h"

#include <QIcon>
#include <optional>

// The marker beside a row with a console problem: a symbol of its gravest severity (error:
// a cross, warning: an exclamation mark, note: an "i") in the severity's colour, outlined
// so it stands out on the selection colour too, and smaller than a row so the markers of
// neighbouring rows stay apart. Drawn, not loaded, and kept per size and pixel ratio.
namespace problemmarker {

// The marker of the severity; for none, an empty one that keeps the same room, so that
// the text of the rows does not move when the first marker turns up.
QIcon icon(std::optional<console::Severity> severity);
QColor colour(console::Severity severity);

} // namespace problemmarker
