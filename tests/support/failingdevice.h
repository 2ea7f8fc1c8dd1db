#pragma once

#include <QIODevice>

// A device that takes a given number of bytes and then fails every write, like a disk
// that fills up half-way through a save.
class FailingDevice final : public QIODevice
{
public:
    explicit FailingDevice(qint64 capacity) : m_capacity(capacity) { open(QIODevice::WriteOnly); }

    QByteArray written;

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 length) override
    {
        // Like a file on a full disk: what fits is stored, then the write fails.
        const qint64 room = m_capacity - written.size();
        written.append(data, std::min(room, length));
        if (length > room) {
            setErrorString(QStringLiteral("No space left on device"));
            return -1;
        }
        return length;
    }

private:
    qint64 m_capacity;
};
