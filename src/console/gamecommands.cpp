#include "console/gamecommands.h"

#include "catalogue/catalogueparser.h"
#include "catalogue/itemreader.h"
#include "console/commandwalker.h"

#include <QFile>
#include <algorithm>
#include <optional>

namespace console {
namespace {

bool lessIgnoringCase(QByteArrayView a, QByteArrayView b)
{
    return qstrnicmp(a.data(), a.size(), b.data(), b.size()) < 0;
}

} // namespace

std::optional<Game> gameOfCategory(QStringView category)
{
    if (category.startsWith(QLatin1StringView("{Quake:")))
        return Game::Quake;
    if (category.startsWith(QLatin1StringView("{Quake 2:")))
        return Game::Quake2;
    return std::nullopt;
}

GameCommands GameCommands::fromCatalogue(QIODevice& catalogue)
{
    GameCommands commands;
    ItemReader reader(catalogue);
    std::optional<Game> game;
    while (const std::optional<QString> item = reader.next()) {
        const CatalogueParser::ItemKind kind = CatalogueParser::classify(*item);
        if (kind == CatalogueParser::ItemKind::Category)
            game = gameOfCategory(*item);
        else if (kind == CatalogueParser::ItemKind::Command && game)
            commands.add(*game, *item);
    }
    commands.sort();
    return commands;
}

GameCommands GameCommands::fromCatalogueFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return fromCatalogue(file);
}

bool GameCommands::has(Game game, QByteArrayView name) const
{
    const std::vector<QByteArray>& names = m_names[size_t(game)];
    const auto found = std::lower_bound(names.begin(), names.end(), name, lessIgnoringCase);
    return found != names.end() && !lessIgnoringCase(name, *found);
}

void GameCommands::add(Game game, const QString& entry)
{
    m_names[size_t(game)].push_back(entry.section(u' ', 0, 0).toLatin1());
}

void GameCommands::sort()
{
    for (std::vector<QByteArray>& names : m_names) {
        std::sort(names.begin(), names.end(), lessIgnoringCase);
        names.erase(std::unique(names.begin(), names.end(),
                                [](const QByteArray& a, const QByteArray& b) { return !lessIgnoringCase(a, b) && !lessIgnoringCase(b, a); }),
                    names.end());
    }
}

Game guessGame(const GameCommands& commands, qsizetype rowCount, const RowReader& rows, Game fallback)
{
    std::array<int, GameCount> votes{};
    CommandWalker walker;
    QByteArray scratch;
    const auto vote = [&](const CommandView& view) {
        if (view.words.empty())
            return;
        const QByteArrayView name = view.words.front().text(view.row);
        const bool quake = commands.has(Game::Quake, name);
        if (quake != commands.has(Game::Quake2, name))
            ++votes[size_t(quake ? Game::Quake : Game::Quake2)];
    };
    for (qsizetype row = 0; row < std::min(rowCount, GuessRows); ++row) {
        walker.walk(latin1Bytes(rows(row), scratch), vote);
        if (std::abs(votes[0] - votes[1]) >= GuessLead)
            break;
    }
    if (votes[0] == votes[1])
        return fallback;
    return votes[0] > votes[1] ? Game::Quake : Game::Quake2;
}

} // namespace console
