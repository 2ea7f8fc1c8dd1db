#include "engineguess.h"

#include "commandwalker.h"
#include "keynames.h"

#include <algorithm>
#include <bit>

namespace console {
namespace {

// A banner is one of the writer's first lines.
constexpr qsizetype BannerRows = 8;

using EngineCounts = std::array<int, 16>;

bool matchesCommand(QByteArrayView word, QByteArrayView pattern)
{
    if (pattern.endsWith('*'))
        return word.size() >= pattern.size() - 1 && qstrnicmp(word.data(), pattern.data(), pattern.size() - 1) == 0;
    return qstrnicmp(word.data(), word.size(), pattern.data(), pattern.size()) == 0;
}

// The index of the largest count, if it is the only one that large and above zero.
template <size_t N>
std::optional<size_t> leader(const std::array<int, N>& counts)
{
    const auto top = std::ranges::max_element(counts);
    if (*top <= 0 || std::ranges::count(counts, *top) > 1)
        return std::nullopt;
    return size_t(top - counts.begin());
}

class Tally
{
public:
    explicit Tally(const GameCommands& commands) : m_commands(commands) {}

    void readPath(QStringView path)
    {
        // A path written on Windows reads the same.
        QString folders = path.toString().replace(u'\\', u'/').toLower();
        const QString name = folders.mid(folders.lastIndexOf(u'/') + 1);
        folders.prepend(u'/');
        for (const EngineSignal& signal : engineSignals()) {
            const QString text = QString::fromLatin1(signal.text).toLower();
            if (signal.kind == EngineSignal::Kind::Name && name == text)
                addStrong(signal.engine, QStringLiteral("file name %1").arg(name));
            else if (signal.kind == EngineSignal::Kind::Path && folders.contains(u'/' + text))
                addStrong(signal.engine, QStringLiteral("folder %1").arg(text));
            else if (signal.kind == EngineSignal::Kind::Folder && folders.contains(u'/' + text))
                m_folder = engineAt(signal.engine).family();
        }
    }

    void readRow(qsizetype row, QByteArrayView text)
    {
        if (row < BannerRows)
            readBanner(text);
        m_walker.walk(text, [this](const CommandView& view) { readCommand(view); });
    }

    EngineGuess decide(Game fallback) const
    {
        if (const std::optional<size_t> engine = strongest())
            return {engineAt(int(*engine)), m_strong[*engine]};
        const auto [family, why] = decidedFamily(fallback);
        const std::optional<size_t> port = leader(votesWithin(family));
        if (!port)
            return {Engine(family), {why}};
        const Engine engine = engineAt(int(*port));
        return {engine, {why, QStringLiteral("%1 commands: %2").arg(engine.name()).arg(m_engineVotes[*port])}};
    }

private:
    static Engine engineAt(int index) { return Engine::at(size_t(index)); }

    void addStrong(int engine, const QString& reason)
    {
        if (!m_strong[size_t(engine)].contains(reason))
            m_strong[size_t(engine)].append(reason);
    }

    void readBanner(QByteArrayView text)
    {
        for (const EngineSignal& signal : engineSignals()) {
            if (signal.kind != EngineSignal::Kind::Banner || !text.contains(QByteArrayView(signal.text)))
                continue;
            const Engine engine = engineAt(signal.engine);
            if (engine.isFamily())
                m_banner = engine.family();
            else
                addStrong(signal.engine, QStringLiteral("banner \"%1\"").arg(QLatin1StringView(signal.text)));
        }
    }

    // A command votes once for a family: the catalogue's game, else that of the engine
    // whose command it is, which it also votes for.
    void readCommand(const CommandView& view)
    {
        if (view.words.empty())
            return;
        const QByteArrayView name = view.words.front().text(view.row);
        std::optional<Game> family = m_commands.onlyGameOf(name);
        // QuakeWorld clients share Quake's commands.
        if (family == Game::Quake)
            ++m_familyVotes[size_t(Game::QuakeWorld)];
        for (const EngineSignal& signal : engineSignals()) {
            if (signal.kind != EngineSignal::Kind::Command || !matchesCommand(name, signal.text))
                continue;
            const Engine engine = engineAt(signal.engine);
            if (!engine.isFamily())
                ++m_engineVotes[engine.index()];
            family = family.value_or(engine.family());
        }
        if (family)
            ++m_familyVotes[size_t(*family)];
        if ((view.name == CommandName::Bind || view.name == CommandName::Unbind) && view.words.size() > 1)
            readKey(view.words[1].text(view.row));
        // Only the Quake engines' writers quote the key of a bind.
        if (view.name == CommandName::Bind && view.depth == 0 && view.words.size() > 2 && view.words[1].quoted)
            ++m_familyVotes[size_t(Game::Quake)];
    }

    // A key name only one engine has is as good as its banner; one only a family has votes.
    void readKey(QByteArrayView word)
    {
        if (word.size() < 2)
            return;
        const KeyLookup lookup = lookUpKey(word, Game::Quake);
        if (lookup.keyId < 0)
            return;
        const quint16 engines = keyNames()[size_t(lookup.keyId)].engines;
        if (std::popcount(engines) == 1) {
            const int engine = std::countr_zero(engines);
            if (!engineAt(engine).isFamily())
                addStrong(engine,
                          QStringLiteral("key %1").arg(QLatin1StringView(keyNames()[size_t(lookup.keyId)].name)));
            return;
        }
        for (int game = 0; game < GameCount; ++game)
            if ((engines & familyEngines(Game(game))) == engines)
                ++m_familyVotes[size_t(game)];
    }

    std::optional<size_t> strongest() const
    {
        EngineCounts counts{};
        for (size_t i = 0; i < counts.size(); ++i)
            counts[i] = int(m_strong[i].size());
        const auto top = std::ranges::max_element(counts);
        return *top > 0 ? std::optional(size_t(top - counts.begin())) : std::nullopt;
    }

    std::pair<Game, QString> decidedFamily(Game fallback) const
    {
        if (m_banner)
            return {*m_banner, QStringLiteral("banner of the %1 writers").arg(gameTitle(*m_banner))};
        const int top = *std::ranges::max_element(m_familyVotes);
        const auto leads = [&](Game game) { return m_familyVotes[size_t(game)] == top; };
        if (top > 0) {
            // Of families tied at the top, the folder's, then the fallback, then the first.
            Game game = Game(std::ranges::find(m_familyVotes, top) - m_familyVotes.begin());
            if (m_folder && leads(*m_folder))
                game = *m_folder;
            else if (leads(fallback))
                game = fallback;
            return {game, QStringLiteral("%1 commands and keys: %2").arg(gameTitle(game)).arg(top)};
        }
        if (m_folder)
            return {*m_folder, QStringLiteral("a %1 game folder").arg(gameTitle(*m_folder))};
        return {fallback, QStringLiteral("nothing in the file tells the engine")};
    }

    EngineCounts votesWithin(Game family) const
    {
        EngineCounts votes{};
        for (const Engine engine : Engine::all())
            if (engine.family() == family)
                votes[engine.index()] = m_engineVotes[engine.index()];
        return votes;
    }

    const GameCommands& m_commands;
    CommandWalker m_walker;
    std::array<QStringList, 16> m_strong;
    EngineCounts m_engineVotes{};
    std::array<int, GameCount> m_familyVotes{};
    std::optional<Game> m_banner;
    std::optional<Game> m_folder;
};

} // namespace

EngineGuess guessEngine(QStringView path, const GameCommands& commands, qsizetype rowCount, const RowReader& rows,
                        Game fallback)
{
    Tally tally(commands);
    tally.readPath(path);
    QByteArray scratch;
    for (qsizetype row = 0; row < std::min(rowCount, GuessRows); ++row)
        tally.readRow(row, latin1Bytes(rows(row), scratch));
    return tally.decide(fallback);
}

} // namespace console
