#include "catalogue/cataloguelocation.h"
#include "catalogue/frmcommands.h"
#include "cataloguetestfiles.h"

#include <QBuffer>
#include <QLineEdit>
#include <QProgressBar>
#include <QTest>
#include <QTreeWidgetItemIterator>
#include <memory>

using namespace cataloguetest;

namespace {

const QByteArray Catalogue("//1.0\r\n{Quake: Weapons}\r\n[Weapon Select]\r\nimpulse 7\r\nimpulse 1\r\n"
                           "[Firing]\r\n+attack\r\n{Quake: Movement}\r\n[Walking]\r\n+forward\r\n+back\r\n"
                           "{Quake 2: Weapons}\r\n[Weapon Use]\r\nuse Rocket Launcher\r\n");

const QByteArray Summaries("game\tname\tsummary\n"
                           "quake\timpulse 7\tSwitch to the Rocket Launcher.\n"
                           "quake\t+forward\tWalk forward while the key is held.\n"
                           "quake2\tuse Rocket Launcher\tSwitch to the Rocket Launcher.\n");

CommandSummaries summaries()
{
    QBuffer buffer;
    buffer.setData(Summaries);
    buffer.open(QIODevice::ReadOnly);
    return CommandSummaries::fromDevice(buffer);
}

// The nodes the tree shows, in tree order, with "+" after an expanded group.
QStringList describeShown(QTreeWidget& tree)
{
    QStringList lines;
    for (QTreeWidgetItemIterator it(&tree, QTreeWidgetItemIterator::NotHidden); *it; ++it)
        lines << (*it)->text(0) + ((*it)->isExpanded() ? QStringLiteral("+") : QString());
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

    // Narrowed to the matches, found by the summaries of each category's game, with their groups
    // expanded; emptied, the tree is as it was, whatever was typed and moved to in between.
    void filtersAndRestoresTheTree()
    {
        node("Quake: Movement")->setExpanded(true);
        node("Walking")->setExpanded(true);
        tree().setCurrentItem(node("+back"));
        const QStringList shownBefore = describeShown(tree());
        for (const char* text : {"w", "walk", "bfg", "rocket"})
            m_window->txtFilter()->setText(QString::fromLatin1(text));
        QCOMPARE(describeShown(tree()), texts({"Quake: Weapons+", "Weapon Select+", "impulse 7", "Quake 2: Weapons+",
                                               "Weapon Use+", "use Rocket Launcher"}));
        QCOMPARE(node("use Rocket Launcher")->toolTip(0), QStringLiteral("Switch to the Rocket Launcher."));
        QTest::keyClick(m_window->txtFilter(), Qt::Key_Down);
        m_window->txtFilter()->clear();
        QCOMPARE(describeShown(tree()), shownBefore);
        QCOMPARE(tree().currentItem(), node("+back"));
        QCOMPARE(tree().selectedItems(), QList<QTreeWidgetItem*>{node("+back")});
    }

    // Down and Up go from the field to the first or last command shown; Enter in the tree.
    void enterHandsOnTheCommandAsADoubleClickDoes_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QList<Qt::Key>>("keys"); // in the field before Enter
        QTest::addColumn<QString>("selected");    // empty: none
        QTest::addColumn<QStringList>("chosen");
        const QString rocket = QStringLiteral("use Rocket Launcher");
        const QList<Qt::Key> none;
        QTest::newRow("nominal: in the field, the first shown") << "rocket" << none << "" << texts({"impulse 7"});
        QTest::newRow("nominal: in the field, the one selected") << "rocket" << none << rocket << QStringList{rocket};
        QTest::newRow("nominal: Up to the last") << "rocket" << QList{Qt::Key_Up} << "" << QStringList{rocket};
        QTest::newRow("nominal: Down to the first, whatever was selected")
            << "rocket" << QList{Qt::Key_Down} << rocket << texts({"impulse 7"});
        QTest::newRow("robustness: an empty field, nothing selected") << "" << none << "" << QStringList{};
    }

    void enterHandsOnTheCommandAsADoubleClickDoes()
    {
        QFETCH(QString, typed);
        QFETCH(QList<Qt::Key>, keys);
        QFETCH(QString, selected);
        QFETCH(QStringList, chosen);
        m_window->activateWindow();
        m_window->txtFilter()->setFocus();
        QTest::keyClicks(m_window->txtFilter(), typed);
        tree().clearSelection();
        if (!selected.isEmpty())
            tree().setCurrentItem(node(selected.toLatin1().constData()));
        for (const Qt::Key key : keys)
            QTest::keyClick(m_window->txtFilter(), key);
        QCOMPARE(QApplication::focusWidget() == &tree(), !keys.isEmpty());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
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

    // Esc empties the field; a second one leaves the window open.
    void escapeEmptiesTheField()
    {
        type("rocket");
        QTest::keyClick(m_window->txtFilter(), Qt::Key_Escape);
        QVERIFY(m_window->txtFilter()->text().isEmpty());
        QTest::keyClick(m_window->txtFilter(), Qt::Key_Escape);
        QVERIFY(m_window->isVisible());
    }
};

QTEST_MAIN(TestCatalogueFilter)
#include "tst_cataloguefilter.moc"
