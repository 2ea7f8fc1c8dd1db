#pragma once

#include <QHash>
#include <QString>
#include <functional>

class QIODevice;

// The catalogue tree's images, numbered as its image list counts them.
namespace CatalogueImage {
inline constexpr int ClosedGroup = 1;
inline constexpr int OpenGroup = 2;
inline constexpr int Command = 3;
} // namespace CatalogueImage

// One node of the catalogue tree, as the parser hands it out.
struct CatalogueNode
{
    enum class Kind { Category, Section, Command };

    Kind kind;
    QString key; // "{" + name for a category, "[" + name for a section, empty for a command
    QString text;
    int image;
    // Groups (categories and sections) are numbered from 0 in the order they were handed
    // out; a node names its parent by that number, or -1 when it stands at the root.
    int parentGroup;
};

// Turns catalogue items into tree nodes: categories at the root, sections under the most
// recent category, commands under the most recent section; "//" items set the version.
// Files the tree could not take as they stand still lose nothing: a group name met again
// continues the existing group, a section before any category goes to the category
// "Unsorted", and a command before any section goes straight under the current category
// (or "Unsorted" when there is none).
class CatalogueParser
{
public:
    enum class ItemKind { Empty, Category, Section, Version, Command };
    using NodeAdded = std::function<void(const CatalogueNode&)>;

    static ItemKind classify(const QString& item);
    static const QString FallbackCategory;

    explicit CatalogueParser(NodeAdded nodeAdded);

    void addItem(const QString& item);
    void read(QIODevice& device);

    // The text of the last version item, or empty when there was none.
    QString version() const { return m_version; }

private:
    int group(CatalogueNode::Kind kind, const QString& key, const QString& name, int parent);
    int category(const QString& name);
    int currentCategory();
    int commandParent();

    NodeAdded m_nodeAdded;
    QHash<QString, int> m_groups; // key → group number
    int m_category = -1;
    int m_section = -1;
    QString m_version;
};
