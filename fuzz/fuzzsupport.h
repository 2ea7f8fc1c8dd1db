#pragma once

#include <QByteArrayView>
#include <QCoreApplication>
#include <QIODevice>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

// What the fuzz targets share: one Qt application for the whole run, checks that turn a broken
// promise into a crash libFuzzer records, and a device that hands its bytes out a few at a time.
namespace fuzz {

// Qt's settings and file machinery expect an application object; libFuzzer's own arguments
// are kept away from it.
inline void startQt()
{
    static int argc = 1;
    static char name[] = "corvale-fuzz";
    static char* argv[] = {name, nullptr};
    static QCoreApplication* const application = new QCoreApplication(argc, argv);
    Q_UNUSED(application);
}

inline void require(bool holds, const char* promise)
{
    if (holds)
        return;
    std::fprintf(stderr, "broken promise: %s\n", promise);
    std::abort();
}

// A sequential device that gives out at most pieceSize bytes per read, so that a reader meets
// every buffer boundary that a slow pipe or a network share could put in its way.
class PiecewiseDevice final : public QIODevice
{
public:
    PiecewiseDevice(QByteArrayView bytes, qint64 pieceSize)
        : m_bytes(bytes), m_pieceSize(std::max<qint64>(pieceSize, 1))
    {
        open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    }

    bool isSequential() const override { return true; }

protected:
    qint64 readData(char* data, qint64 maximum) override
    {
        const qint64 length = std::min({maximum, m_pieceSize, qint64(m_bytes.size()) - m_position});
        if (length > 0)
            std::memcpy(data, m_bytes.data() + m_position, size_t(length));
        m_position += length;
        return length;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QByteArrayView m_bytes;
    qint64 m_pieceSize;
    qint64 m_position = 0;
};

// The first byte of an input picks the piece size, so the corpus explores boundaries too. Long
// inputs get longer pieces: a reader may allocate a buffer for every read, and a few dozen reads
// meet as many boundaries as a few thousand.
inline qint64 pieceSizeFor(QByteArrayView bytes)
{
    return bytes.isEmpty() ? 1 : 1 + qint64(quint8(bytes.front())) % 64 + bytes.size() / 32;
}

} // namespace fuzz
