#include "catalogue/catalogueupdater.h"

#include "catalogue/cataloguefile.h"

#include <QCursor>
#include <QDir>
#include <QGuiApplication>

namespace {

const QString VersionDocument = QStringLiteral("version.txt");
const QString CatalogueDocument = QStringLiteral("commands.dat");

} // namespace

CatalogueUpdater::CatalogueUpdater(const QString& cataloguePath, QWidget* window, Connectivity connectivity,
                                   const QUrl& baseUrl)
    : m_cataloguePath(cataloguePath), m_window(window), m_connectivity(std::move(connectivity)), m_server(baseUrl)
{
}

void CatalogueUpdater::Check(const QString& localVersion)
{
    if (!m_connectivity()) {
        tell(Dialogs::Icon::Critical, QStringLiteral("Error: Not Connected"),
             QStringLiteral("You must connect to the internet before checking for updates."));
        return;
    }
    const std::optional<QByteArray> remote = fetch(VersionDocument);
    if (!remote)
        return;
    // The whole text, line ends and all: a version followed by a line end is a different one.
    if (QString::fromLatin1(*remote) == localVersion) {
        tell(Dialogs::Icon::Information, QStringLiteral("Current Version Installed"),
             QStringLiteral("Your command list is current and does not need to be updated."));
        return;
    }
    if (userWantsUpdate())
        download();
}

bool CatalogueUpdater::userWantsUpdate()
{
    return Dialogs::instance().message(m_window, Dialogs::Icon::Exclamation, Dialogs::Buttons::YesNo,
                                       QStringLiteral("Update Available!"),
                                       QStringLiteral("Your version is older than the one currently available.\r\n"
                                                      "Would you like to download the new version?"))
        == Dialogs::Answer::Yes;
}

void CatalogueUpdater::download()
{
    const std::optional<QByteArray> content = fetch(CatalogueDocument);
    if (!content)
        return;
    const QString error = ReplaceCatalogue(m_cataloguePath, *content);
    if (!error.isEmpty()) {
        tellFailure(QStringLiteral("Could not save the new command list as %1.")
                        .arg(QDir::toNativeSeparators(m_cataloguePath)),
                    error);
        return;
    }
    tell(Dialogs::Icon::Information, QStringLiteral("Brindlework Update Util"),
         QStringLiteral("Update Completed Successfully!"));
}

std::optional<QByteArray> CatalogueUpdater::fetch(const QString& document)
{
    // Nothing can be clicked while the server is asked; the cursor says why.
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    FetchedDocument fetched = m_server.fetch(document);
    QGuiApplication::restoreOverrideCursor();
    if (fetched.ok())
        return std::move(fetched.content);
    tellFailure(QStringLiteral("Could not download \"%1\" from %2.")
                    .arg(document, m_server.documentUrl(document).toDisplayString()),
                fetched.error);
    return std::nullopt;
}

void CatalogueUpdater::tellFailure(const QString& what, const QString& reason)
{
    tell(Dialogs::Icon::Critical, QStringLiteral("Update Failed"),
         what + QStringLiteral("\r\n") + reason + QStringLiteral("\r\nYour command list has not been changed."));
}

void CatalogueUpdater::tell(Dialogs::Icon icon, const QString& title, const QString& text)
{
    Dialogs::instance().message(m_window, icon, Dialogs::Buttons::Ok, title, text);
}
