#include "catalogue/commandtreefilter.h"

#include "catalogue/commandtree.h"

#include <QTreeWidgetItemIterator>

void CommandTreeFilter::setText(QStringView text)
{
    if (!m_read) {
        read(m_tree.invisibleRootItem(), CommandFilter::Root);
        m_shown.assign(m_items.size(), true);
        m_read = true;
    }
    const bool filtering = !text.trimmed().isEmpty();
    if (filtering && !m_saved)
        m_saved = view();
    show(m_filter.shown(text));
    if (filtering) {
        for (size_t i = 0; i < m_items.size(); ++i) {
            if (m_shown[i] && CommandTree::isGroup(m_items[i]))
                m_items[i]->setExpanded(true);
        }
        m_tree.scrollToTop();
    } else if (m_saved) {
        restore(*m_saved);
        m_saved.reset();
    }
}

QList<QTreeWidgetItem*> CommandTreeFilter::shownCommands() const
{
    QList<QTreeWidgetItem*> commands;
    for (QTreeWidgetItemIterator it(&m_tree, QTreeWidgetItemIterator::NotHidden); *it; ++it) {
        if (!CommandTree::isGroup(*it))
            commands << *it;
    }
    return commands;
}

void CommandTreeFilter::read(QTreeWidgetItem* parent, int parentPosition)
{
    for (int i = 0; i < parent->childCount(); ++i) {
        QTreeWidgetItem* item = parent->child(i);
        const int position = CommandTree::isGroup(item)
                               ? m_filter.addGroup(parentPosition)
                               : m_filter.addCommand(parentPosition, item->text(0), m_tree.summary(item));
        m_items.push_back(item);
        read(item, position);
    }
}

// Only the nodes that change are touched: each one costs the view a persistent index.
void CommandTreeFilter::show(const std::vector<bool>& shown)
{
    for (size_t i = 0; i < m_items.size(); ++i) {
        if (shown[i] != m_shown[i])
            m_items[i]->setHidden(!shown[i]);
    }
    m_shown = shown;
}

CommandTreeFilter::View CommandTreeFilter::view() const
{
    View saved{{}, m_tree.currentItem(), m_tree.selectedItems(), m_tree.itemAt(0, 0)};
    saved.expanded.reserve(m_items.size());
    for (const QTreeWidgetItem* item : m_items)
        saved.expanded.push_back(item->isExpanded());
    return saved;
}

void CommandTreeFilter::restore(const View& view)
{
    for (size_t i = 0; i < m_items.size(); ++i)
        m_items[i]->setExpanded(view.expanded[i]);
    m_tree.setCurrentItem(view.current, 0, QItemSelectionModel::NoUpdate);
    m_tree.clearSelection();
    for (QTreeWidgetItem* item : view.selected)
        item->setSelected(true);
    if (view.top)
        m_tree.scrollToItem(view.top, QAbstractItemView::PositionAtTop);
}
