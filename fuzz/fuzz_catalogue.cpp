// The catalogue reader on any bytes at all: the item reader gives the same items however the
// bytes arrive, its count agrees with them, and the tree builder makes exactly one command node
// for every command item, in order, under a group it has handed out before.
#include "catalogue/catalogueparser.h"
#include "catalogue/itemreader.h"
#include "fuzzsupport.h"

#include <QBuffer>
#include <QSet>
#include <QStringList>
#include <limits>

namespace {

using Kind = CatalogueNode::Kind;

QStringList itemsOf(QIODevice& device)
{
    ItemReader reader(device);
    QStringList items;
    while (const std::optional<QString> item = reader.next())
        items << *item;
    return items;
}

struct Buffer
{
    explicit Buffer(QByteArrayView bytes)
    {
        device.setData(bytes.toByteArray());
        device.open(QIODevice::ReadOnly);
    }
    QBuffer device;
};

// What the tree builder hands out, checked node by node as the tree would take it.
class TreeCheck
{
public:
    void add(const CatalogueNode& node)
    {
        if (node.kind == Kind::Command) {
            fuzz::require(node.key.isEmpty() && node.image == CatalogueImage::Command, "a command has no key");
            fuzz::require(isGroup(node.parentGroup), "a command hangs under a group handed out before");
            commands << node.text;
            return;
        }
        const bool category = node.kind == Kind::Category;
        fuzz::require(node.key == (category ? u'{' : u'[') + node.text, "a group's key is its mark and its name");
        fuzz::require(node.image == CatalogueImage::ClosedGroup, "a group starts closed");
        fuzz::require(category ? node.parentGroup == -1 : isCategory(node.parentGroup),
                      "categories stand at the root, sections under a category");
        fuzz::require(!m_keys.contains(node.key), "keys are unique in the tree");
        m_keys.insert(node.key);
        m_groupKinds.append(node.kind);
    }

    QStringList commands;

private:
    bool isGroup(int group) const { return group >= 0 && group < m_groupKinds.size(); }
    bool isCategory(int group) const { return isGroup(group) && m_groupKinds.at(group) == Kind::Category; }

    QSet<QString> m_keys;
    QList<Kind> m_groupKinds; // by group number
};

QStringList commandItems(const QStringList& items)
{
    QStringList commands;
    for (const QString& item : items) {
        if (CatalogueParser::classify(item) == CatalogueParser::ItemKind::Command)
            commands << item;
    }
    return commands;
}

QString lastVersion(const QStringList& items)
{
    QString version;
    for (const QString& item : items) {
        if (CatalogueParser::classify(item) == CatalogueParser::ItemKind::Version)
            version = item.mid(2);
    }
    return version;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz::startQt();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArrayView bytes(data, qsizetype(size));
    Buffer whole(bytes);
    const QStringList items = itemsOf(whole.device);

    fuzz::PiecewiseDevice pieces(bytes, fuzz::pieceSizeFor(bytes));
    fuzz::require(itemsOf(pieces) == items, "the items do not depend on how the bytes arrive");

    Buffer counted(bytes);
    const qsizetype expectedCount = std::min<qsizetype>(items.size(), std::numeric_limits<qint16>::max());
    fuzz::require(ItemReader::count(counted.device) == expectedCount, "the count is the number of items read");

    TreeCheck tree;
    CatalogueParser parser([&tree](const CatalogueNode& node) { tree.add(node); });
    Buffer parsed(bytes);
    parser.read(parsed.device);
    fuzz::require(tree.commands == commandItems(items), "every command item becomes one command node, in order");
    fuzz::require(parser.version() == lastVersion(items), "the last version item wins");
    return 0;
}
