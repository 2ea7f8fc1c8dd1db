#include "catalogue/commandtree.h"

#include "catalogue/catalogueparser.h"

#include <QHeaderView>

namespace {

// A node that keeps its key and image number as plain members and asks its tree for the
// picture: a catalogue holds tens of thousands of nodes, and this keeps each one small.
class CommandItem final : public QTreeWidgetItem
{
public:
    static constexpr int Type = QTreeWidgetItem::UserType + 1;

    explicit CommandItem(const CatalogueNode& node) : QTreeWidgetItem(Type), m_key(node.key), m_image(node.image)
    {
        setText(0, node.text);
    }

    const QString& key() const { return m_key; }
    int image() const { return m_image; }

    void setImage(int image)
    {
        m_image = image;
        emitDataChanged();
    }

    QVariant data(int column, int role) const override
    {
        const auto* tree = column == 0 ? qobject_cast<const CommandTree*>(treeWidget()) : nullptr;
        if (tree && role == Qt::DecorationRole)
            return tree->icon(m_image);
        if (tree && role == Qt::ToolTipRole) {
            if (const QString summary = tree->summary(this); !summary.isEmpty())
                return summary;
        }
        return QTreeWidgetItem::data(column, role);
    }

private:
    QString m_key;
    int m_image;
};

const CommandItem* commandItem(const QTreeWidgetItem* item)
{
    return item->type() == CommandItem::Type ? static_cast<const CommandItem*>(item) : nullptr;
}

} // namespace

CommandTree::CommandTree(QWidget* parent)
    : QTreeWidget(parent),
      m_images{QIcon(QStringLiteral(":/icons/group-closed.svg")), QIcon(QStringLiteral(":/icons/group-open.svg")),
               QIcon(QStringLiteral(":/icons/command.svg"))}
{
    setColumnCount(1);
    header()->hide();
    setIconSize(QSize(16, 16));
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
}

QTreeWidgetItem* CommandTree::createItem(const CatalogueNode& node)
{
    return new CommandItem(node);
}

QString CommandTree::key(const QTreeWidgetItem* item)
{
    const CommandItem* node = commandItem(item);
    return node ? node->key() : QString();
}

int CommandTree::image(const QTreeWidgetItem* item)
{
    const CommandItem* node = commandItem(item);
    return node ? node->image() : 0;
}

bool CommandTree::isGroup(const QTreeWidgetItem* item)
{
    const QString itemKey = key(item);
    return itemKey.startsWith(u'{') || itemKey.startsWith(u'[');
}

void CommandTree::setImage(QTreeWidgetItem* item, int image)
{
    if (item->type() == CommandItem::Type)
        static_cast<CommandItem*>(item)->setImage(image);
}

void CommandTree::toggleGroupImage(QTreeWidgetItem* item)
{
    const bool closed = image(item) == CatalogueImage::ClosedGroup;
    setImage(item, closed ? CatalogueImage::OpenGroup : CatalogueImage::ClosedGroup);
}

QIcon CommandTree::icon(int image) const
{
    const bool known = image >= CatalogueImage::ClosedGroup && image <= CatalogueImage::Command;
    return known ? m_images.at(std::size_t(image - 1)) : QIcon();
}

void CommandTree::setSummaries(CommandSummaries summaries)
{
    m_summaries = std::move(summaries);
}

QString CommandTree::summary(const QTreeWidgetItem* item) const
{
    if (isGroup(item))
        return {};
    const QTreeWidgetItem* category = item;
    while (category->parent())
        category = category->parent();
    return m_summaries.catalogueSummary(key(category), item->text(0));
}
