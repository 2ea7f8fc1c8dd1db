#include "console/commandwalker.h"

namespace console {

CommandName commandNameOf(std::span<const Word> words, QByteArrayView row)
{
    if (words.empty())
        return CommandName::Other;
    const QByteArrayView name = words.front().text(row);
    // Told apart by length first: most commands are none of these.
    switch (name.size()) {
    case 3:
        return isCommandName(name, "set") ? CommandName::Set : CommandName::Other;
    case 4:
        return isCommandName(name, "bind") ? CommandName::Bind : CommandName::Other;
    case 5:
        return isCommandName(name, "alias") ? CommandName::Alias : CommandName::Other;
    case 6:
        return isCommandName(name, "unbind") ? CommandName::Unbind : CommandName::Other;
    default:
        return CommandName::Other;
    }
}

std::span<const Word> CommandWalker::commandText(const CommandView& view)
{
    if (view.words.size() < 3 || (view.name != CommandName::Bind && view.name != CommandName::Alias))
        return {};
    return view.words.subspan(2);
}

TokenizedRow& CommandWalker::tokensAt(int depth)
{
    while (m_levels.size() <= size_t(depth))
        m_levels.push_back(std::make_unique<TokenizedRow>());
    return *m_levels[size_t(depth)];
}

} // namespace console
