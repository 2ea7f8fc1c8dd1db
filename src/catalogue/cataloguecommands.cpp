#include "catalogue/cataloguecommands.h"

#include "catalogue/catalogueparser.h"
#include "catalogue/itemreader.h"

#include <QFile>

namespace cataloguecommands {

using console::Game;

std::optional<Game> gameOfCategory(QStringView category)
{
    if (category.startsWith(QLatin1StringView("{Quake:")))
        return Game::Quake;
    if (category.startsWith(QLatin1StringView("{Quake 2:")))
        return Game::Quake2;
    if (category.startsWith(QLatin1StringView("{QuakeWorld:")))
        return Game::QuakeWorld;
    return std::nullopt;
}

console::GameCommands read(QIODevice& catalogue)
{
    console::GameCommands::Names names;
    ItemReader reader(catalogue);
    std::optional<Game> game;
    while (const std::optional<QString> item = reader.next()) {
        const CatalogueParser::ItemKind kind = CatalogueParser::classify(*item);
        if (kind == CatalogueParser::ItemKind::Category)
            game = gameOfCategory(*item);
        else if (kind == CatalogueParser::ItemKind::Command && game)
            names[size_t(*game)].push_back(item->section(u' ', 0, 0).toLatin1());
    }
    return console::GameCommands(std::move(names));
}

console::GameCommands readFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return read(file);
}

} // namespace cataloguecommands
