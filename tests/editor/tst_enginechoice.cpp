#include "windowtestcase.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QTest>

// Options → Engine: a file is checked as the engine its path and lines point to, unless the
// player chose one; the status line says which, and whether it was guessed.
class TestEngineChoice : public WindowTestCase
{
    Q_OBJECT

    QString engineShown() const { return m_window->lblEngine()->accessibleName(); }

    void choose(const char* item) const { m_window->menuItem(QLatin1String(item))->trigger(); }

    void open(const QString& name)
    {
        QVERIFY(QDir(m_dir->path()).mkpath(QFileInfo(path(name)).path()));
        writeFile(name, "bind a +attack\r\n");
        openFile(path(name));
    }

private slots:
    void checkedAs_data()
    {
        QTest::addColumn<QByteArray>("choice"); // the menu item chosen first
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("shown");
        QTest::newRow("guess: an ezQuake folder") << QByteArray() << "ezquake/configs/a.cfg"
                                                  << "ezQuake (guessed)";
        QTest::newRow("guess: a Quake 2 game folder") << QByteArray() << "baseq2/a.cfg"
                                                      << "Quake 2 (guessed)";
        QTest::newRow("guess: nothing tells, the family") << QByteArray() << "a.cfg"
                                                          << "Quake (guessed)";
        QTest::newRow("chosen: overrides the folder") << QByteArray("mnuEngine_q2pro") << "ezquake/configs/a.cfg"
                                                      << "Q2PRO";
    }

    void checkedAs()
    {
        QFETCH(QByteArray, choice);
        QFETCH(QString, file);
        QFETCH(QString, shown);
        if (!choice.isEmpty())
            choose(choice.constData());
        open(file);
        QCOMPARE(engineShown(), shown);
        QCOMPARE(m_window->document().rows().count(), 1);
    }

    // The choice is kept for the next window; back to guessing, the open list is guessed again.
    void choiceIsRememberedAndUndone()
    {
        open(QStringLiteral(".quakespasm/config.cfg"));
        QCOMPARE(engineShown(), QStringLiteral("QuakeSpasm (guessed)"));
        choose("mnuEngine_fte");
        QCOMPARE(engineShown(), QStringLiteral("FTE QuakeWorld"));
        m_window = std::make_unique<frmMain>();
        QVERIFY(m_window->menuItem(QStringLiteral("mnuEngine_fte"))->isChecked());
        QCOMPARE(engineShown(), QStringLiteral("FTE QuakeWorld"));
        open(QStringLiteral(".quakespasm/config.cfg"));
        choose("mnuEngineGuess");
        QCOMPARE(engineShown(), QStringLiteral("QuakeSpasm (guessed)"));
        QVERIFY(m_window->lblEngine()->toolTip().contains(QLatin1String(".quakespasm/")));
    }
};

QTEST_MAIN(TestEngineChoice)
#include "tst_enginechoice.moc"
