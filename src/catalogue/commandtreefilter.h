#pragma once

#include "catalogue/commandfilter.h"

#include <QList>
#include <optional>
#include <vector>

class CommandTree;
class QTreeWidgetItem;

// Narrows a CommandTree to the nodes a filter text matches (see CommandFilter), their groups
// expanded, and puts the tree back as it was before the first letter, expansion, selection
// and scroll position alike, once the text is empty again. The tree is read when the first
// text comes, so it must be loaded by then and stay as it is.
class CommandTreeFilter
{
public:
    explicit CommandTreeFilter(CommandTree& tree) : m_tree(tree) {}

    void setText(QStringView text);
    // The commands shown, in tree order.
    QList<QTreeWidgetItem*> shownCommands() const;

private:
    struct View
    {
        std::vector<bool> expanded; // by position
        QTreeWidgetItem* current;
        QList<QTreeWidgetItem*> selected;
        QTreeWidgetItem* top;
    };

    void read(QTreeWidgetItem* parent, int parentPosition);
    void show(const std::vector<bool>& shown);
    View view() const;
    void restore(const View& view);

    CommandTree& m_tree;
    CommandFilter m_filter;
    std::vector<QTreeWidgetItem*> m_items; // by position in m_filter
    std::vector<bool> m_shown;             // as the tree shows them now
    bool m_read = false;
    std::optional<View> m_saved; // the tree before the first letter
};
