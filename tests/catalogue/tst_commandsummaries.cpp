#include "catalogue/catalogueparser.h"
#include "catalogue/commandsummaries.h"
#include "catalogue/itemreader.h"
#include "console/gamecommands.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <array>

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

// Rows of a category (or a game's id) in the catalogue, an entry and the summary expected.
void addRows(std::initializer_list<std::array<const char*, 4>> rows)
{
    QTest::addColumn<QString>("category");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("summary");
    for (const auto& [name, category, entry, summary] : rows)
        QTest::newRow(name) << QString::fromLatin1(category) << QString::fromLatin1(entry)
                            << QString::fromLatin1(summary);
}

} // namespace

class TestCommandSummaries : public QObject
{
    Q_OBJECT

private slots:
    void summary_data()
    {
        addRows({{"nominal: a command", "quake", "+forward", "Walk forward."},
                 {"nominal: another case", "quake", "+FORWARD", "Walk forward."},
                 {"nominal: an entry with its own argument", "quake", "impulse 7", "Switch to the Rocket Launcher."},
                 {"nominal: an item name in another case", "quake2", "USE railgun", "Switch to the Railgun."},
                 {"nominal: any other argument reads the first word", "quake", "impulse 99", "Send an impulse."},
                 {"robustness: an unknown command", "quake", "+fly", ""},
                 {"robustness: an unknown first word", "quake2", "use BFG10K", ""},
                 {"robustness: the other game's command", "quake2", "+forward", ""},
                 {"robustness: a prefix of a command", "quake", "+for", ""}});
    }

    void summary()
    {
        QFETCH(QString, category);
        QFETCH(QString, entry);
        QFETCH(QString, summary);
        QCOMPARE(fromBytes(Summaries).summary(*console::gameFromId(category), entry), summary);
    }

    void catalogueSummary_data()
    {
        addRows({{"nominal: the tree's key of a Quake category", "{Quake: Movement", "+forward", "Walk forward."},
                 {"nominal: a Quake 2 category", "{Quake 2: Weapons}", "use Railgun", "Switch to the Railgun."},
                 {"robustness: the other game", "{Quake 2: Movement}", "+forward", ""},
                 {"robustness: a category of neither game", "{Unsorted}", "+forward", ""}});
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
        QTest::newRow("robustness: no header") << Summaries.mid(Summaries.indexOf('\n') + 1);
        QTest::newRow("robustness: a row of two fields") << Summaries + "quake\t+back\r\n";
        QTest::newRow("robustness: an unknown game") << Summaries + "doom\t+back\tWalk back.\r\n";
        QTest::newRow("robustness: binary") << QByteArray("\0\1\2\3\xff", 5);
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
        QVERIFY(CommandSummaries::fromFile(dir.path()).isEmpty()); // a folder where the file should be
    }

    // The file the build cut from the command reference, in the program's folder: a summary
    // cut at a semicolon or a bracket would show that CMake read it as a list.
    void shippedFile_data()
    {
        addRows({{"a semicolon", "quake", "+jump", "Jump; held in water it pushes you toward the surface."},
                 {"brackets and a semicolon", "quake", "record",
                  "Record a demo: record <name> [map [cd track]]; start before connecting."},
                 {"an entry with an argument", "quake2", "use Rocket Launcher", "Switch to the Rocket Launcher."}});
    }

    void shippedFile()
    {
        QFETCH(QString, category);
        QFETCH(QString, entry);
        QFETCH(QString, summary);
        QCOMPARE(shipped().summary(*console::gameFromId(category), entry), summary);
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
