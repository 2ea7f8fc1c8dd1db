#include "commandwalker.h"

namespace console {

CommandName commandNameOf(std::span<const Word> words, QByteArrayView row)
{
    if (words.empty())
        return CommandName::Other;
    const QByteArrayView name = words.front().text(row);
    // Told apart by their first letter and length first: most commands are none of these.
    const char first = name.isEmpty() ? '\0' : char(name.front() | 0x20);
    if (first != 'a' && first != 'b' && first != 's' && first != 'u' && first != '+')
        return CommandName::Other;
    switch (name.size()) {
    case 3:
        return isCommandName(name, "set") ? CommandName::Set : CommandName::Other;
    case 4:
        if (isCommandName(name, "bind"))
            return CommandName::Bind;
        if (isCommandName(name, "seta"))
            return CommandName::Seta;
        return isCommandName(name, "+set") || isCommandName(name, "+map") ? CommandName::CommandLine
                                                                          : CommandName::Other;
    case 5:
        if (isCommandName(name, "alias"))
            return CommandName::Alias;
        return isCommandName(name, "+exec") ? CommandName::CommandLine : CommandName::Other;
    case 6:
        if (isCommandName(name, "unbind"))
            return CommandName::Unbind;
        return isCommandName(name, "set_tp") ? CommandName::SetTp : CommandName::Other;
    case 8:
        return isCommandName(name, "set_calc") ? CommandName::SetCalc : CommandName::Other;
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

void CommandWalker::addLevels(int depth)
{
    while (m_levels.size() <= size_t(depth))
        m_levels.push_back(std::make_unique<TokenizedRow>());
}

} // namespace console
