#pragma once

#include <QString>

// Where the catalogue is read from and where an update goes. The program's folder holds the
// catalogue that came with the program; an update that cannot be written there (a system-wide
// install) goes to the user's data folder instead. The user's copy is read only while its
// version is higher than the shipped one's, so that a package upgrade shipping a newer
// catalogue is not hidden behind an older download.
struct CatalogueLocation
{
    QString shipped; // commands.dat in the program's folder
    QString user;    // commands.dat in the user's data folder; empty: there is none

    // The program's folder and the user's data folder of this program.
    static CatalogueLocation standard();

    QString readPath() const;
    // The shipped file when its folder can be written, otherwise the user's copy.
    QString writePath() const;
};

// The version item of the catalogue at path, or empty when it has none or cannot be read.
QString catalogueVersion(const QString& path);
