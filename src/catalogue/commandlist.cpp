#include "catalogue/commandlist.h"

#include "catalogue/catalogueparser.h"
#include "catalogue/commandtree.h"
#include "catalogue/countthelines.h"
#include "shared/dialogs.h"
#include "shared/fileexists.h"
#include "shared/identity.h"
#include "shared/progresscounter.h"

#include <QFile>
#include <QProgressBar>
#include <limits>

namespace {

void reportMissingCatalogue(QWidget* parent)
{
    Dialogs::instance().message(parent, Dialogs::Icon::Critical, Dialogs::Buttons::Ok,
                                QStringLiteral("Error Opening File"),
                                QStringLiteral("Critical System File could not be found.Please reinstall and try "
                                               "again.\r\nIf problem persists please contact: ")
                                    + identity::ContactAddress);
}

// count + 1 in 16 bits; a count already at the 16-bit limit stays there.
int progressMaximum(qint16 count)
{
    return count < std::numeric_limits<qint16>::max() ? count + 1 : count;
}

// Gathers the parser's nodes into detached items and hands the finished top level to the
// tree in one go, which spares the view an update per node.
class TreeFiller
{
public:
    TreeFiller(CommandTree& tree, QProgressBar& progress) : m_tree(tree), m_nodesAdded(progress) {}

    void add(const CatalogueNode& node)
    {
        QTreeWidgetItem* item = m_tree.createItem(node);
        if (node.parentGroup < 0)
            m_topLevel.append(item);
        else
            m_groups.at(node.parentGroup)->addChild(item);
        if (node.kind != CatalogueNode::Kind::Command)
            m_groups.append(item);
        m_nodesAdded.advance();
    }

    void finish() { m_tree.addTopLevelItems(m_topLevel); }

private:
    CommandTree& m_tree;
    ProgressCounter m_nodesAdded;
    QList<QTreeWidgetItem*> m_topLevel;
    QList<QTreeWidgetItem*> m_groups; // by group number
};

QString readCatalogue(QFile& file, CommandTree& tree, QProgressBar& progress)
{
    TreeFiller filler(tree, progress);
    CatalogueParser parser([&filler](const CatalogueNode& node) { filler.add(node); });
    parser.read(file);
    filler.finish();
    return parser.version();
}

} // namespace

QString LoadCommandList(const QString& path, CommandTree& tree, QProgressBar& progress)
{
    QString version;
    if (!FileExists(path)) {
        reportMissingCatalogue(tree.window());
    } else if (const qint16 count = CountItems(path); count >= 0) {
        // A maximum of 0 would turn the bar into a busy indicator, so a file that vanished
        // before it could be counted leaves the range alone.
        progress.setMaximum(progressMaximum(count));
        QFile file(path);
        if (file.open(QIODevice::ReadOnly))
            version = readCatalogue(file, tree, progress);
        else
            reportMissingCatalogue(tree.window());
    }
    progress.setValue(0);
    return version;
}
