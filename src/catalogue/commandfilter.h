#pragma once

#include <QStringList>
#include <QStringView>
#include <vector>

// The catalogue tree searched by a filter text: a command shows when its name or its summary
// contains the text, without regard to case; a category or section shows when a command under
// it shows. Nodes are added in tree order, each after its parent, and are known by the
// position add() gives them.
class CommandFilter
{
public:
    static constexpr int Root = -1;

    // A category or section under parent (Root for a top-level node).
    int addGroup(int parent);
    int addCommand(int parent, QStringView name, QStringView summary);
    qsizetype size() const { return qsizetype(m_parents.size()); }

    // Whether each node shows for text, by position. Spaces around the text do not count;
    // without any other text every node shows.
    std::vector<bool> shown(QStringView text) const;

private:
    int add(int parent);

    std::vector<int> m_parents;  // by node position
    std::vector<int> m_commands; // the positions of the commands
    QStringList m_searchTexts;   // per command, case-folded name and summary
};
