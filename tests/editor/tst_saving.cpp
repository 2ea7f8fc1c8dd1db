#include "windowtestcase.h"

#include "cmru.h"
#include "editor/bindinglist.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QProgressBar>
#include <QSignalSpy>
#include <QTest>

using Kind = ScriptedDialogs::Kind;

// Saving, and the document commands New and Close.
class TestSaving : public WindowTestCase
{
    Q_OBJECT

private slots:
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
    void closeAnswers_data();
    void closeAnswers();
    void closeWithoutFileDoesNothing();
    void closeKeepsRowsWhenTheSaveFails();
    void newForgetsTheFile();
};

// ---- writing ----------------------------------------------------------------------------

void TestSaving::saveAfterOpenWritesSilently()
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

void TestSaving::saveWithoutFileAsksForAName()
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

void TestSaving::saveCancelledWritesNothing()
{
    m_window->lstBind().append(QStringLiteral("row"));
    m_window->menuItem(QStringLiteral("mnuSave"))->trigger();
    QCOMPARE(m_window->caption(), Product);
    QCOMPARE(m_window->recentFiles()->ListFilledCount(), 0);
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files).size(), 0);
}

void TestSaving::progressCountsRows_data()
{
    QTest::addColumn<int>("rowCount");
    QTest::newRow("nominal: three rows") << 3;
    QTest::newRow("nominal: an empty list") << 0;
}

void TestSaving::progressCountsRows()
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

void TestSaving::saveAsMovesToTheNewName()
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

void TestSaving::failedSaveKeepsTheOldFile_data()
{
    QTest::addColumn<QString>("target");
    QTest::newRow("robustness: a folder stands where the file should be") << QStringLiteral("folder.cfg");
    QTest::newRow("robustness: the folder is a regular file") << QStringLiteral("plain.txt/inside.cfg");
}

void TestSaving::failedSaveKeepsTheOldFile()
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

void TestSaving::failedSaveAsKeepsItsCaption()
{
    QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("folder.cfg")));
    m_window->lstBind().append(QStringLiteral("row"));
    m_dialogs->answerFile(path(QStringLiteral("folder.cfg")));
    m_window->menuItem(QStringLiteral("mnuSaveAs"))->trigger();
    QCOMPARE(m_dialogs->messages().size(), 1);
    QCOMPARE(m_dialogs->last().title, QStringLiteral("Error Saving File"));
    QCOMPARE(m_window->caption(), path(QStringLiteral("folder.cfg")));
}

void TestSaving::rowsWithoutAByteAreRefused()
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

void TestSaving::multiLineRowBecomesLines()
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

void TestSaving::closeAnswers_data()
{
    QTest::addColumn<Dialogs::Answer>("answer");
    QTest::addColumn<QByteArray>("fileAfter");
    QTest::addColumn<int>("rowsAfter");
    QTest::addColumn<bool>("closed");
    QTest::newRow("nominal: yes saves, then closes")
        << Dialogs::Answer::Yes << QByteArray("a\r\nadded\r\n") << 0 << true;
    QTest::newRow("nominal: no closes without saving") << Dialogs::Answer::No << QByteArray("a\r\n") << 0 << true;
    QTest::newRow("nominal: cancel does nothing") << Dialogs::Answer::Cancel << QByteArray("a\r\n") << 2 << false;
}

void TestSaving::closeAnswers()
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

void TestSaving::closeWithoutFileDoesNothing()
{
    m_window->lstBind().append(QStringLiteral("row"));
    m_window->menuItem(QStringLiteral("mnuClose"))->trigger();
    QVERIFY(m_dialogs->calls.isEmpty());
    QCOMPARE(m_window->lstBind().count(), 1);
}

void TestSaving::closeKeepsRowsWhenTheSaveFails()
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

void TestSaving::newForgetsTheFile()
{
    writeFile(QStringLiteral("a.cfg"), "a\r\n");
    openFile(path(QStringLiteral("a.cfg")));
    m_window->menuItem(QStringLiteral("mnuNew"))->trigger();
    QCOMPARE(m_window->caption(), Product);
    QCOMPARE(m_window->lstBind().count(), 0);
    QCOMPARE(m_dialogs->calls.size(), 1);
}

QTEST_MAIN(TestSaving)
#include "tst_saving.moc"
