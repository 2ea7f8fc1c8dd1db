#pragma once

#include <QString>

// How many items the catalogue file at path holds, empty ones included (16-bit: a larger
// file gives the largest 16-bit value). When the file does not exist, or can no longer be
// opened, the user is told and the result is -1.
qint16 CountItems(const QString& path);
