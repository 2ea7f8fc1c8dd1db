#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

class QIODevice;

// Reads a catalogue as a sequence of items, one text field at a time. An item ends at a
// comma or a line end (CR LF, CR or LF). Spaces and tabs in front of it are skipped, and
// those after an unquoted item are dropped. An item that starts with a double quote runs to
// the next double quote, which keeps commas inside; catalogue items never span lines, so an
// unclosed quote ends at the line end, and whatever follows a closing quote up to the next
// comma or line end is dropped. An empty line, or nothing between two commas, is an empty
// item. Bytes map to characters one to one (Latin-1).
class ItemReader
{
public:
    explicit ItemReader(QIODevice& device);

    // The next item, or nothing once the device is used up (or fails to read).
    std::optional<QString> next();

    // How many items the device holds, empty ones included. Counts are 16-bit: a device
    // holding more items than that gives the largest 16-bit value.
    static qint16 count(QIODevice& device);

private:
    bool atEnd();
    char peek() const { return m_buffer.at(m_position); }
    // Appends bytes to the item up to (not including) the first one that stop() accepts.
    template <typename Stop>
    void takeUntil(Stop stop);
    // Passes over the bytes that keep() accepts.
    template <typename Keep>
    void skipWhile(Keep keep);
    template <typename Stop>
    void skipInBuffer(Stop stop);
    void skipDelimiter();

    QIODevice& m_device;
    QByteArray m_buffer;
    qsizetype m_position = 0;
    QByteArray m_item; // the item being read, reused so that its storage is allocated once
};
