#include "catalogue/catalogueupdater.h"

#include "catalogue/cataloguefile.h"

#include <QCursor>
#include <QDir>
#include <QFile>
#include <QGuiApplication>

namespace {

const QString VersionDocument = QStringLiteral("version.txt");
const QString CatalogueDocument = QStringLiteral("commands.dat");

} // namespace

CatalogueUpdater::CatalogueUpdater(const CatalogueLocation& location, QWidget* window, Connectivity connectivity,
                                   const QUrl& baseUrl)
    : m_location(location), m_window(window), m_connectivity(std::move(connectivity)), m_server(baseUrl)
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
    // The server decides what the next opening of the window builds: a tree too large to
    // build is refused here, before it replaces a catalogue that works.
    if (!CatalogueFitsTheWindow(*content)) {
        tellFailure(QStringLiteral("The new command list is too large."),
                    QStringLiteral("It holds more than %L1 items, more than the command list window can show.")
                        .arg(MaximumCatalogueItems));
        return;
    }
    save(*content);
}

void CatalogueUpdater::save(const QByteArray& content)
{
    const QString path = m_location.writePath();
    const QString error = ReplaceCatalogue(path, content);
    if (!error.isEmpty()) {
        tellFailure(QStringLiteral("Could not save the new command list as %1.").arg(QDir::toNativeSeparators(path)),
                    error);
        return;
    }
    // A copy of the user's would hide the new catalogue were its version higher.
    if (path == m_location.shipped && !m_location.user.isEmpty())
        QFile::remove(m_location.user);
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
