#include "engine.h"

namespace console {

// The generator makes sure every family has its profile.
Engine::Engine(Game family) : Engine(*fromId(gameId(family))) {}

std::optional<Engine> Engine::fromId(QAnyStringView id)
{
    for (const Engine engine : all())
        if (QAnyStringView::equal(id, engine.id()))
            return engine;
    return std::nullopt;
}

std::vector<Engine> Engine::all()
{
    std::vector<Engine> engines;
    for (size_t i = 0; i < engineProfiles().size(); ++i)
        engines.push_back(at(i));
    return engines;
}

quint16 familyEngines(Game family)
{
    quint16 engines = 0;
    for (const Engine engine : Engine::all())
        if (engine.family() == family)
            engines |= engine.bit();
    return engines;
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
