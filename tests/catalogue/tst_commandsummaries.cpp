#include "catalogue/commandsummaries.h"

#include <QBuffer>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using console::Game;

namespace {

const QByteArray Summaries("game\tname\tsummary\r\n"
                           "quake\t+forward\tWalk forward.\r\n"
                           "quake\timpulse\tSend an impulse.\r\n"
                           "quake\timpulse 7\tSwitch to the Rocket Launcher.\r\n"
                           "quake2\tuse Railgun\tSwitch to the Railgun.\r\n");

CommandSummaries fromBytes(const QByteArray& bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return CommandSummaries::fromDevice(buffer);
}

} // namespace

class TestCommandSummaries : public QObject
{
    Q_OBJECT

private slots:
    // By the game of the category the entry is filed under.
    void summary_data()
    {
        QTest::addColumn<QString>("category");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("summary");
        const auto row = [](const char* name, const char* category, const char* entry, const char* summary) {
            QTest::newRow(name) << QString::fromLatin1(category) << QString::fromLatin1(entry)
                                << QString::fromLatin1(summary);
        };
        row("nominal: a command, in another case", "{Quake: Movement}", "+FORWARD", "Walk forward.");
        row("nominal: an entry's own row", "{Quake: Weapons}", "impulse 7", "Switch to the Rocket Launcher.");
        row("nominal: else its first word", "{Quake: Weapons}", "impulse 99", "Send an impulse.");
        row("nominal: a Quake 2 category", "{Quake 2: Weapons}", "use Railgun", "Switch to the Railgun.");
        row("robustness: an unknown command", "{Quake: Movement}", "+fly", "");
        row("robustness: the other game's command", "{Quake 2: Movement}", "+forward", "");
        row("robustness: a category of neither game", "{Unsorted}", "+forward", "");
    }

    void summary()
    {
        QFETCH(QString, category);
        QFETCH(QString, entry);
        QFETCH(QString, summary);
        QCOMPARE(fromBytes(Summaries).catalogueSummary(category, entry), summary);
    }

    void unusableFileIsEmpty_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("robustness: no header") << Summaries.mid(Summaries.indexOf('\n') + 1);
        QTest::newRow("robustness: a row of two fields") << Summaries + "quake\t+back\r\n";
        QTest::newRow("robustness: an unknown game") << Summaries + "doom\t+back\tWalk back.\r\n";
    }

    void unusableFileIsEmpty()
    {
        QFETCH(QByteArray, bytes);
        QVERIFY(fromBytes(bytes).isEmpty());
    }

    void missingFileIsEmpty()
    {
        QTemporaryDir dir;
        QVERIFY(CommandSummaries::fromFile(dir.filePath(QStringLiteral("none.tsv"))).isEmpty());
    }

    // The file the build cut from the command reference, in the program's folder: a summary cut
    // at a semicolon or a bracket would show that CMake read it as a list.
    void shippedFileKeepsWholeSummaries()
    {
        const QDir program(qEnvironmentVariable("CORVALE_PROGRAM_DIR"));
        const CommandSummaries shipped = CommandSummaries::fromFile(program.filePath(CommandSummaries::FileName));
        QCOMPARE(shipped.summary(Game::Quake, u"record"),
                 QStringLiteral("Record a demo: record <name> [map [cd track]]; start before connecting."));
        QCOMPARE(shipped.summary(Game::Quake2, u"use Rocket Launcher"),
                 QStringLiteral("Switch to the Rocket Launcher."));
    }
};

QTEST_GUILESS_MAIN(TestCommandSummaries)
#include "tst_commandsummaries.moc"
