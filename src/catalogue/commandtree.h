#pragma once

#include "catalogue/commandsummaries.h"

#include <QIcon>
#include <QTreeWidget>
#include <array>

struct CatalogueNode;

// The catalogue as a tree view. Besides its text, every node carries a key ("{" + name for
// a category, "[" + name for a section, empty for a command) and the number of its image
// in the tree's image list (see CatalogueImage).
class CommandTree final : public QTreeWidget
{
    Q_OBJECT

public:
    explicit CommandTree(QWidget* parent = nullptr);

    // A new item for node, not yet placed in any tree.
    static QTreeWidgetItem* createItem(const CatalogueNode& node);

    // Key and image of an item made by createItem(); empty and 0 for any other item.
    static QString key(const QTreeWidgetItem* item);
    static int image(const QTreeWidgetItem* item);
    // Categories and sections: their key starts with "{" or "[".
    static bool isGroup(const QTreeWidgetItem* item);
    static void setImage(QTreeWidgetItem* item, int image);
    // Open group image to closed and back; only a double-click does this, not expanding.
    static void toggleGroupImage(QTreeWidgetItem* item);

    // The picture of an image number, as the tree's image list holds it.
    QIcon icon(int image) const;

    // The summaries that commands show as their tooltips; none until they are set.
    void setSummaries(CommandSummaries summaries);
    const CommandSummaries& summaries() const { return m_summaries; }
    // The summary of a command item, by the game of its category; empty for a group, or a
    // command the summaries do not know.
    QString summary(const QTreeWidgetItem* item) const;

private:
    std::array<QIcon, 3> m_images;
    CommandSummaries m_summaries;
};
