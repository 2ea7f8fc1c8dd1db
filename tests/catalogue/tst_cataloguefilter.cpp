#include "catalogue/cataloguelocation.h"
#include "catalogue/frmcommands.h"
#include "cataloguetestfiles.h"

#include <QBuffer>
#include <QLineEdit>
#include <QProgressBar>
#include <QTest>
#include <memory>

using namespace cataloguetest;

namespace {

const QByteArray Catalogue("//1.0\r\n{Quake: Weapons}\r\n[Weapon Select]\r\nimpulse 7\r\nimpulse 1\r\n"
                           "[Firing]\r\n+attack\r\n{Quake: Movement}\r\n[Walking]\r\n+forward\r\n+back\r\n"
                           "+fly\r\n{Quake 2: Weapons}\r\n[Weapon Use]\r\nuse Rocket Launcher\r\n");

// +fly stands for a command that a newer catalogue brings and the summaries do not know.
const QByteArray Summaries("game\tname\tsummary\n"
                           "quake\timpulse 7\tSwitch to the Rocket Launcher.\n"
                           "quake\t+attack\tFire the current weapon while held.\n"
                           "quake\t+forward\tWalk forward while the key is held.\n"
                           "quake2\tuse Rocket Launcher\tSwitch to the Rocket Launcher.\n");

CommandSummaries summaries()
{
    QBuffer buffer;
    buffer.setData(Summaries);
    buffer.open(QIODevice::ReadOnly);
    return CommandSummaries::fromDevice(buffer);
}

// The nodes the tree shows, one line each, indented by depth: "text", with "+" after an
// expanded group.
void describeShown(const QTreeWidgetItem* item, int depth, QStringList& lines)
{
    for (int i = 0; i < item->childCount(); ++i) {
        const QTreeWidgetItem* child = item->child(i);
        if (child->isHidden())
            continue;
        lines << QString(depth * 2, u' ') + child->text(0) + (child->isExpanded() ? QStringLiteral("+") : QString());
        describeShown(child, depth + 1, lines);
    }
}

QStringList describeShown(const QTreeWidget& tree)
{
    QStringList lines;
    describeShown(tree.invisibleRootItem(), 0, lines);
    return lines;
}

} // namespace

class TestCatalogueFilter : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QWidget m_main;
    QProgressBar m_progress;
    std::unique_ptr<frmCommands> m_window;
    QStringList m_chosen;

    CommandTree& tree() const { return *m_window->TreeView1(); }
    QTreeWidgetItem* node(const char* text) const
    {
        return tree().findItems(QString::fromLatin1(text), Qt::MatchExactly | Qt::MatchRecursive).value(0);
    }
    void type(const char* text) const { QTest::keyClicks(m_window->txtFilter(), QString::fromLatin1(text)); }

private slots:
    void init()
    {
        m_window = std::make_unique<frmCommands>(&m_main, &m_progress,
                                                 CatalogueLocation{writeCatalogue(m_dir, Catalogue), {}}, summaries());
        m_chosen.clear();
        connect(m_window.get(), &frmCommands::commandChosen, this, [this](const QString& c) { m_chosen << c; });
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }

    void cleanup() { m_window.reset(); }

    void showsMatchesWithTheirGroupsExpanded_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("nominal: a name") << "ATTACK" << texts({"Quake: Weapons+", "  Firing+", "    +attack"});
        QTest::newRow("nominal: a summary, in both games")
            << "rocket"
            << texts({"Quake: Weapons+", "  Weapon Select+", "    impulse 7", "Quake 2: Weapons+", "  Weapon Use+",
                      "    use Rocket Launcher"});
        QTest::newRow("robustness: no match") << "bfg" << QStringList{};
    }

    void showsMatchesWithTheirGroupsExpanded()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, shown);
        QTest::keyClicks(m_window->txtFilter(), text);
        QCOMPARE(describeShown(tree()), shown);
    }

    void emptyingTheFieldRestoresTheTree_data()
    {
        QTest::addColumn<QStringList>("typed"); // typed one after the other, each replacing the last
        QTest::addColumn<bool>("moveInResults");
        QTest::newRow("nominal: one text") << texts({"rocket"}) << false;
        QTest::newRow("nominal: texts that show more, fewer, none") << texts({"w", "walk", "bfg"}) << false;
        QTest::newRow("nominal: a command chosen from the results") << texts({"rocket"}) << true;
    }

    void emptyingTheFieldRestoresTheTree()
    {
        QFETCH(QStringList, typed);
        QFETCH(bool, moveInResults);
        node("Quake: Movement")->setExpanded(true);
        node("Walking")->setExpanded(true);
        tree().setCurrentItem(node("+back"));
        const QStringList before = describe(tree());
        const QStringList shownBefore = describeShown(tree());
        for (const QString& text : typed)
            m_window->txtFilter()->setText(text);
        if (moveInResults)
            QTest::keyClick(m_window->txtFilter(), Qt::Key_Down);
        m_window->txtFilter()->clear();
        QCOMPARE(describe(tree()), before);
        QCOMPARE(describeShown(tree()), shownBefore);
        QCOMPARE(tree().currentItem(), node("+back"));
        QCOMPARE(tree().selectedItems(), QList<QTreeWidgetItem*>{node("+back")});
    }

    void commandsShowTheirSummaries_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QVariant>("tooltip");
        QTest::newRow("nominal: a command")
            << "+forward" << QVariant(QStringLiteral("Walk forward while the key is held."));
        QTest::newRow("nominal: Quake 2")
            << "use Rocket Launcher" << QVariant(QStringLiteral("Switch to the Rocket Launcher."));
        QTest::newRow("robustness: a command the summaries do not know") << "+fly" << QVariant();
        QTest::newRow("robustness: a group") << "Walking" << QVariant();
    }

    void commandsShowTheirSummaries()
    {
        QFETCH(QString, command);
        QFETCH(QVariant, tooltip);
        const QTreeWidgetItem* item = node(command.toLatin1().constData());
        QVERIFY(item);
        QCOMPARE(item->data(0, Qt::ToolTipRole), tooltip);
    }

    void arrowsMoveFromTheFieldIntoTheResults_data()
    {
        QTest::addColumn<QList<Qt::Key>>("keys");
        QTest::addColumn<QString>("current");
        QTest::newRow("nominal: Down to the first") << QList<Qt::Key>{Qt::Key_Down} << "impulse 7";
        QTest::newRow("nominal: Up to the last") << QList<Qt::Key>{Qt::Key_Up} << "use Rocket Launcher";
        QTest::newRow("nominal: on past the groups")
            << QList<Qt::Key>{Qt::Key_Down, Qt::Key_Down} << "Quake 2: Weapons";
    }

    void arrowsMoveFromTheFieldIntoTheResults()
    {
        QFETCH(QList<Qt::Key>, keys);
        QFETCH(QString, current);
        m_window->activateWindow();
        m_window->txtFilter()->setFocus();
        type("rocket");
        for (const Qt::Key key : keys)
            QTest::keyClick(QApplication::focusWidget(), key);
        QCOMPARE(QApplication::focusWidget(), &tree());
        QCOMPARE(tree().currentItem()->text(0), current);
    }

    void enterHandsOnTheCommandAsADoubleClickDoes_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("fromTree");
        QTest::addColumn<QString>("selected"); // empty: none
        QTest::addColumn<QStringList>("chosen");
        const QString rocket = QStringLiteral("use Rocket Launcher");
        QTest::newRow("nominal: in the field, the first shown") << "rocket" << false << "" << texts({"impulse 7"});
        QTest::newRow("nominal: in the field, the one selected") << "rocket" << false << rocket << QStringList{rocket};
        QTest::newRow("nominal: in the tree") << "rocket" << true << rocket << QStringList{rocket};
        QTest::newRow("robustness: in the tree, a group") << "rocket" << true << "Quake 2: Weapons" << QStringList{};
        QTest::newRow("robustness: an empty field, nothing selected") << "" << false << "" << QStringList{};
    }

    void enterHandsOnTheCommandAsADoubleClickDoes()
    {
        QFETCH(QString, typed);
        QFETCH(bool, fromTree);
        QFETCH(QString, selected);
        QFETCH(QStringList, chosen);
        QTest::keyClicks(m_window->txtFilter(), typed);
        tree().clearSelection();
        if (!selected.isEmpty())
            tree().setCurrentItem(node(selected.toLatin1().constData()));
        QTest::keyClick(fromTree ? static_cast<QWidget*>(&tree()) : m_window->txtFilter(), Qt::Key_Return);
        QCOMPARE(m_chosen, chosen);
    }

    void ctrlFFocusesTheField()
    {
        type("rocket");
        tree().setFocus();
        QTest::keyClick(m_window.get(), Qt::Key_F, Qt::ControlModifier);
        QCOMPARE(QApplication::focusWidget(), m_window->txtFilter());
        QCOMPARE(m_window->txtFilter()->selectedText(), QStringLiteral("rocket"));
    }
};

QTEST_MAIN(TestCatalogueFilter)
#include "tst_cataloguefilter.moc"
