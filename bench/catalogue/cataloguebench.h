#pragma once

#include <QByteArray>
#include <QFile>
#include <QProgressBar>
#include <QString>
#include <QTemporaryDir>
#include <QWidget>

namespace bench {

inline constexpr int LargestCatalogueItems = 32766; // the largest catalogue the 16-bit count allows

// A version item, then categories of sections of commands, LargestCatalogueItems items in all.
inline QByteArray largestCatalogue()
{
    QByteArray bytes = "//1.0\r\n";
    int items = 1;
    for (int category = 0; items < LargestCatalogueItems; ++category) {
        bytes += "{Category " + QByteArray::number(category) + "}\r\n";
        ++items;
        for (int section = 0; section < 20 && items < LargestCatalogueItems; ++section) {
            bytes += "[Section " + QByteArray::number(category) + '.' + QByteArray::number(section) + "]\r\n";
            ++items;
            for (int command = 0; command < 60 && items < LargestCatalogueItems; ++command, ++items)
                bytes += "bind_command_" + QByteArray::number(items) + " 1\r\n";
        }
    }
    return bytes;
}

// Writes the largest catalogue as commands.dat in dir and returns its path.
inline QString writeLargestCatalogue(const QTemporaryDir& dir)
{
    const QString path = dir.filePath(QStringLiteral("commands.dat"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(largestCatalogue()) < 0)
        qFatal("cannot write the catalogue");
    return path;
}

// What a catalogue window needs of the main window: a window of its size to dock to, and a
// visible progress bar for the load.
struct StandInMainWindow
{
    StandInMainWindow()
    {
        window.resize(366, 375);
        window.show();
    }

    QWidget window;
    QProgressBar* progress = new QProgressBar(&window);
};

} // namespace bench
