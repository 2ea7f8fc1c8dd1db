#include "cataloguetestfiles.h"
#include "catalogue/cataloguelocation.h"
#include "catalogue/frmcommands.h"
#include "shared/twips.h"
#include "shared/windowdock.h"
#include "support/scripteddialogs.h"

#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenuBar>
#include <QProgressBar>
#include <QSignalSpy>
#include <QTest>
#include <QWindow>
#include <memory>

using namespace cataloguetest;

namespace {

const QByteArray Catalogue("//1.2\r\n{Movement}\r\n[Walking]\r\n+forward\r\n+back\r\n"
                           "{Weapons}\r\n[Firing]\r\n+attack\r\n");

} // namespace

class TestFrmCommands : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_path;
    std::unique_ptr<QWidget> m_main;
    QStringList m_chosen; // what the window handed on, in order
    std::unique_ptr<QProgressBar> m_progress;
    QPointer<frmCommands> m_window;

    frmCommands* openWindow(const QString& path)
    {
        m_window = new frmCommands(m_main.get(), m_progress.get(), CatalogueLocation{path, {}});
        connect(m_window, &frmCommands::commandChosen, this, [this](const QString& command) { m_chosen << command; });
        return m_window;
    }

    frmCommands* showBoth()
    {
        m_main->show();
        frmCommands* window = openWindow(m_path);
        window->show();
        if (!QTest::qWaitForWindowExposed(window) || !QTest::qWaitForWindowExposed(m_main.get()))
            return nullptr;
        return window;
    }

    QPoint docked() const { return WindowDock::dockedPosition(m_main.get()); }

    static QTreeWidgetItem* node(frmCommands* window, const char* text)
    {
        return window->TreeView1()->findItems(QString::fromLatin1(text), Qt::MatchExactly | Qt::MatchRecursive)
            .value(0);
    }

    static void doubleClick(frmCommands* window, QTreeWidgetItem* item)
    {
        CommandTree* tree = window->TreeView1();
        tree->scrollToItem(item);
        const QPoint centre = tree->visualItemRect(item).center();
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, centre);
        QTest::mouseDClick(tree->viewport(), Qt::LeftButton, {}, centre);
    }

private slots:
    void init()
    {
        QVERIFY(m_dir.isValid());
        m_path = writeCatalogue(m_dir, Catalogue);
        m_main = std::make_unique<QWidget>();
        m_main->setGeometry(200, 150, 400, 500);
        m_chosen.clear();
        m_progress = std::make_unique<QProgressBar>();
    }

    void cleanup()
    {
        delete m_window;
        m_main.reset();
        m_progress.reset();
    }

    void captionCarriesTheVersion_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("missing");
        QTest::addColumn<QString>("caption");
        QTest::newRow("nominal: a version item") << Catalogue << false << QStringLiteral("Command List - v1.2");
        QTest::newRow("nominal: no version item") << QByteArray("{A}\r\n") << false
                                                  << QStringLiteral("Command List - v");
        QTest::newRow("robustness: no catalogue file") << QByteArray() << true << QStringLiteral("Command List - v");
    }

    void captionCarriesTheVersion()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, missing);
        QFETCH(QString, caption);
        ScriptedDialogs dialogs;
        const QString path = missing ? m_dir.filePath(QStringLiteral("none.dat")) : writeCatalogue(m_dir, bytes);
        frmCommands* window = openWindow(path);
        QCOMPARE(window->windowTitle(), caption);
        QCOMPARE(window->catalogueVersion(), caption.mid(QStringLiteral("Command List - v").size()));
        QCOMPARE(dialogs.calls.size(), missing ? 1 : 0);
        QCOMPARE(window->TreeView1()->topLevelItemCount() == 0, missing);
    }

    void layout()
    {
        frmCommands* window = openWindow(m_path);
        const QWidget* client = window->centralWidget();
        QCOMPARE(window->TreeView1()->parentWidget(), client);
        QCOMPARE(window->txtFilter()->geometry(), QRect(2, 2, twips::toPixels(2955 - 100), twips::toPixels(300)));
        QCOMPARE(window->TreeView1()->geometry(), QRect(2, 25, twips::toPixels(2955 - 100), twips::toPixels(4920)));
        QVERIFY(window->TreeView1()->geometry().right() < window->width());
        QCOMPARE(window->chkDocked()->geometry(), twips::rect(360, 5370, 2265, 195));
        QCOMPARE(window->chkDocked()->text(), QStringLiteral("Dock to Main Window"));
        QVERIFY(window->chkDocked()->isChecked());
        QCOMPARE(window->width(), twips::toPixels(2955));
        QCOMPARE(window->font().family(), QStringLiteral("MS Sans Serif"));
        QCOMPARE(window->menuBar()->actions(), QList<QAction*>{window->mnuCheck()});
        QCOMPARE(window->mnuCheck()->text(), QStringLiteral("Check For List Updates"));
        // A fixed dialog frame without owner.
        QCOMPARE(window->parentWidget(), nullptr);
        QCOMPARE(window->minimumSize(), window->maximumSize());
        const Qt::WindowFlags flags = window->windowFlags();
        QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
        QVERIFY(window->testAttribute(Qt::WA_DeleteOnClose));
    }

    void takesTheMainWindowsHeightOnce()
    {
        frmCommands* window = openWindow(m_path);
        QCOMPARE(window->height(), 500);
        m_main->resize(400, 620);
        QCOMPARE(window->height(), 500);
    }

    void doubleClickOnAGroupTogglesItsImage_data()
    {
        QTest::addColumn<QByteArray>("group");
        QTest::newRow("nominal: category") << QByteArray("Movement");
        QTest::newRow("nominal: section") << QByteArray("Walking");
    }

    void doubleClickOnAGroupTogglesItsImage()
    {
        QFETCH(QByteArray, group);
        frmCommands* window = showBoth();
        QVERIFY(window);
        window->TreeView1()->expandAll();
        QTreeWidgetItem* item = node(window, group.constData());
        doubleClick(window, item);
        QCOMPARE(CommandTree::image(item), 2);
        doubleClick(window, item);
        QCOMPARE(CommandTree::image(item), 1);
        QCOMPARE(m_chosen, QStringList());
    }

    void doubleClickedCommandsAreHandedOn()
    {
        frmCommands* window = showBoth();
        QVERIFY(window);
        window->TreeView1()->expandAll();
        const QStringList tree = describe(*window->TreeView1());
        for (const char* command : {"+forward", "+back", "+attack"})
            doubleClick(window, node(window, command));
        QCOMPARE(m_chosen, (QStringList{QStringLiteral("+forward"), QStringLiteral("+back"), QStringLiteral("+attack")}));
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("+attack"));
        QCOMPARE(describe(*window->TreeView1()), tree);
    }

    void copyWithoutASelectedNodeKeepsTheClipboard()
    {
        frmCommands* window = openWindow(m_path);
        QGuiApplication::clipboard()->setText(QStringLiteral("kept"));
        window->TreeView1()->clearSelection();
        window->MyCopyClip();
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("kept"));
    }

    void opensDockedAndFollowsTheMainWindow()
    {
        frmCommands* window = showBoth();
        QVERIFY(window);
        QTRY_COMPARE(window->pos(), docked());
        m_main->move(m_main->pos() + QPoint(60, 40));
        QTRY_COMPARE(window->pos(), docked());
        QCOMPARE(window->frameGeometry().left(), m_main->frameGeometry().right() + 1);
        QCOMPARE(window->frameGeometry().top(), m_main->frameGeometry().top());
    }

    void draggingTheDockedWindowPutsItBack()
    {
        frmCommands* window = showBoth();
        QVERIFY(window);
        QTRY_COMPARE(window->pos(), docked());
        const QPoint home = window->pos();
        window->move(30, 20);
        QTRY_COMPARE(window->pos(), home);
    }

    void untickingFreesTickingDocksAtOnce()
    {
        frmCommands* window = showBoth();
        QVERIFY(window);
        QTRY_COMPARE(window->pos(), docked());
        QTest::mouseClick(window->chkDocked(), Qt::LeftButton);
        QVERIFY(!window->chkDocked()->isChecked());
        window->move(30, 20);
        QTRY_COMPARE(window->pos(), QPoint(30, 20));
        const QPoint mainTarget = m_main->pos() + QPoint(50, 50);
        m_main->move(mainTarget);
        QTRY_COMPARE(m_main->pos(), mainTarget);
        QCOMPARE(window->pos(), QPoint(30, 20));
        QTest::mouseClick(window->chkDocked(), Qt::LeftButton);
        QVERIFY(window->chkDocked()->isChecked());
        QCOMPARE(window->pos(), docked());
    }

    void closingEmitsClosing_data()
    {
        QTest::addColumn<bool>("byCloseBox");
        QTest::newRow("nominal: the close box") << true;
        QTest::newRow("nominal: closed by the main window") << false;
    }

    void closingEmitsClosing()
    {
        QFETCH(bool, byCloseBox);
        frmCommands* window = showBoth();
        QVERIFY(window);
        QSignalSpy spy(window, &frmCommands::closing);
        if (byCloseBox)
            window->windowHandle()->close();
        else
            window->close();
        QCOMPARE(spy.size(), 1);
        QTRY_VERIFY(m_window.isNull());
    }

    void reopeningShowsTheBoxChecked()
    {
        frmCommands* window = showBoth();
        QVERIFY(window);
        window->chkDocked()->click();
        QVERIFY(!window->chkDocked()->isChecked());
        window->close();
        QTRY_VERIFY(m_window.isNull());
        QVERIFY(openWindow(m_path)->chkDocked()->isChecked());
    }
};

QTEST_MAIN(TestFrmCommands)
#include "tst_frmcommands.moc"
