#pragma once

#include "gamecommands.h"

#include <QByteArray>
#include <QLatin1StringView>
#include <QString>
#include <optional>
#include <vector>

class QIODevice;

namespace console {

// A script's rows as an engine reads them from an exec'd file: only a line feed ends a
// row (a carriage return before it is left out); a lone carriage return is part of its
// row, where the tokenizer takes it for a blank or, inside quotes, keeps it.
class ScriptFile
{
public:
    // Larger files are refused rather than risk running out of memory.
    static constexpr qint64 MaximumSize = qint64(1) << 30;

    // Nothing, and why in error, when the device cannot be read.
    static std::optional<ScriptFile> read(QIODevice& device, QString& error);
    static ScriptFile fromBytes(QByteArray bytes);

    qsizetype rowCount() const { return qsizetype(m_rows.size()); }
    QLatin1StringView row(qsizetype row) const;
    RowReader rows() const
    {
        return [this](qsizetype row) { return QAnyStringView(this->row(row)); };
    }

    qint64 size() const { return m_bytes.size(); }
    bool endsWithLineEnd() const { return m_bytes.endsWith('\n'); }

private:
    struct Span
    {
        qint64 offset;
        qint64 length;
    };

    QByteArray m_bytes;
    std::vector<Span> m_rows;
};

} // namespace console
