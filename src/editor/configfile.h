#pragma once

#include "editor/linestore.h"

#include <QString>
#include <functional>
#include <optional>

class QIODevice;

// The game's script files as the editor sees them: lines of 8-bit text. A line ends at
// CR LF, CR or LF, and text after the last line end is one more line. Bytes map to
// characters one to one (Latin-1), so every byte 1–255 comes back out as it went in.
// Writing ends every line, the last one too, with CR LF.
namespace configfile {

// Larger files are refused rather than risk running out of memory.
inline constexpr qint64 MaximumSize = qint64(1) << 30;

struct ReadResult
{
    std::optional<LineStore> lines; // empty when reading failed
    QString error;                  // why, when it failed
};

ReadResult read(QIODevice& device);

// Splits bytes already in memory; the same rules as read().
LineStore parse(QByteArrayView bytes);

// The first line (counted from 0) holding a character that has no byte of its own in
// the file's 8-bit set, or nothing when every line can be written as it stands.
std::optional<qsizetype> firstUnwritableLine(const LineStore& lines);

// Writes every line followed by CR LF, calling lineWritten after each. Lines must pass
// firstUnwritableLine(). Returns an empty string, or why writing failed.
QString write(QIODevice& device, const LineStore& lines, const std::function<void()>& lineWritten = {});

} // namespace configfile
