#include "windowtestcase.h"

#include "cmru.h"
#include "editor/bindinglist.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QTest>

using Kind = ScriptedDialogs::Kind;

// Opening files: the dialog, the recent files and the command line.
class TestOpening : public WindowTestCase
{
    Q_OBJECT

private slots:
    void openReadsEveryLine();
    void openAsksWithTheSharedDialog();
    void openingTwiceReplaces();
    void openCancelledChangesNothing();
    void missingFileIsReportedAndForgotten();
    void hiddenFileCountsAsMissing();
    void unreadableFileIsReported();
    void recentFilesFollowOpens();
    void recentItemWhoseFileVanished();
    void recentCaptionShowsAmpersands();
    void commandLineDropsBlankLines();
    void commandLineFailureIsSilent_data();
    void commandLineFailureIsSilent();
};

// ---- reading ----------------------------------------------------------------------------

void TestOpening::openReadsEveryLine()
{
    writeFile(QStringLiteral("a.cfg"), "bind a \"+attack\"\r\n\r\n  leading, comma\n\"quoted\rlast");
    openFile(path(QStringLiteral("a.cfg")));
    QCOMPARE(rows(), strings({"bind a \"+attack\"", "", "  leading, comma", "\"quoted", "last"}));
    QCOMPARE(m_window->caption(), path(QStringLiteral("a.cfg")));
    QCOMPARE(m_window->windowTitle(), path(QStringLiteral("a.cfg")));
    QCOMPARE(m_window->recentFiles()->List(1), path(QStringLiteral("a.cfg")));
    QCOMPARE(m_dialogs->messages().size(), 0);
}

void TestOpening::openAsksWithTheSharedDialog()
{
    writeFile(QStringLiteral("a.cfg"), "x\r\n");
    openFile(path(QStringLiteral("a.cfg")));
    const Dialogs::FileRequest& first = m_dialogs->last().file;
    QCOMPARE(m_dialogs->last().kind, Kind::OpenFile);
    QCOMPARE(first.title, QStringLiteral("Open"));
    QCOMPARE(first.filter, QStringLiteral("Quake Config Files (*.cfg)|*.cfg|Quake Script Files (*.scr)|*.scr|"
                                          "All Files (*.*)|*.*"));
    QCOMPARE(first.defaultSuffix, QStringLiteral("cfg"));
    QCOMPARE(first.initialPath, QDir::homePath());

    m_window->menuItem(QStringLiteral("mnuSaveAs"))->trigger(); // cancelled; it still starts from the name last picked
    QCOMPARE(m_dialogs->last().kind, Kind::SaveFile);
    QCOMPARE(m_dialogs->last().file.title, QStringLiteral("Save As"));
    QCOMPARE(m_dialogs->last().file.initialPath, path(QStringLiteral("a.cfg")));
}

void TestOpening::openingTwiceReplaces()
{
    writeFile(QStringLiteral("a.cfg"), "one\r\ntwo\r\n");
    openFile(path(QStringLiteral("a.cfg")));
    openFile(path(QStringLiteral("a.cfg")));
    QCOMPARE(rows(), strings({"one", "two"}));
}

void TestOpening::openCancelledChangesNothing()
{
    writeFile(QStringLiteral("a.cfg"), "one\r\n");
    openFile(path(QStringLiteral("a.cfg")));
    m_window->menuItem(QStringLiteral("mnuOpen"))->trigger(); // no answer scripted: cancelled
    QCOMPARE(m_window->caption(), path(QStringLiteral("a.cfg")));
    QCOMPARE(rows(), strings({"one"}));
}

void TestOpening::missingFileIsReportedAndForgotten()
{
    m_window->lstBind().append(QStringLiteral("kept"));
    const QString missing = path(QStringLiteral("gone.cfg"));
    openFile(missing);
    QCOMPARE(m_dialogs->messages().size(), 1);
    const ScriptedDialogs::Call message = m_dialogs->messages().constFirst();
    QCOMPARE(message.title, QStringLiteral("Error Opening File"));
    QCOMPARE(message.text, QStringLiteral("File '%1' could not be found.").arg(missing));
    QCOMPARE(message.icon, Dialogs::Icon::Critical);
    QCOMPARE(message.buttons, Dialogs::Buttons::Ok);
    QCOMPARE(rows(), strings({"kept"}));
    QCOMPARE(m_window->caption(), Product);
    QCOMPARE(m_window->recentFiles()->ListFilledCount(), 0);
}

void TestOpening::hiddenFileCountsAsMissing()
{
    writeFile(QStringLiteral(".hidden.cfg"), "secret\r\n");
    openFile(path(QStringLiteral(".hidden.cfg")));
    QCOMPARE(m_dialogs->messages().size(), 1);
    QVERIFY(m_dialogs->last().text.endsWith(QLatin1String("could not be found.")));
    QCOMPARE(m_window->lstBind().count(), 0);
}

void TestOpening::unreadableFileIsReported()
{
    // A file beyond what the editor loads: sparse, so it costs no disk.
    QFile huge(path(QStringLiteral("huge.cfg")));
    QVERIFY(huge.open(QIODevice::WriteOnly));
    QVERIFY(huge.resize((qint64(1) << 30) + 1));
    huge.close();
    m_window->lstBind().append(QStringLiteral("kept"));
    openFile(huge.fileName());
    QCOMPARE(m_dialogs->messages().size(), 1);
    QCOMPARE(m_dialogs->last().title, QStringLiteral("Error Opening File"));
    QCOMPARE(m_dialogs->last().icon, Dialogs::Icon::Critical);
    QVERIFY(m_dialogs->last().text.contains(huge.fileName()));
    QVERIFY(m_dialogs->last().text.contains(QLatin1String("too large")));
    QCOMPARE(rows(), strings({"kept"}));
    QCOMPARE(m_window->caption(), Product);
}

void TestOpening::recentFilesFollowOpens()
{
    writeFile(QStringLiteral("a.cfg"), "from a\r\n");
    writeFile(QStringLiteral("b.cfg"), "from b\r\n");
    QVERIFY(!menuVisible(1));
    QVERIFY(!m_window->menuItem(QStringLiteral("mnuMRUDiv"))->isVisible());
    openFile(path(QStringLiteral("a.cfg")));
    openFile(path(QStringLiteral("b.cfg")));
    QCOMPARE(menuText(1), QStringLiteral("&1  ") + path(QStringLiteral("b.cfg")));
    QCOMPARE(menuText(2), QStringLiteral("&2  ") + path(QStringLiteral("a.cfg")));
    QVERIFY(menuVisible(1) && menuVisible(2) && !menuVisible(3) && !menuVisible(4));
    QVERIFY(m_window->menuItem(QStringLiteral("mnuMRUDiv"))->isVisible());

    m_window->menuItem(QStringLiteral("mnuFileMRU2"))->trigger();
    QCOMPARE(rows(), strings({"from a"}));
    QCOMPARE(menuText(1), QStringLiteral("&1  ") + path(QStringLiteral("a.cfg")));
}

void TestOpening::recentItemWhoseFileVanished()
{
    writeFile(QStringLiteral("a.cfg"), "from a\r\n");
    openFile(path(QStringLiteral("a.cfg")));
    QVERIFY(QFile::remove(path(QStringLiteral("a.cfg"))));
    m_window->menuItem(QStringLiteral("mnuFileMRU1"))->trigger();
    QCOMPARE(m_dialogs->last().title, QStringLiteral("Error Opening File"));
    QVERIFY(!menuVisible(1));
    QCOMPARE(rows(), strings({"from a"}));
}

void TestOpening::recentCaptionShowsAmpersands()
{
    writeFile(QStringLiteral("Q&A.cfg"), "x\r\n");
    openFile(path(QStringLiteral("Q&A.cfg")));
    QString shown = path(QStringLiteral("Q&A.cfg"));
    shown.replace(QLatin1String("&"), QLatin1String("&&"));
    QCOMPARE(menuText(1), QStringLiteral("&1  ") + shown);
}

void TestOpening::commandLineDropsBlankLines()
{
    writeFile(QStringLiteral("my binds.cfg"), "one\r\n\r\ntwo\n\nthree");
    m_window = std::make_unique<frmMain>(path(QStringLiteral("my binds.cfg")));
    QCOMPARE(rows(), strings({"one", "two", "three"}));
    QCOMPARE(m_window->caption(), path(QStringLiteral("my binds.cfg")));
    QCOMPARE(m_window->recentFiles()->List(1), path(QStringLiteral("my binds.cfg")));
    QVERIFY(m_dialogs->calls.isEmpty());
}

void TestOpening::commandLineFailureIsSilent_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("nominal: missing") << "missing";
    QTest::newRow("nominal: a folder") << "folder"; // named pipes: see the document's tests
}

void TestOpening::commandLineFailureIsSilent()
{
    QFETCH(QString, kind);
    const QString name = path(QStringLiteral("not a file"));
    if (kind == QLatin1String("folder"))
        QVERIFY(QDir().mkdir(name));
    m_window = std::make_unique<frmMain>(name);
    QCOMPARE(m_window->lstBind().count(), 0);
    QCOMPARE(m_window->caption(), Product);
    QCOMPARE(m_window->recentFiles()->ListFilledCount(), 0);
    QVERIFY(m_dialogs->calls.isEmpty());
}

QTEST_MAIN(TestOpening)
#include "tst_opening.moc"
