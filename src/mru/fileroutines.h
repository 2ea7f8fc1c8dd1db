#pragma once

#include "tolvane_export.h"

#include <QString>

namespace tolvane {

// True when the path names an ordinary file: a regular file (or a symlink to one) whose name
// does not start with "." Directories, hidden and special files count as absent. When nothing
// exists under the literal path, a name holding glob characters (* ? [) counts as present if
// it matches at least one ordinary file in its folder. An empty path is never present.
TOLVANE_EXPORT bool FileExists(const QString& path);

} // namespace tolvane
