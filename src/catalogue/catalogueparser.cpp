#include "catalogue/catalogueparser.h"

#include "catalogue/itemreader.h"
#include "catalogue/stripends.h"

const QString CatalogueParser::FallbackCategory = QStringLiteral("Unsorted");

CatalogueParser::ItemKind CatalogueParser::classify(const QString& item)
{
    if (item.isEmpty())
        return ItemKind::Empty;
    if (item.startsWith(u'{'))
        return ItemKind::Category;
    if (item.startsWith(u'['))
        return ItemKind::Section;
    if (item.startsWith(QLatin1String("//")))
        return ItemKind::Version;
    return ItemKind::Command;
}

CatalogueParser::CatalogueParser(NodeAdded nodeAdded) : m_nodeAdded(std::move(nodeAdded)) {}

void CatalogueParser::read(QIODevice& device)
{
    ItemReader reader(device);
    while (const std::optional<QString> item = reader.next())
        addItem(*item);
}

void CatalogueParser::addItem(const QString& item)
{
    QString name = item;
    switch (classify(item)) {
    case ItemKind::Empty:
        return;
    case ItemKind::Version:
        m_version = item.mid(2);
        return;
    case ItemKind::Category:
        m_category = category(StripEnds(name));
        return;
    case ItemKind::Section:
        StripEnds(name);
        m_section = group(CatalogueNode::Kind::Section, u'[' + name, name, currentCategory());
        return;
    case ItemKind::Command:
        m_nodeAdded({CatalogueNode::Kind::Command, {}, item, CatalogueImage::Command, commandParent()});
        return;
    }
}

int CatalogueParser::group(CatalogueNode::Kind kind, const QString& key, const QString& name, int parent)
{
    const auto known = m_groups.constFind(key);
    if (known != m_groups.cend())
        return *known;
    const int number = int(m_groups.size());
    m_groups.insert(key, number);
    m_nodeAdded({kind, key, name, CatalogueImage::ClosedGroup, parent});
    return number;
}

int CatalogueParser::category(const QString& name)
{
    return group(CatalogueNode::Kind::Category, u'{' + name, name, -1);
}

int CatalogueParser::currentCategory()
{
    if (m_category < 0)
        m_category = category(FallbackCategory);
    return m_category;
}

int CatalogueParser::commandParent()
{
    return m_section >= 0 ? m_section : currentCategory();
}
