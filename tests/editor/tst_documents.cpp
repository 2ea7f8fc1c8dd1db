#include "cmru.h"
#include "editor/bindinglist.h"
#include "editor/frmmain.h"
#include "support/scripteddialogs.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QProgressBar>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using Kind = ScriptedDialogs::Kind;

namespace {

const QString Product = QStringLiteral("Vantor's Bind Utility");

QStringList strings(std::initializer_list<const char*> texts)
{
    QStringList result;
    for (const char* text : texts)
        result << QString::fromLatin1(text);
    return result;
}

} // namespace

// Opening, saving and the document commands, driven through the main window as a
// player drives them, with the file dialogs and questions answered from a script.
class TestDocuments : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    // reading
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

    // writing
    void saveAfterOpenWritesSilently();
    void saveWithoutFileAsksForAName();
    void saveCancelledWritesNothing();
    void progressCountsRows_data();
    void progressCountsRows();
    void saveAsMovesToTheNewName();
    void failedSaveKeepsTheOldFile_data();
    void failedSaveKeepsTheOldFile();
    void failedSaveAsKeepsItsCaption();
    void rowsWithoutAByteAreRefused();
    void multiLineRowBecomesLines();

    // document and edit commands
    void closeAnswers_data();
    void closeAnswers();
    void closeWithoutFileDoesNothing();
    void closeKeepsRowsWhenTheSaveFails();
    void newForgetsTheFile();
    void clearAllWarnsFirst();
    void insertCommentGoesOnTop();
    void clipboardCommands();
    void pastePosition();
    void commandsNeedASelection();
    void exitAnsweredNo();

private:
    QString path(const QString& name) const { return m_dir->filePath(name); }
    void writeFile(const QString& name, const QByteArray& bytes) const;
    QByteArray readFile(const QString& name) const;
    QStringList rows() const;
    void openFile(const QString& file);
    QString menuText(int index) const;
    bool menuVisible(int index) const;

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<ScriptedDialogs> m_dialogs;
    std::unique_ptr<frmMain> m_window;
};

void TestDocuments::init()
{
    // Each case starts with an empty recent-files store.
    QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("TolvaneLists")).clear();
    m_dir = std::make_unique<QTemporaryDir>();
    m_dialogs = std::make_unique<ScriptedDialogs>();
    m_window = std::make_unique<frmMain>();
}

void TestDocuments::cleanup()
{
    m_window.reset();
    m_dialogs.reset();
    m_dir.reset();
}

void TestDocuments::writeFile(const QString& name, const QByteArray& bytes) const
{
    QFile file(path(name));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray TestDocuments::readFile(const QString& name) const
{
    QFile file(path(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

QStringList TestDocuments::rows() const
{
    QStringList result;
    for (int position = 1; position <= m_window->lstBind().count(); ++position)
        result << m_window->lstBind().text(position);
    return result;
}

void TestDocuments::openFile(const QString& file)
{
    m_dialogs->answerFile(file);
    m_window->menuItem(QStringLiteral("mnuOpen"))->trigger();
}

QString TestDocuments::menuText(int index) const
{
    return m_window->menuItem(QStringLiteral("mnuFileMRU%1").arg(index))->text();
}

bool TestDocuments::menuVisible(int index) const
{
    return m_window->menuItem(QStringLiteral("mnuFileMRU%1").arg(index))->isVisible();
}

// ---- reading ----------------------------------------------------------------------------

void TestDocuments::openReadsEveryLine()
{
    writeFile(QStringLiteral("a.cfg"), "bind a \"+attack\"\r\n\r\n  leading, comma\n\"quoted\rlast");
    openFile(path(QStringLiteral("a.cfg")));
    QCOMPARE(rows(), strings({"bind a \"+attack\"", "", "  leading, comma", "\"quoted", "last"}));
    QCOMPARE(m_window->caption(), path(QStringLiteral("a.cfg")));
    QCOMPARE(m_window->windowTitle(), path(QStringLiteral("a.cfg")));
    QCOMPARE(m_window->recentFiles()->List(1), path(QStringLiteral("a.cfg")));
    QCOMPARE(m_dialogs->messages().size(), 0);
}

void TestDocuments::openAsksWithTheSharedDialog()
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

void TestDocuments::openingTwiceReplaces()
{
    writeFile(QStringLiteral("a.cfg"), "one\r\ntwo\r\n");
    openFile(path(QStringLiteral("a.cfg")));
    openFile(path(QStringLiteral("a.cfg")));
    QCOMPARE(rows(), strings({"one", "two"}));
}

void TestDocuments::openCancelledChangesNothing()
{
    writeFile(QStringLiteral("a.cfg"), "one\r\n");
    openFile(path(QStringLiteral("a.cfg")));
    m_window->menuItem(QStringLiteral("mnuOpen"))->trigger(); // no answer scripted: cancelled
    QCOMPARE(m_window->caption(), path(QStringLiteral("a.cfg")));
    QCOMPARE(rows(), strings({"one"}));
}

void TestDocuments::missingFileIsReportedAndForgotten()
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

void TestDocuments::hiddenFileCountsAsMissing()
{
    writeFile(QStringLiteral(".hidden.cfg"), "secret\r\n");
    openFile(path(QStringLiteral(".hidden.cfg")));
    QCOMPARE(m_dialogs->messages().size(), 1);
    QVERIFY(m_dialogs->last().text.endsWith(QLatin1String("could not be found.")));
    QCOMPARE(m_window->lstBind().count(), 0);
}

void TestDocuments::unreadableFileIsReported()
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

void TestDocuments::recentFilesFollowOpens()
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

void TestDocuments::recentItemWhoseFileVanished()
{
    writeFile(QStringLiteral("a.cfg"), "from a\r\n");
    openFile(path(QStringLiteral("a.cfg")));
    QVERIFY(QFile::remove(path(QStringLiteral("a.cfg"))));
    m_window->menuItem(QStringLiteral("mnuFileMRU1"))->trigger();
    QCOMPARE(m_dialogs->last().title, QStringLiteral("Error Opening File"));
    QVERIFY(!menuVisible(1));
    QCOMPARE(rows(), strings({"from a"}));
}

void TestDocuments::recentCaptionShowsAmpersands()
{
    writeFile(QStringLiteral("Q&A.cfg"), "x\r\n");
    openFile(path(QStringLiteral("Q&A.cfg")));
    QString shown = path(QStringLiteral("Q&A.cfg"));
    shown.replace(QLatin1String("&"), QLatin1String("&&"));
    QCOMPARE(menuText(1), QStringLiteral("&1  ") + shown);
}

void TestDocuments::commandLineDropsBlankLines()
{
    writeFile(QStringLiteral("my binds.cfg"), "one\r\n\r\ntwo\n\nthree");
    m_window = std::make_unique<frmMain>(path(QStringLiteral("my binds.cfg")));
    QCOMPARE(rows(), strings({"one", "two", "three"}));
    QCOMPARE(m_window->caption(), path(QStringLiteral("my binds.cfg")));
    QCOMPARE(m_window->recentFiles()->List(1), path(QStringLiteral("my binds.cfg")));
    QVERIFY(m_dialogs->calls.isEmpty());
}

void TestDocuments::commandLineFailureIsSilent_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("nominal: missing") << "missing";
    QTest::newRow("nominal: a folder") << "folder"; // named pipes: see the document's tests
}

void TestDocuments::commandLineFailureIsSilent()
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

// ---- writing ----------------------------------------------------------------------------

void TestDocuments::saveAfterOpenWritesSilently()
{
    writeFile(QStringLiteral("a.cfg"), "a\n\nb");
    writeFile(QStringLiteral("other.cfg"), "o\r\n");
    openFile(path(QStringLiteral("a.cfg")));
    openFile(path(QStringLiteral("other.cfg")));
    openFile(path(QStringLiteral("a.cfg")));
    m_window->lstBind().append(QString::fromLatin1("name \"\x01\xe9\xff\""));
    m_window->menuItem(QStringLiteral("mnuSave"))->trigger();
    QCOMPARE(m_dialogs->calls.size(), 3); // the three opens only
    QCOMPARE(readFile(QStringLiteral("a.cfg")), QByteArray("a\r\n\r\nb\r\nname \"\x01\xe9\xff\"\r\n"));
    QCOMPARE(m_window->recentFiles()->List(1), path(QStringLiteral("a.cfg")));
}

void TestDocuments::saveWithoutFileAsksForAName()
{
    m_window->lstBind().append(QStringLiteral("bind a \"+attack\""));
    m_dialogs->answerFile(path(QStringLiteral("new.cfg")));
    m_window->menuItem(QStringLiteral("mnuSave"))->trigger();
    QCOMPARE(m_dialogs->last().kind, Kind::SaveFile);
    QCOMPARE(m_dialogs->last().file.title, QStringLiteral("Save"));
    QCOMPARE(m_dialogs->last().file.defaultSuffix, QStringLiteral("cfg"));
    QCOMPARE(readFile(QStringLiteral("new.cfg")), QByteArray("bind a \"+attack\"\r\n"));
    QCOMPARE(m_window->caption(), path(QStringLiteral("new.cfg")));
    QCOMPARE(m_window->recentFiles()->List(1), path(QStringLiteral("new.cfg")));

    m_window->menuItem(QStringLiteral("mnuNew"))->trigger();
    m_window->menuItem(QStringLiteral("mnuSave"))->trigger(); // after New the dialog comes back
    QCOMPARE(m_dialogs->last().file.title, QStringLiteral("Save"));
    QCOMPARE(m_dialogs->last().file.initialPath, path(QStringLiteral("new.cfg")));
}

void TestDocuments::saveCancelledWritesNothing()
{
    m_window->lstBind().append(QStringLiteral("row"));
    m_window->menuItem(QStringLiteral("mnuSave"))->trigger();
    QCOMPARE(m_window->caption(), Product);
    QCOMPARE(m_window->recentFiles()->ListFilledCount(), 0);
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files).size(), 0);
}

void TestDocuments::progressCountsRows_data()
{
    QTest::addColumn<int>("rowCount");
    QTest::newRow("nominal: three rows") << 3;
    QTest::newRow("nominal: an empty list") << 0;
}

void TestDocuments::progressCountsRows()
{
    QFETCH(int, rowCount);
    for (int i = 0; i < rowCount; ++i)
        m_window->lstBind().append(QStringLiteral("row %1").arg(i));
    QProgressBar* progress = m_window->Progress();
    QSignalSpy values(progress, &QProgressBar::valueChanged);
    int maximumWhileWriting = -1;
    connect(progress, &QProgressBar::valueChanged, this, [&] {
        if (maximumWhileWriting < 0)
            maximumWhileWriting = progress->maximum();
    });
    m_dialogs->answerFile(path(QStringLiteral("p.cfg")));
    m_window->menuItem(QStringLiteral("mnuSave"))->trigger();

    QList<int> seen;
    for (const QList<QVariant>& value : values)
        seen << value.at(0).toInt();
    QList<int> expected;
    for (int i = 1; i <= rowCount; ++i)
        expected << i;
    expected << 0;
    if (rowCount == 0)
        expected.clear(); // it never left 0
    QCOMPARE(seen, expected);
    if (rowCount > 0)
        QCOMPARE(maximumWhileWriting, rowCount + 1);
    QCOMPARE(progress->minimum(), 0);
    QCOMPARE(progress->maximum(), rowCount + 1);
    QCOMPARE(progress->value(), 0);
    QCOMPARE(readFile(QStringLiteral("p.cfg")).count('\n'), rowCount);
}

void TestDocuments::saveAsMovesToTheNewName()
{
    writeFile(QStringLiteral("old.cfg"), "old\r\n");
    openFile(path(QStringLiteral("old.cfg")));
    m_window->lstBind().append(QStringLiteral("added"));
    m_dialogs->answerFile(path(QStringLiteral("new.scr")));
    m_window->menuItem(QStringLiteral("mnuSaveAs"))->trigger();
    QCOMPARE(readFile(QStringLiteral("new.scr")), QByteArray("old\r\nadded\r\n"));
    QCOMPARE(readFile(QStringLiteral("old.cfg")), QByteArray("old\r\n"));
    QCOMPARE(m_window->caption(), path(QStringLiteral("new.scr")));
    QCOMPARE(m_window->recentFiles()->List(1), path(QStringLiteral("new.scr")));
    QCOMPARE(m_window->Progress()->value(), 0);
}

void TestDocuments::failedSaveKeepsTheOldFile_data()
{
    QTest::addColumn<QString>("target");
    QTest::newRow("robustness: a folder stands where the file should be") << QStringLiteral("folder.cfg");
    QTest::newRow("robustness: the folder is a regular file") << QStringLiteral("plain.txt/inside.cfg");
}

void TestDocuments::failedSaveKeepsTheOldFile()
{
    QFETCH(QString, target);
    QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("folder.cfg")));
    writeFile(QStringLiteral("plain.txt"), "untouched");
    m_window->lstBind().append(QStringLiteral("row"));
    m_dialogs->answerFile(path(target));
    m_window->menuItem(QStringLiteral("mnuSave"))->trigger();
    QCOMPARE(m_dialogs->messages().size(), 1);
    const ScriptedDialogs::Call message = m_dialogs->messages().constFirst();
    QCOMPARE(message.title, QStringLiteral("Error Saving File"));
    QCOMPARE(message.icon, Dialogs::Icon::Critical);
    QVERIFY2(message.text.contains(path(target)), qPrintable(message.text));
    QCOMPARE(m_window->caption(), Product); // nothing was written, so the list has no file
    QCOMPARE(readFile(QStringLiteral("plain.txt")), QByteArray("untouched"));
    QVERIFY(QFileInfo(path(QStringLiteral("folder.cfg"))).isDir());
    QCOMPARE(m_window->Progress()->value(), 0);
}

void TestDocuments::failedSaveAsKeepsItsCaption()
{
    QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("folder.cfg")));
    m_window->lstBind().append(QStringLiteral("row"));
    m_dialogs->answerFile(path(QStringLiteral("folder.cfg")));
    m_window->menuItem(QStringLiteral("mnuSaveAs"))->trigger();
    QCOMPARE(m_dialogs->messages().size(), 1);
    QCOMPARE(m_dialogs->last().title, QStringLiteral("Error Saving File"));
    QCOMPARE(m_window->caption(), path(QStringLiteral("folder.cfg")));
}

void TestDocuments::rowsWithoutAByteAreRefused()
{
    writeFile(QStringLiteral("a.cfg"), "original\r\n");
    openFile(path(QStringLiteral("a.cfg")));
    m_window->lstBind().append(QStringLiteral("say \u263A"));
    m_window->menuItem(QStringLiteral("mnuSave"))->trigger();
    QCOMPARE(m_dialogs->messages().size(), 1);
    QCOMPARE(m_dialogs->last().title, QStringLiteral("Error Saving File"));
    QVERIFY2(m_dialogs->last().text.contains(QLatin1String("Row 2")), qPrintable(m_dialogs->last().text));
    QCOMPARE(readFile(QStringLiteral("a.cfg")), QByteArray("original\r\n"));
}

void TestDocuments::multiLineRowBecomesLines()
{
    QGuiApplication::clipboard()->setText(QStringLiteral("first\r\nsecond"));
    m_window->lstBind().append(QStringLiteral("row"));
    m_window->lstBind().select(1);
    m_window->menuItem(QStringLiteral("mnuPaste"))->trigger();
    QCOMPARE(m_window->lstBind().count(), 2);
    m_dialogs->answerFile(path(QStringLiteral("m.cfg")));
    m_window->menuItem(QStringLiteral("mnuSave"))->trigger();
    QCOMPARE(readFile(QStringLiteral("m.cfg")), QByteArray("first\r\nsecond\r\nrow\r\n"));
    openFile(path(QStringLiteral("m.cfg")));
    QCOMPARE(rows(), strings({"first", "second", "row"}));
}

// ---- document and edit commands ---------------------------------------------------------

void TestDocuments::closeAnswers_data()
{
    QTest::addColumn<Dialogs::Answer>("answer");
    QTest::addColumn<QByteArray>("fileAfter");
    QTest::addColumn<int>("rowsAfter");
    QTest::addColumn<bool>("closed");
    QTest::newRow("nominal: yes saves, then closes") << Dialogs::Answer::Yes << QByteArray("a\r\nadded\r\n") << 0 << true;
    QTest::newRow("nominal: no closes without saving") << Dialogs::Answer::No << QByteArray("a\r\n") << 0 << true;
    QTest::newRow("nominal: cancel does nothing") << Dialogs::Answer::Cancel << QByteArray("a\r\n") << 2 << false;
}

void TestDocuments::closeAnswers()
{
    QFETCH(Dialogs::Answer, answer);
    QFETCH(QByteArray, fileAfter);
    QFETCH(int, rowsAfter);
    QFETCH(bool, closed);
    writeFile(QStringLiteral("a.cfg"), "a\r\n");
    openFile(path(QStringLiteral("a.cfg")));
    m_window->lstBind().append(QStringLiteral("added"));
    m_dialogs->answerMessage(answer);
    m_window->menuItem(QStringLiteral("mnuClose"))->trigger();
    const ScriptedDialogs::Call question = m_dialogs->messages().constFirst();
    QCOMPARE(question.title, QStringLiteral("Close File"));
    QCOMPARE(question.text, QStringLiteral("Do you want to save first?"));
    QCOMPARE(question.icon, Dialogs::Icon::Question);
    QCOMPARE(question.buttons, Dialogs::Buttons::YesNoCancel);
    QCOMPARE(readFile(QStringLiteral("a.cfg")), fileAfter);
    QCOMPARE(m_window->lstBind().count(), rowsAfter);
    QCOMPARE(m_window->caption(), closed ? Product : path(QStringLiteral("a.cfg")));
}

void TestDocuments::closeWithoutFileDoesNothing()
{
    m_window->lstBind().append(QStringLiteral("row"));
    m_window->menuItem(QStringLiteral("mnuClose"))->trigger();
    QVERIFY(m_dialogs->calls.isEmpty());
    QCOMPARE(m_window->lstBind().count(), 1);
}

void TestDocuments::closeKeepsRowsWhenTheSaveFails()
{
    writeFile(QStringLiteral("a.cfg"), "a\r\n");
    openFile(path(QStringLiteral("a.cfg")));
    QVERIFY(QFile::remove(path(QStringLiteral("a.cfg"))));
    QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("a.cfg")));
    m_dialogs->answerMessage(Dialogs::Answer::Yes);
    m_window->menuItem(QStringLiteral("mnuClose"))->trigger();
    QCOMPARE(m_dialogs->last().title, QStringLiteral("Error Saving File"));
    QCOMPARE(rows(), strings({"a"}));
    QCOMPARE(m_window->caption(), path(QStringLiteral("a.cfg")));
}

void TestDocuments::newForgetsTheFile()
{
    writeFile(QStringLiteral("a.cfg"), "a\r\n");
    openFile(path(QStringLiteral("a.cfg")));
    m_window->menuItem(QStringLiteral("mnuNew"))->trigger();
    QCOMPARE(m_window->caption(), Product);
    QCOMPARE(m_window->lstBind().count(), 0);
    QCOMPARE(m_dialogs->calls.size(), 1);
}

void TestDocuments::clearAllWarnsFirst()
{
    writeFile(QStringLiteral("a.cfg"), "a\r\nb\r\n");
    openFile(path(QStringLiteral("a.cfg")));
    m_dialogs->answerMessage(Dialogs::Answer::No);
    m_window->menuItem(QStringLiteral("mnuClearAll"))->trigger();
    const ScriptedDialogs::Call warning = m_dialogs->last();
    QCOMPARE(warning.title, QStringLiteral("Warning"));
    QCOMPARE(warning.text, QStringLiteral("If you procede, you'll lose all bindings thus far.\r\n\r\n"
                                          "Do you wish to procede?"));
    QCOMPARE(warning.icon, Dialogs::Icon::Information);
    QCOMPARE(warning.buttons, Dialogs::Buttons::YesNo);
    QCOMPARE(m_window->lstBind().count(), 2);

    m_dialogs->answerMessage(Dialogs::Answer::Yes);
    m_window->menuItem(QStringLiteral("mnuClearAll"))->trigger();
    QCOMPARE(m_window->lstBind().count(), 0);
    QCOMPARE(m_window->caption(), path(QStringLiteral("a.cfg")));
    m_window->menuItem(QStringLiteral("mnuSave"))->trigger(); // the cleared list still belongs to its file
    QCOMPARE(readFile(QStringLiteral("a.cfg")), QByteArray());
}

void TestDocuments::insertCommentGoesOnTop()
{
    m_window->lstBind().append(QStringLiteral("bind a \"x\""));
    m_dialogs->answerInput(QStringLiteral("Created by : Vantor's Bind Utility"));
    m_dialogs->answerInput(QStringLiteral("newer"));
    m_window->menuItem(QStringLiteral("mnuInsertC"))->trigger();
    m_window->menuItem(QStringLiteral("mnuInsertC"))->trigger();
    m_window->menuItem(QStringLiteral("mnuInsertC"))->trigger(); // cancelled
    QCOMPARE(m_dialogs->calls.first().text, QStringLiteral("Please type your comment message"));
    QCOMPARE(m_dialogs->calls.first().title, QStringLiteral("Insert Comment"));
    QCOMPARE(m_dialogs->calls.first().defaultText, QStringLiteral("Created by : Vantor's Bind Utility"));
    QCOMPARE(rows(), strings({"//newer", "//Created by : Vantor's Bind Utility", "bind a \"x\""}));
}

void TestDocuments::clipboardCommands()
{
    BindingList& list = m_window->lstBind();
    for (const char* row : {"one", "two", "three"})
        list.append(QLatin1String(row));
    list.select(2);
    m_window->menuItem(QStringLiteral("mnuCopy"))->trigger();
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("two"));

    m_window->menuItem(QStringLiteral("mnuCut"))->trigger();
    QCOMPARE(rows(), strings({"one", "three"}));
    list.select(2);
    m_window->menuItem(QStringLiteral("mnuPaste"))->trigger(); // cut then paste at the same position restores it
    QCOMPARE(rows(), strings({"one", "two", "three"}));

    list.select(1);
    m_window->menuItem(QStringLiteral("mnuDelete"))->trigger();
    QCOMPARE(rows(), strings({"two", "three"}));
}

void TestDocuments::pastePosition()
{
    BindingList& list = m_window->lstBind();
    list.append(QStringLiteral("first"));
    list.append(QStringLiteral("last"));
    QGuiApplication::clipboard()->setText(QStringLiteral("pasted"));
    list.select(1);
    m_window->menuItem(QStringLiteral("mnuPaste"))->trigger();
    QCOMPARE(rows(), strings({"pasted", "first", "last"}));
    list.select(3);
    m_window->menuItem(QStringLiteral("mnuPaste"))->trigger(); // never below the selected row
    QCOMPARE(rows(), strings({"pasted", "first", "pasted", "last"}));
    QGuiApplication::clipboard()->clear();
    list.select(1);
    m_window->menuItem(QStringLiteral("mnuPaste"))->trigger();
    QCOMPARE(list.text(1), QString());
}

void TestDocuments::commandsNeedASelection()
{
    QGuiApplication::clipboard()->setText(QStringLiteral("clip"));
    m_window->lstBind().append(QStringLiteral("row"));
    m_window->menuItem(QStringLiteral("mnuCopy"))->trigger();
    m_window->menuItem(QStringLiteral("mnuCut"))->trigger();
    m_window->menuItem(QStringLiteral("mnuPaste"))->trigger();
    m_window->menuItem(QStringLiteral("mnuDelete"))->trigger();
    QCOMPARE(rows(), strings({"row"}));
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("clip"));
    QVERIFY(m_dialogs->calls.isEmpty());
}

void TestDocuments::exitAnsweredNo()
{
    m_window->lstBind().append(QStringLiteral("row"));
    m_dialogs->answerMessage(Dialogs::Answer::No);
    m_window->menuItem(QStringLiteral("mnuExit"))->trigger();
    QCOMPARE(m_dialogs->last().title, QStringLiteral("Confirm"));
    QCOMPARE(m_dialogs->last().text, QStringLiteral("Do you really want to Exit"));
    QCOMPARE(m_dialogs->last().icon, Dialogs::Icon::Question);
    QCOMPARE(m_dialogs->last().buttons, Dialogs::Buttons::YesNo);
    QCOMPARE(m_window->lstBind().count(), 1);
}

QTEST_MAIN(TestDocuments)
#include "tst_documents.moc"
