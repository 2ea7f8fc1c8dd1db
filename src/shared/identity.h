#pragma once

#include "corvale/version.h"

#include <QCoreApplication>
#include <QString>

// Who the program is. Everything that shows a name, a version or an address
// takes it from here.
namespace identity {

inline const QString ProductName = QStringLiteral("Vantor's Bind Utility");
inline const QString Organization = QStringLiteral("Corvale");
inline const QString ApplicationName = QStringLiteral("corvale");
inline const QString ApplicationId = QStringLiteral(CORVALE_APP_ID);

// The version of project() in the top CMakeLists.txt.
inline QString versionText()
{
    return QStringLiteral(CORVALE_VERSION_STRING);
}

// Names the running program, which decides where its settings and data folders are.
inline void nameTheApplication()
{
    QCoreApplication::setOrganizationName(Organization);
    QCoreApplication::setApplicationName(ApplicationName);
    QCoreApplication::setApplicationVersion(versionText());
}

inline const QString ContactAddress = QStringLiteral("vantor@corvale.org");

// The update server: "version.txt" and "commands.dat" are fetched by name under it.
inline const QString UpdateServerAddress = QStringLiteral("https://updates.corvale.org/catalogue/");

} // namespace identity
