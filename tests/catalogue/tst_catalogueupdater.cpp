#include "cataloguetestfiles.h"
#include "catalogue/cataloguefile.h"
#include "catalogue/catalogueupdater.h"
#include "catalogue/frmcommands.h"
#include "httpresponder.h"
#include "support/scripteddialogs.h"

#include <QDir>
#include <QLineEdit>
#include <QPointer>
#include <QProgressBar>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using namespace cataloguetest;
using namespace std::chrono_literals;

namespace {

const QByteArray OldCatalogue("//1.2\r\n{Movement}\r\n[Walking]\r\n+forward\r\n");
const QByteArray NewCatalogue("//1.3\r\n{Weapons}\r\n[Firing]\r\n+attack");
const QString NotChanged = QStringLiteral("\r\nYour command list has not been changed.");

// A message box as "icon|buttons|title|text", so that a whole conversation compares at once.
QString box(Dialogs::Icon icon, Dialogs::Buttons buttons, const QString& title, const QString& text)
{
    return QStringLiteral("%1|%2|%3|%4").arg(int(icon)).arg(int(buttons)).arg(title, text);
}

QStringList shown(const ScriptedDialogs& dialogs)
{
    QStringList boxes;
    for (const ScriptedDialogs::Call& call : dialogs.messages())
        boxes << box(call.icon, call.buttons, call.title, call.text);
    return boxes;
}

const QString Offered = box(Dialogs::Icon::Exclamation, Dialogs::Buttons::YesNo, QStringLiteral("Update Available!"),
                            QStringLiteral("Your version is older than the one currently available.\r\n"
                                           "Would you like to download the new version?"));
const QString Current = box(Dialogs::Icon::Information, Dialogs::Buttons::Ok,
                            QStringLiteral("Current Version Installed"),
                            QStringLiteral("Your command list is current and does not need to be updated."));
const QString Completed = box(Dialogs::Icon::Information, Dialogs::Buttons::Ok,
                              QStringLiteral("Brindlework Update Util"),
                              QStringLiteral("Update Completed Successfully!"));

QString failed(const QString& text)
{
    return box(Dialogs::Icon::Critical, Dialogs::Buttons::Ok, QStringLiteral("Update Failed"), text + NotChanged);
}

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

} // namespace

class TestCatalogueUpdater : public QObject
{
    Q_OBJECT

private:
    HttpResponder m_server;
    HttpResponder m_otherHost{QHostAddress(QStringLiteral("127.0.0.2"))};
    QTemporaryDir m_dir;
    QString m_path;
    int m_connectivityAsked = 0;

    // The user's copy of the catalogue, used where the program's folder cannot be written.
    QString userCopy() const { return m_dir.filePath(QStringLiteral("user/commands.dat")); }

    std::unique_ptr<CatalogueUpdater> updater(const QString& path, bool online = true, const QString& user = {})
    {
        auto result = std::make_unique<CatalogueUpdater>(
            CatalogueLocation{path, user}, nullptr,
            [this, online] {
                ++m_connectivityAsked;
                return online;
            },
            m_server.url());
        result->server().setTimeout(200ms);
        return result;
    }

    QString downloadFailed(const char* document, const QString& reason) const
    {
        const QString name = QString::fromLatin1(document);
        return failed(QStringLiteral("Could not download \"%1\" from %2.\r\n%3")
                          .arg(name, m_server.url(name).toString(), reason));
    }

    void serveVersion(const QByteArray& version) { m_server.serve("/version.txt", HttpResponder::ok(version)); }

    // What stands in the way of an unwritable catalogue.
    QString blocker() const { return m_dir.filePath(QStringLiteral("blocker")); }

private slots:
    void initTestCase()
    {
        QVERIFY(m_server.isListening());
        QVERIFY(m_otherHost.isListening());
        m_otherHost.serve("/commands.dat", HttpResponder::ok(NewCatalogue));
    }

    void init()
    {
        QFile::remove(blocker());
        QDir(blocker()).removeRecursively();
        QDir(m_dir.filePath(QStringLiteral("user"))).removeRecursively();
        m_server.clear();
        m_otherHost.requests.clear();
        m_connectivityAsked = 0;
        m_path = writeCatalogue(m_dir, OldCatalogue);
        QVERIFY(!m_path.isEmpty());
    }

    void offlineFetchesNothing()
    {
        ScriptedDialogs dialogs;
        serveVersion("1.3");
        updater(m_path, false)->Check(QStringLiteral("1.2"));
        QCOMPARE(shown(dialogs), QStringList{box(Dialogs::Icon::Critical, Dialogs::Buttons::Ok,
                                                 QStringLiteral("Error: Not Connected"),
                                                 QStringLiteral("You must connect to the internet before "
                                                                "checking for updates."))});
        QCOMPARE(m_connectivityAsked, 1);
        QCOMPARE(m_server.requests, QList<QByteArray>());
        QCOMPARE(contents(m_path), OldCatalogue);
    }

    void versionsAreComparedAsWholeTexts_data()
    {
        QTest::addColumn<QByteArray>("remote");
        QTest::addColumn<QString>("local");
        QTest::addColumn<bool>("offered");
        QTest::newRow("nominal: the same version") << QByteArray("1.2") << QStringLiteral("1.2") << false;
        QTest::newRow("nominal: 8-bit characters read as Latin-1")
            << QByteArray("1.2\xe9") << QStringLiteral("1.2\u00e9") << false;
        QTest::newRow("nominal: a newer version") << QByteArray("1.3") << QStringLiteral("1.2") << true;
        QTest::newRow("edge: an older version") << QByteArray("1.1") << QStringLiteral("1.2") << true;
        QTest::newRow("edge: a trailing line end") << QByteArray("1.2\r\n") << QStringLiteral("1.2") << true;
        QTest::newRow("edge: case differs") << QByteArray("1.2A") << QStringLiteral("1.2a") << true;
        QTest::newRow("edge: no local version") << QByteArray("1.2") << QString() << true;
    }

    void versionsAreComparedAsWholeTexts()
    {
        QFETCH(QByteArray, remote);
        QFETCH(QString, local);
        QFETCH(bool, offered);
        ScriptedDialogs dialogs;
        dialogs.answerMessage(Dialogs::Answer::No);
        serveVersion(remote);
        updater(m_path)->Check(local);
        QCOMPARE(shown(dialogs), QStringList{offered ? Offered : Current});
        // Answering No downloads nothing.
        QCOMPARE(m_server.requests, QList<QByteArray>{"/version.txt"});
        QCOMPARE(contents(m_path), OldCatalogue);
    }

    void yesReplacesTheCatalogue_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("nominal: a catalogue") << NewCatalogue;
        QTest::newRow("edge: an empty document") << QByteArray();
        QTest::newRow("edge: 8-bit bytes kept as they are") << QByteArray("//1.3\r\nsay caf\xe9");
    }

    void yesReplacesTheCatalogue()
    {
        QFETCH(QByteArray, content);
        ScriptedDialogs dialogs;
        dialogs.answerMessage(Dialogs::Answer::Yes);
        serveVersion("1.3");
        m_server.serve("/commands.dat", HttpResponder::ok(content));
        updater(m_path)->Check(QStringLiteral("1.2"));
        QCOMPARE(shown(dialogs), (QStringList{Offered, Completed}));
        QCOMPARE(contents(m_path), content + "\r\n");
        QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("commands.dat")});
    }

    void failuresKeepTheOldFile_data()
    {
        QTest::addColumn<QByteArray>("failing");
        QTest::addColumn<HttpResponder::Response>("response");
        QTest::addColumn<QString>("reason");
        QTest::newRow("robustness: version.txt not found")
            << QByteArray("version.txt") << HttpResponder::status("404 Not Found")
            << QStringLiteral("The server answered 404 Not Found.");
        QTest::newRow("robustness: commands.dat not found")
            << QByteArray("commands.dat") << HttpResponder::status("404 Not Found")
            << QStringLiteral("The server answered 404 Not Found.");
        QTest::newRow("robustness: server error")
            << QByteArray("commands.dat") << HttpResponder::status("500 Internal Server Error")
            << QStringLiteral("The server answered 500 Internal Server Error.");
        QTest::newRow("robustness: version.txt never answered")
            << QByteArray("version.txt") << HttpResponder::silence()
            << QStringLiteral("The server did not answer within 0.2 seconds.");
        QTest::newRow("robustness: commands.dat never answered")
            << QByteArray("commands.dat") << HttpResponder::silence()
            << QStringLiteral("The server did not answer within 0.2 seconds.");
        QTest::newRow("robustness: a body over the limit")
            << QByteArray("commands.dat") << HttpResponder::ok(QByteArray(UpdateServer::MaxDocumentSize + 1, '+'))
            << QStringLiteral("The document is larger than 8 MiB.");
        const QUrl elsewhere = m_otherHost.url(QStringLiteral("commands.dat"));
        QTest::newRow("robustness: a redirect to another host")
            << QByteArray("commands.dat") << HttpResponder::redirect(elsewhere)
            << QStringLiteral("The server redirected the request to another host (%1).").arg(elsewhere.toString());
    }

    void failuresKeepTheOldFile()
    {
        QFETCH(QByteArray, failing);
        QFETCH(HttpResponder::Response, response);
        QFETCH(QString, reason);
        ScriptedDialogs dialogs;
        dialogs.answerMessage(Dialogs::Answer::Yes);
        serveVersion("1.3");
        m_server.serve("/commands.dat", HttpResponder::ok(NewCatalogue));
        m_server.serve('/' + failing, response);
        updater(m_path)->Check(QStringLiteral("1.2"));
        const QString failure = downloadFailed(failing.constData(), reason);
        const QStringList expected = failing == "version.txt" ? QStringList{failure} : QStringList{Offered, failure};
        QCOMPARE(shown(dialogs), expected);
        QCOMPARE(contents(m_path), OldCatalogue);
        QCOMPARE(m_otherHost.requests, QList<QByteArray>());
    }

    void noServerAtAll()
    {
        ScriptedDialogs dialogs;
        QUrl nowhere = m_server.url();
        nowhere.setPort(1);
        CatalogueUpdater({m_path, {}}, nullptr, [] { return true; }, nowhere).Check(QStringLiteral("1.2"));
        QCOMPARE(shown(dialogs), QStringList{failed(QStringLiteral("Could not download \"version.txt\" from %1.\r\n"
                                                                   "Connection refused.")
                                                        .arg(nowhere.resolved(QUrl(QStringLiteral("version.txt")))
                                                                 .toString()))});
        QCOMPARE(contents(m_path), OldCatalogue);
    }

    void anUnwritableFolderKeepsWhatIsThere_data()
    {
        QTest::addColumn<bool>("folderIsAFile");
        QTest::addColumn<QString>("reason");
        QTest::newRow("robustness: the folder is a regular file") << true << QStringLiteral("Not a directory");
        QTest::newRow("robustness: a folder where the file belongs")
            << false << QStringLiteral("Filename refers to a directory");
    }

    void anUnwritableFolderKeepsWhatIsThere()
    {
        QFETCH(bool, folderIsAFile);
        QFETCH(QString, reason);
        // Permission bits do not stop root, so the write is made impossible another way.
        const QString path = folderIsAFile ? blocker() + QStringLiteral("/commands.dat") : blocker();
        if (folderIsAFile)
            QVERIFY(QFile::copy(m_path, blocker()));
        else
            QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("blocker/kept")));
        ScriptedDialogs dialogs;
        dialogs.answerMessage(Dialogs::Answer::Yes);
        serveVersion("1.3");
        m_server.serve("/commands.dat", HttpResponder::ok(NewCatalogue));
        updater(path)->Check(QStringLiteral("1.2"));
        const QString failure = failed(QStringLiteral("Could not save the new command list as %1.\r\n%2")
                                           .arg(QDir::toNativeSeparators(path), reason));
        QCOMPARE(shown(dialogs), (QStringList{Offered, failure}));
        if (folderIsAFile)
            QCOMPARE(contents(blocker()), OldCatalogue);
        else
            QCOMPARE(QDir(blocker()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                     QStringList{QStringLiteral("kept")});
    }

    void aFolderItCannotWriteUpdatesTheUsersCopy()
    {
        QVERIFY(QFile::copy(m_path, blocker())); // the program's folder is a file: no writing there
        const QString shipped = blocker() + QStringLiteral("/commands.dat");
        ScriptedDialogs dialogs;
        dialogs.answerMessage(Dialogs::Answer::Yes);
        serveVersion("1.3");
        m_server.serve("/commands.dat", HttpResponder::ok(NewCatalogue));
        updater(shipped, true, userCopy())->Check(QStringLiteral("1.2"));
        QCOMPARE(shown(dialogs), (QStringList{Offered, Completed}));
        QCOMPARE(contents(userCopy()), NewCatalogue + "\r\n");
        QCOMPARE(CatalogueLocation({shipped, userCopy()}).readPath(), userCopy());
    }

    void theNewerCopyIsRead_data()
    {
        QTest::addColumn<QByteArray>("shipped");
        QTest::addColumn<QByteArray>("user"); // empty: the user has no copy
        QTest::addColumn<bool>("userWins");
        QTest::newRow("nominal: a download newer than the program's") << QByteArray("//1.2") << QByteArray("//1.3")
                                                                       << true;
        QTest::newRow("nominal: a package upgrade newer than the download")
            << QByteArray("//1.4") << QByteArray("//1.3") << false;
        QTest::newRow("edge: the same version") << QByteArray("//1.3") << QByteArray("//1.3") << false;
        QTest::newRow("edge: versions compare number by number")
            << QByteArray("//1.9") << QByteArray("//1.10") << true;
        QTest::newRow("edge: no copy of the user's") << QByteArray("//1.2") << QByteArray() << false;
    }

    void theNewerCopyIsRead()
    {
        QFETCH(QByteArray, shipped);
        QFETCH(QByteArray, user);
        QFETCH(bool, userWins);
        QVERIFY(ReplaceCatalogue(m_path, shipped).isEmpty());
        if (!user.isEmpty())
            QVERIFY(ReplaceCatalogue(userCopy(), user).isEmpty());
        QCOMPARE(CatalogueLocation({m_path, userCopy()}).readPath(), userWins ? userCopy() : m_path);
    }

    void aCatalogueTooLargeForTheWindowIsRefused_data()
    {
        QTest::addColumn<int>("items");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("edge: the most the window takes") << MaximumCatalogueItems << true;
        QTest::newRow("robustness: one item more") << MaximumCatalogueItems + 1 << false;
        QTest::newRow("robustness: millions of one-character lines") << 4'000'000 << false;
    }

    void aCatalogueTooLargeForTheWindowIsRefused()
    {
        QFETCH(int, items);
        QFETCH(bool, accepted);
        QByteArray content = QByteArray("a\n").repeated(items);
        content.chop(1); // the written file ends the last item
        ScriptedDialogs dialogs;
        dialogs.answerMessage(Dialogs::Answer::Yes);
        serveVersion("1.3");
        m_server.serve("/commands.dat", HttpResponder::ok(content));
        updater(m_path)->Check(QStringLiteral("1.2"));
        const QString refused = failed(QStringLiteral("The new command list is too large.\r\nIt holds more than "
                                                      "32,766 items, more than the command list window can show."));
        QCOMPARE(shown(dialogs), (QStringList{Offered, accepted ? Completed : refused}));
        QCOMPARE(contents(m_path) == OldCatalogue, !accepted);
    }

    void theOpenWindowKeepsItsCatalogue()
    {
        QWidget mainWindow;
        QProgressBar progress;
        QPointer<frmCommands> window = new frmCommands(&mainWindow, &progress, {m_path, {}});
        window->setUpdater(updater(m_path));
        const QStringList oldTree = describe(*window->TreeView1());
        ScriptedDialogs dialogs;
        dialogs.answerMessage(Dialogs::Answer::Yes);
        serveVersion("1.3");
        m_server.serve("/commands.dat", HttpResponder::ok(NewCatalogue));

        window->mnuCheck()->trigger();
        QCOMPARE(shown(dialogs), (QStringList{Offered, Completed}));
        QCOMPARE(contents(m_path), NewCatalogue + "\r\n");
        QCOMPARE(window->windowTitle(), QStringLiteral("Command List - v1.2"));
        QCOMPARE(window->catalogueVersion(), QStringLiteral("1.2"));
        QCOMPARE(describe(*window->TreeView1()), oldTree);
        delete window;

        const auto reopened = std::make_unique<frmCommands>(&mainWindow, &progress, CatalogueLocation{m_path, {}});
        QCOMPARE(reopened->windowTitle(), QStringLiteral("Command List - v1.3"));
        QCOMPARE(describe(*reopened->TreeView1()),
                 texts({"{Weapons|Weapons|1", "  [Firing|Firing|1", "    |+attack|3"}));
    }

    void closingDuringATransferWaitsForTheCheck()
    {
        QWidget mainWindow;
        QProgressBar progress;
        QPointer<frmCommands> window = new frmCommands(&mainWindow, &progress, {m_path, {}});
        window->setUpdater(updater(m_path));
        QSignalSpy closing(window.data(), &frmCommands::closing);
        ScriptedDialogs dialogs;
        m_server.serve("/version.txt", HttpResponder::silence());
        // Runs inside the transfer's wait.
        QTimer::singleShot(0, window, &QWidget::close);

        window->mnuCheck()->trigger();
        QCOMPARE(dialogs.messages().size(), 1);
        QCOMPARE(closing.size(), 1);
        QTRY_VERIFY(window.isNull());
    }
};

QTEST_MAIN(TestCatalogueUpdater)
#include "tst_catalogueupdater.moc"
