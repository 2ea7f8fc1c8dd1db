#include "cataloguetestfiles.h"
#include "catalogue/commandlist.h"
#include "catalogue/commandtree.h"
#include "catalogue/countthelines.h"
#include "shared/identity.h"
#include "support/scripteddialogs.h"

#include <QProgressBar>
#include <QSignalSpy>
#include <QTest>

using namespace cataloguetest;

namespace {

// A visible bar repaints at once when a new range leaves its value outside it. That
// happens after the file was counted and before it is read: the moment to remove it.
class VanishingFileBar final : public QProgressBar
{
public:
    void removeOnNextPaint(const QString& path) { m_path = path; }

protected:
    void paintEvent(QPaintEvent* event) override
    {
        if (!m_path.isEmpty())
            QFile::remove(std::exchange(m_path, QString()));
        QProgressBar::paintEvent(event);
    }

private:
    QString m_path;
};

} // namespace

class TestCommandList : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    static QList<int> values(const QSignalSpy& spy)
    {
        QList<int> result;
        for (const QList<QVariant>& arguments : spy)
            result << arguments.at(0).toInt();
        return result;
    }

    static QString missingCatalogueText()
    {
        return QStringLiteral("Critical System File could not be found.Please reinstall and try again.\r\n"
                              "If problem persists please contact: ")
            + identity::ContactAddress;
    }

private slots:
    void init() { QVERIFY(m_dir.isValid()); }

    void buildsTheTree()
    {
        const QString path = writeCatalogue(m_dir, "//1.2\r\n{Movement}\r\n[Walking]\r\n+forward\r\n+back\r\n"
                                                   "{Weapons}\r\n[Firing]\r\n+attack\r\n");
        ScriptedDialogs dialogs;
        CommandTree tree;
        QProgressBar progress;
        QCOMPARE(LoadCommandList(path, tree, progress), QStringLiteral("1.2"));
        QCOMPARE(describe(tree), texts({"{Movement|Movement|1", "  [Walking|Walking|1", "    |+forward|3",
                                        "    |+back|3", "{Weapons|Weapons|1", "  [Firing|Firing|1", "    |+attack|3"}));
        QVERIFY(dialogs.calls.isEmpty());
    }

    void drivesTheProgressBar_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("maximum");
        QTest::addColumn<QList<int>>("steps");
        QTest::newRow("nominal: one step per node, then back to 0")
            << QByteArray("{A}\r\n[s]\r\nx\r\ny\r\n") << 5 << QList<int>{1, 2, 3, 4, 0};
        QTest::newRow("nominal: with a version item the bar never reaches its maximum")
            << QByteArray("//1.0\r\n{A}\r\n[s]\r\nx\r\n") << 5 << QList<int>{1, 2, 3, 0};
        QTest::newRow("nominal: empty items count but do not step")
            << QByteArray("{A}\r\n\r\n[s],,x\r\n") << 6 << QList<int>{1, 2, 3, 0};
        QTest::newRow("nominal: an empty file") << QByteArray() << 1 << QList<int>{};
        QTest::newRow("robustness: a repeated group makes no node and no step")
            << QByteArray("{A}\r\n{A}\r\n") << 3 << QList<int>{1, 0};
        QTest::newRow("robustness: the fallback group is a node of its own")
            << QByteArray("x\r\n") << 2 << QList<int>{1, 2, 0};
    }

    void drivesTheProgressBar()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, maximum);
        QFETCH(QList<int>, steps);
        const QString path = writeCatalogue(m_dir, bytes);
        CommandTree tree;
        QProgressBar progress;
        progress.setRange(0, 100);
        progress.setValue(0);
        QSignalSpy spy(&progress, &QProgressBar::valueChanged);
        LoadCommandList(path, tree, progress);
        QCOMPARE(progress.maximum(), maximum);
        QCOMPARE(progress.minimum(), 0);
        QCOMPARE(values(spy), steps);
    }

    void stepsFromTheMinimumOfAResetBar()
    {
        const QString path = writeCatalogue(m_dir, "{A}\r\n");
        CommandTree tree;
        QProgressBar progress;
        progress.reset();
        QSignalSpy spy(&progress, &QProgressBar::valueChanged);
        LoadCommandList(path, tree, progress);
        QCOMPARE(values(spy), (QList<int>{1, 0}));
    }

    void moreItemsThanTheLimitLoadEveryCommand()
    {
        QByteArray bytes("{A}\r\n[s]\r\n");
        for (int i = 0; i < 40000; ++i)
            bytes += "cmd" + QByteArray::number(i) + "\r\n";
        const QString path = writeCatalogue(m_dir, bytes);
        CommandTree tree;
        QProgressBar progress;
        QSignalSpy spy(&progress, &QProgressBar::valueChanged);
        LoadCommandList(path, tree, progress);
        QCOMPARE(progress.maximum(), 32767);
        QCOMPARE(tree.topLevelItem(0)->child(0)->childCount(), 40000);
        QCOMPARE(tree.topLevelItem(0)->child(0)->child(39999)->text(0), QStringLiteral("cmd39999"));
        const QList<int> steps = values(spy);
        QCOMPARE(*std::max_element(steps.cbegin(), steps.cend()), 32767);
        QCOMPARE(steps.constLast(), 0);
    }

    void missingFileIsReported()
    {
        ScriptedDialogs dialogs;
        CommandTree tree;
        QProgressBar progress;
        progress.setRange(0, 10);
        progress.setValue(5);
        QCOMPARE(LoadCommandList(m_dir.filePath(QStringLiteral("nothing.dat")), tree, progress), QString());
        QCOMPARE(dialogs.calls.size(), 1);
        QCOMPARE(dialogs.last().icon, Dialogs::Icon::Critical);
        QCOMPARE(dialogs.last().buttons, Dialogs::Buttons::Ok);
        QCOMPARE(dialogs.last().title, QStringLiteral("Error Opening File"));
        QCOMPARE(dialogs.last().text, missingCatalogueText());
        QCOMPARE(tree.topLevelItemCount(), 0);
        QCOMPARE(progress.value(), 0);
        QCOMPARE(progress.maximum(), 10);
    }

    void fileVanishingBeforeTheReadIsReported()
    {
        const QString path = writeCatalogue(m_dir, "//1.0\r\n{A}\r\n");
        ScriptedDialogs dialogs;
        CommandTree tree;
        VanishingFileBar progress;
        progress.setRange(0, 100);
        progress.setValue(50);
        progress.show();
        QVERIFY(QTest::qWaitForWindowExposed(&progress));
        progress.removeOnNextPaint(path);
        QCOMPARE(LoadCommandList(path, tree, progress), QString());
        QVERIFY(!QFile::exists(path));
        QCOMPARE(progress.maximum(), 3);
        QCOMPARE(progress.value(), 0);
        QCOMPARE(tree.topLevelItemCount(), 0);
        QCOMPARE(dialogs.calls.size(), 1);
        QCOMPARE(dialogs.last().title, QStringLiteral("Error Opening File"));
        QCOMPARE(dialogs.last().text, missingCatalogueText());
    }

    void countItems()
    {
        const QString path = writeCatalogue(m_dir, "//1.0\r\n{A}\r\n\r\na,b\r\n");
        ScriptedDialogs dialogs;
        QCOMPARE(CountItems(path), qint16(5));
        QVERIFY(dialogs.calls.isEmpty());
    }

    void countItemsOfAMissingFile()
    {
        ScriptedDialogs dialogs;
        const QString path = m_dir.filePath(QStringLiteral("gone.dat"));
        QCOMPARE(CountItems(path), qint16(-1));
        QCOMPARE(dialogs.calls.size(), 1);
        QCOMPARE(dialogs.last().icon, Dialogs::Icon::None);
        QCOMPARE(dialogs.last().buttons, Dialogs::Buttons::Ok);
        QCOMPARE(dialogs.last().title, QStringLiteral("File Does Not Exist"));
        const QString text = QStringLiteral(" hasn't been downloaded yet. Preprocessing is being aborted.");
        QCOMPARE(dialogs.last().text, QStringLiteral("File: ") + path + text);
    }

    void malformedFilesLoseNoCommand_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("robustness: repeated category and section")
            << QByteArray("{A}\r\n[s]\r\nx\r\n{B}\r\n[t]\r\ny\r\n{A}\r\n[s]\r\nz\r\n")
            << texts({"{A|A|1", "  [s|s|1", "    |x|3", "    |z|3", "{B|B|1", "  [t|t|1", "    |y|3"});
        QTest::newRow("robustness: section and command before any category")
            << QByteArray("w\r\n[s]\r\nx\r\n{A}\r\n")
            << texts({"{Unsorted|Unsorted|1", "  |w|3", "  [s|s|1", "    |x|3", "{A|A|1"});
    }

    void malformedFilesLoseNoCommand()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, expected);
        ScriptedDialogs dialogs;
        CommandTree tree;
        QProgressBar progress;
        LoadCommandList(writeCatalogue(m_dir, bytes), tree, progress);
        QCOMPARE(describe(tree), expected);
        QVERIFY(dialogs.calls.isEmpty());
    }
};

QTEST_MAIN(TestCommandList)
#include "tst_commandlist.moc"
