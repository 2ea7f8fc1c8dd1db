#pragma once

#include "catalogue/cataloguelocation.h"
#include "catalogue/detect.h"
#include "catalogue/updateserver.h"
#include "shared/dialogs.h"

#include <QString>
#include <functional>
#include <optional>

class QWidget;

// "Check For List Updates": asks the update server for its catalogue version and, when it
// differs from the loaded one and the user agrees, replaces the local catalogue file with
// the server's (the user's copy where the program's folder cannot be written). Every outcome is told in a message box over the catalogue window. The window
// itself is left as it is; the new catalogue shows the next time it is opened.
class CatalogueUpdater final
{
public:
    // Whether the computer is online; asked once at the start of each check.
    using Connectivity = std::function<bool()>;

    CatalogueUpdater(const CatalogueLocation& location, QWidget* window, Connectivity connectivity = IsConnected,
                     const QUrl& baseUrl = UpdateServer::defaultBaseUrl());

    UpdateServer& server() { return m_server; }

    // Runs the check from the start; localVersion is the loaded catalogue's version.
    void Check(const QString& localVersion);

private:
    bool userWantsUpdate();
    void download();
    void save(const QByteArray& content);
    // The document's bytes, or nothing after the failure has been told.
    std::optional<QByteArray> fetch(const QString& document);
    void tellFailure(const QString& what, const QString& reason);
    void tell(Dialogs::Icon icon, const QString& title, const QString& text);

    CatalogueLocation m_location;
    QWidget* m_window;
    Connectivity m_connectivity;
    UpdateServer m_server;
};
