#include "catalogue/catalogueparser.h"
#include "catalogue/commandsummaries.h"
#include "catalogue/itemreader.h"
#include "console/gamecommands.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using console::Game;

namespace {

const QByteArray Summaries("game\tname\tsummary\r\n"
                           "quake\t+forward\tWalk forward.\r\n"
                           "quake\timpulse\tSend an impulse.\r\n"
                           "quake\timpulse 7\tSwitch to the Rocket Launcher.\r\n"
                           "quake2\tuse Railgun\tSwitch to the Railgun.\r\n"
                           "quake2\tcl_run\tAlways run; saved in config.\r\n");

CommandSummaries fromBytes(const QByteArray& bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return CommandSummaries::fromDevice(buffer);
}

// A file of the program's folder in the build, where the tests are told it is.
QString programFile(const QString& name)
{
    return QDir(qEnvironmentVariable("CORVALE_PROGRAM_DIR")).filePath(name);
}

const CommandSummaries& shipped()
{
    static const CommandSummaries summaries = CommandSummaries::fromFile(programFile(CommandSummaries::FileName));
    return summaries;
}

} // namespace

class TestCommandSummaries : public QObject
{
    Q_OBJECT

private slots:
    void summary_data()
    {
        QTest::addColumn<Game>("game");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("summary");
        QTest::newRow("nominal: a command") << Game::Quake << "+forward"
                                            << "Walk forward.";
        QTest::newRow("nominal: another case") << Game::Quake << "+FORWARD"
                                               << "Walk forward.";
        QTest::newRow("nominal: semicolon kept") << Game::Quake2 << "cl_run"
                                                 << "Always run; saved in config.";
        QTest::newRow("nominal: an entry with its own argument") << Game::Quake << "impulse 7"
                                                                 << "Switch to the Rocket Launcher.";
        QTest::newRow("nominal: an item name in another case") << Game::Quake2 << "USE railgun"
                                                               << "Switch to the Railgun.";
        QTest::newRow("nominal: any other argument reads the first word") << Game::Quake << "impulse 99"
                                                                          << "Send an impulse.";
        QTest::newRow("nominal: spaces around the entry") << Game::Quake << " +forward "
                                                          << "Walk forward.";
        QTest::newRow("robustness: an unknown command") << Game::Quake << "+fly"
                                                        << "";
        QTest::newRow("robustness: an unknown first word") << Game::Quake2 << "give all"
                                                           << "";
        QTest::newRow("robustness: the other game's command") << Game::Quake2 << "+forward"
                                                              << "";
        QTest::newRow("robustness: a prefix of a command") << Game::Quake << "+for"
                                                           << "";
        QTest::newRow("robustness: empty") << Game::Quake << ""
                                           << "";
    }

    void summary()
    {
        QFETCH(Game, game);
        QFETCH(QString, name);
        QFETCH(QString, summary);
        QCOMPARE(fromBytes(Summaries).summary(game, name), summary);
    }

    void catalogueSummary_data()
    {
        QTest::addColumn<QString>("category");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("summary");
        QTest::newRow("nominal: a Quake category") << "{Quake: Movement}"
                                                   << "+forward"
                                                   << "Walk forward.";
        QTest::newRow("nominal: the tree's key of it") << "{Quake: Movement"
                                                       << "+forward"
                                                       << "Walk forward.";
        QTest::newRow("nominal: a Quake 2 category") << "{Quake 2: Weapons}"
                                                     << "use Railgun"
                                                     << "Switch to the Railgun.";
        QTest::newRow("robustness: the other game") << "{Quake 2: Movement}"
                                                    << "+forward"
                                                    << "";
        QTest::newRow("robustness: a category of neither game") << "{Unsorted}"
                                                                << "+forward"
                                                                << "";
    }

    void catalogueSummary()
    {
        QFETCH(QString, category);
        QFETCH(QString, entry);
        QFETCH(QString, summary);
        QCOMPARE(fromBytes(Summaries).catalogueSummary(category, entry), summary);
    }

    void unusableFileIsEmpty_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("robustness: empty file") << QByteArray();
        QTest::newRow("robustness: no header") << Summaries.mid(Summaries.indexOf('\n') + 1);
        QTest::newRow("robustness: a row of two fields") << Summaries + "quake\t+back\r\n";
        QTest::newRow("robustness: a row of four fields") << Summaries + "quake\t+back\tWalk.\textra\r\n";
        QTest::newRow("robustness: an unknown game") << Summaries + "doom\t+back\tWalk back.\r\n";
        QTest::newRow("robustness: no name") << Summaries + "quake\t\tNothing.\r\n";
        QTest::newRow("robustness: binary") << QByteArray("\0\1\2\3\xff", 5);
    }

    void unusableFileIsEmpty()
    {
        QFETCH(QByteArray, bytes);
        const CommandSummaries summaries = fromBytes(bytes);
        QVERIFY(summaries.isEmpty());
        QCOMPARE(summaries.summary(Game::Quake, u"+forward"), QString());
    }

    void missingFileIsEmpty()
    {
        QTemporaryDir dir;
        QVERIFY(CommandSummaries::fromFile(dir.filePath(QStringLiteral("none.tsv"))).isEmpty());
        QVERIFY(CommandSummaries::fromFile(dir.path()).isEmpty()); // a folder where the file should be
    }

    void blankLinesAndLineEndsAreIgnored()
    {
        const CommandSummaries summaries = fromBytes(QByteArray(Summaries).replace("\r\n", "\n") + "\n\n");
        QVERIFY(!summaries.isEmpty());
        QCOMPARE(summaries.summary(Game::Quake2, u"cl_run"), QStringLiteral("Always run; saved in config."));
    }

    void shippedFile_data()
    {
        QTest::addColumn<Game>("game");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("summary");
        QTest::newRow("a button") << Game::Quake << "+forward"
                                  << "Walk forward while the key is held.";
        QTest::newRow("a semicolon") << Game::Quake << "+jump"
                                     << "Jump; held in water it pushes you toward the surface.";
        QTest::newRow("brackets and a semicolon")
            << Game::Quake << "record"
            << "Record a demo: record <name> [map [cd track]]; start before connecting.";
        QTest::newRow("an entry with an argument") << Game::Quake2 << "use Rocket Launcher"
                                                   << "Switch to the Rocket Launcher.";
    }

    // The file the build cut from the command reference, in the program's folder.
    void shippedFile()
    {
        QFETCH(Game, game);
        QFETCH(QString, name);
        QFETCH(QString, summary);
        QCOMPARE(shipped().summary(game, name), summary);
    }

    void everyShippedCatalogueCommandHasASummary()
    {
        QFile catalogue(programFile(QStringLiteral("commands.dat")));
        QVERIFY(catalogue.open(QIODevice::ReadOnly));
        ItemReader reader(catalogue);
        std::optional<Game> game;
        int commands = 0;
        while (const std::optional<QString> item = reader.next()) {
            const CatalogueParser::ItemKind kind = CatalogueParser::classify(*item);
            if (kind == CatalogueParser::ItemKind::Category)
                game = console::gameOfCategory(*item);
            if (kind != CatalogueParser::ItemKind::Command)
                continue;
            QVERIFY2(game, qPrintable(*item));
            QVERIFY2(!shipped().summary(*game, *item).isEmpty(), qPrintable(*item));
            ++commands;
        }
        QVERIFY(commands > 500);
    }
};

QTEST_GUILESS_MAIN(TestCommandSummaries)
#include "tst_commandsummaries.moc"
