#include "editor/bindinglist.h"
#include "editor/listdiagnostics.h"
#include "keymap/exportkeyboardmap.h"
#include "keymap/keyboardmapview.h"
#include "keymap/keyboardmapwindow.h"
#include "keymap/keymaprows.h"
#include "support/scripteddialogs.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

using keymap::KeyState;

namespace {

LineStore script()
{
    LineStore lines;
    for (const char* line :
         {"alias +rj \"+jump; +attack\"", "bind mouse1 +attack", "bind mouse2 +rj", "bind F7 \"+attack"})
        lines.append(QLatin1StringView(line));
    return lines;
}

} // namespace

class TestKeyboardMapWindow : public QObject
{
    Q_OBJECT

private:
    QWidget m_mainWindow;
    BindingList m_list;
    std::unique_ptr<ListDiagnostics> m_diagnostics;
    std::unique_ptr<BindingListRows> m_rows;
    KeyboardMapWindow* m_window = nullptr;

    const keymap::SceneKey& key(QByteArrayView name) const
    {
        const keymap::SceneKey* found = m_window->view()->scene()->keyNamed(name);
        Q_ASSERT(found);
        return *found;
    }

    QPoint centreOf(QByteArrayView name) const
    {
        const KeyboardMapView* view = m_window->view();
        const QTransform transform = keymap::KeymapScene::fitting(view->scene()->bounds(), view->rect());
        return transform.map(key(name).physical.rect.center()).toPoint();
    }

private slots:
    void init()
    {
        m_list.assign(script());
        m_diagnostics = std::make_unique<ListDiagnostics>(m_list, console::Game::Quake);
        m_rows = std::make_unique<BindingListRows>(m_list, m_diagnostics.get());
        m_window = new KeyboardMapWindow(&m_mainWindow, *m_rows, *keymap::keymapEngine(u"quake"), QStringLiteral("us"));
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window));
    }

    void cleanup()
    {
        delete m_window;
        m_window = nullptr;
    }

    void click_data()
    {
        QTest::addColumn<QByteArray>("key");
        QTest::addColumn<QList<int>>("rows");
        QTest::newRow("bound key chooses its row") << QByteArray("MOUSE1") << QList<int>{1};
        QTest::newRow("free key gives its name only") << QByteArray("F6") << QList<int>{};
    }

    void click()
    {
        QFETCH(QByteArray, key);
        QSignalSpy names(m_window, &KeyboardMapWindow::keyClicked);
        QSignalSpy rows(m_window, &KeyboardMapWindow::rowChosen);
        QTest::mouseClick(m_window->view(), Qt::LeftButton, {}, centreOf(key));
        QCOMPARE(names.count(), 1);
        QCOMPARE(names.front().front().toString(), QString::fromLatin1(key));
        QList<int> chosen;
        for (const QList<QVariant>& signal : rows)
            chosen.append(signal.front().toInt());
        QTEST(chosen, "rows");
    }

    void doubleClickActivatesRow()
    {
        QSignalSpy activated(m_window, &KeyboardMapWindow::rowActivated);
        QTest::mouseDClick(m_window->view(), Qt::LeftButton, {}, centreOf("MOUSE2"));
        QCOMPARE(activated.count(), 1);
        QCOMPARE(activated.front().front().toInt(), 2);
    }

    void followsTheList()
    {
        m_list.setText(2, QStringLiteral("bind mouse1 +use"));
        QTRY_COMPARE(key("MOUSE1").binding, QStringLiteral("+use"));
        m_list.remove(2);
        QTRY_COMPARE(key("MOUSE1").state, KeyState::Free);
        m_list.insert(1, QStringLiteral("bind F6 \"save quick\""));
        QTRY_COMPARE(key("F6").row, 0);
        QCOMPARE(key("MOUSE2").row, 2);
    }

    void problemRowColoursItsKey()
    {
        QTRY_COMPARE(key("F7").state, KeyState::Problem);
        m_list.setText(4, QStringLiteral("bind F7 +attack"));
        QTRY_COMPARE(key("F7").state, KeyState::Bound);
    }

    void searchLightsThroughAliases()
    {
        m_window->txtSearch()->setText(QStringLiteral("+attack"));
        QList<QByteArray> lit;
        for (const keymap::SceneKey& each : m_window->view()->scene()->keys())
            if (each.lit)
                lit.append(each.name);
        QCOMPARE(lit, (QList<QByteArray>{"F7", "MOUSE1", "MOUSE2"}));
    }

    void layoutBoxChangesTheKeys_data()
    {
        QTest::addColumn<QString>("layout");
        QTest::addColumn<QByteArray>("nameAtQwertyQ");
        QTest::newRow("fr") << "fr" << QByteArray("a");
        QTest::newRow("robustness: unknown layout shows US") << "nowhere" << QByteArray("q");
    }

    void layoutBoxChangesTheKeys()
    {
        QFETCH(QString, layout);
        QLineEdit* field = m_window->cboLayout()->lineEdit();
        field->selectAll();
        QTest::keyClicks(field, layout);
        QCOMPARE(m_window->keyboardLayout(), QStringLiteral("us")); // not while the name is typed
        QTest::keyClick(field, Qt::Key_Return);
        QCOMPARE(m_window->keyboardLayout(), layout);
        const auto& keys = m_window->view()->scene()->keys();
        const auto atQ = std::ranges::find(keys, 16, [](const keymap::SceneKey& each) { return each.physical.evdev; });
        QVERIFY(atQ != keys.end());
        QTEST(atQ->name, "nameAtQwertyQ");
    }

    void exportAsksAndWrites_data()
    {
        QTest::addColumn<QString>("answer"); // a name in the temporary folder, or empty to cancel
        QTest::addColumn<bool>("written");
        QTest::newRow("svg") << "map.svg" << true;
        QTest::newRow("png") << "map.png" << true;
        QTest::newRow("cancelled") << "" << false;
    }

    void exportAsksAndWrites()
    {
        QFETCH(QString, answer);
        QTemporaryDir folder;
        const QString path = answer.isEmpty() ? QString() : folder.filePath(answer);
        ScriptedDialogs dialogs;
        dialogs.answerFile(path);
        const QString written = exportKeyboardMap(&m_mainWindow, *m_rows, *keymap::keymapEngine(u"quake"),
                                                  QStringLiteral("us"));
        QCOMPARE(dialogs.calls.size(), 1);
        QCOMPARE(dialogs.last().file.title, QStringLiteral("Export Keyboard Map"));
        QTEST(!written.isEmpty() && QFileInfo(written).size() > 0, "written");
        QCOMPARE(written, path);
    }

    // A folder where the file should be: the user is told which file and why.
    void exportTellsWhyItFailed()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("taken.png"));
        QVERIFY(QDir().mkdir(path));
        ScriptedDialogs dialogs;
        dialogs.answerFile(path);
        QVERIFY(
            exportKeyboardMap(&m_mainWindow, *m_rows, *keymap::keymapEngine(u"quake"), QStringLiteral("us")).isEmpty());
        QCOMPARE(dialogs.messages().size(), 1);
        const ScriptedDialogs::Call message = dialogs.messages().front();
        QCOMPARE(message.icon, Dialogs::Icon::Critical);
        QCOMPARE(message.title, QStringLiteral("Error Saving File"));
        QVERIFY(message.text.startsWith(QStringLiteral("File '%1' could not be saved.\r\n").arg(path)));
    }
};

QTEST_MAIN(TestKeyboardMapWindow)
#include "tst_keyboardmapwindow.moc"
