#include "console/commandwalker.h"

namespace console {

std::span<const Word> CommandWalker::commandText(const CommandView& view)
{
    if (view.words.size() < 3)
        return {};
    const QByteArrayView name = view.words.front().text(view.row);
    if (!isCommandName(name, "bind") && !isCommandName(name, "alias"))
        return {};
    return view.words.subspan(2);
}

TokenizedRow& CommandWalker::tokensAt(int depth)
{
    while (m_levels.size() <= size_t(depth))
        m_levels.emplace_back();
    return m_levels[size_t(depth)];
}

} // namespace console
