#include "engine.h"

#include <array>

namespace console {

// Looked up once: a rule asks at every key a family's stock engine lacks. The generator makes
// sure every family has its profile.
Engine::Engine(Game family)
{
    static const std::array<size_t, GameCount> stock = [] {
        std::array<size_t, GameCount> index{};
        for (int game = 0; game < GameCount; ++game)
            index[size_t(game)] = fromId(gameId(Game(game)))->index();
        return index;
    }();
    m_index = stock[size_t(family)];
}

std::optional<Engine> Engine::fromId(QAnyStringView id)
{
    for (const Engine engine : all())
        if (QAnyStringView::equal(id, engine.id()))
            return engine;
    return std::nullopt;
}

const std::vector<Engine>& Engine::all()
{
    static const std::vector<Engine> engines = [] {
        std::vector<Engine> each;
        for (size_t i = 0; i < engineProfiles().size(); ++i)
            each.push_back(at(i));
        return each;
    }();
    return engines;
}

// Asked for every key a family's stock engine lacks.
quint16 familyEngines(Game family)
{
    static const std::array<quint16, GameCount> families = [] {
        std::array<quint16, GameCount> engines{};
        for (const Engine engine : Engine::all())
            engines[size_t(engine.family())] |= engine.bit();
        return engines;
    }();
    return families[size_t(family)];
}

QByteArray engineNames(quint16 engines)
{
    QByteArray names;
    for (const Engine engine : Engine::all()) {
        if (!(engines & engine.bit()))
            continue;
        if (!names.isEmpty())
            names += ", ";
        names += engine->name;
    }
    return names;
}

} // namespace console
