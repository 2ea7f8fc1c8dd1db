#pragma once

#include <QString>

class CommandTree;
class QProgressBar;

// Reads the catalogue file at path into tree (which should be empty) and returns the
// catalogue version, empty when the file has none. progress, the main window's bar, gets
// the item count + 1 as its maximum, one step per node added and 0 at the end. A missing
// or vanished file is reported to the user and leaves the tree empty.
QString LoadCommandList(const QString& path, CommandTree& tree, QProgressBar& progress);
