#include "catalogue/commandfilter.h"

#include <QStringMatcher>

int CommandFilter::add(int parent)
{
    Q_ASSERT(parent >= Root && parent < size());
    m_parents.push_back(parent);
    return int(size() - 1);
}

int CommandFilter::addGroup(int parent)
{
    return add(parent);
}

int CommandFilter::addCommand(int parent, QStringView name, QStringView summary)
{
    const int position = add(parent);
    m_commands.push_back(position);
    // A line break cannot be typed into the filter, so a match never spans name and summary.
    QString text = name.toString();
    text.append(u'\n').append(summary);
    m_searchTexts << text.toCaseFolded();
    return position;
}

std::vector<bool> CommandFilter::shown(QStringView text) const
{
    const QString needle = text.trimmed().toString().toCaseFolded();
    std::vector<bool> result(m_parents.size(), needle.isEmpty());
    if (needle.isEmpty())
        return result;
    const QStringMatcher matcher(needle);
    for (size_t i = 0; i < m_commands.size(); ++i) {
        if (matcher.indexIn(m_searchTexts[qsizetype(i)]) < 0)
            continue;
        // Up to the first node already shown: its groups are shown too.
        for (int node = m_commands[i]; node != Root && !result[size_t(node)]; node = m_parents[size_t(node)])
            result[size_t(node)] = true;
    }
    return result;
}
