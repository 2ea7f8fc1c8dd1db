#include "shared/windowdock.h"

#include <QCheckBox>
#include <QEvent>
#include <QTest>
#include <QTimer>

namespace {

// Stands in for a window manager that keeps windows on the screen: a move that would take
// the window past the right edge is never seen to land; the answer, a moment later, is the
// window at the edge.
class ClampingManager final : public QObject
{
public:
    ClampingManager(QWidget* window, int rightEdge) : m_window(window), m_rightEdge(rightEdge)
    {
        window->installEventFilter(this);
    }
    int moves = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::Move)
            return false;
        ++moves;
        const int widest = m_rightEdge - m_window->frameGeometry().width();
        if (m_window->x() <= widest)
            return false;
        QTimer::singleShot(0, m_window, [this, widest] { m_window->move(widest, m_window->y()); });
        return true;
    }

private:
    QWidget* m_window;
    int m_rightEdge;
};

} // namespace

class TestWindowDock : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void followsTheMainWindow();
    void givesUpOnARefusedPosition();

private:
    std::unique_ptr<QWidget> m_main;
    std::unique_ptr<QWidget> m_side;
    QCheckBox* m_box = nullptr;
};

void TestWindowDock::init()
{
    m_main = std::make_unique<QWidget>();
    m_main->setGeometry(100, 100, 300, 200);
    m_side = std::make_unique<QWidget>();
    m_side->setGeometry(0, 0, 150, 200);
    m_box = new QCheckBox(m_side.get());
    m_box->setChecked(true);
    new WindowDock(m_side.get(), m_main.get(), m_box);
    m_main->show();
    m_side->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_side.get()));
}

void TestWindowDock::cleanup()
{
    m_side.reset();
    m_main.reset();
}

void TestWindowDock::followsTheMainWindow()
{
    QTRY_COMPARE(m_side->pos(), WindowDock::dockedPosition(m_main.get()));
    m_main->move(200, 150);
    QTRY_COMPARE(m_side->pos(), WindowDock::dockedPosition(m_main.get()));
    const QPoint docked = m_side->pos();
    m_box->click(); // untick: the window stays where it is
    m_main->move(20, 20);
    QTest::qWait(20);
    QCOMPARE(m_side->pos(), docked);
}

void TestWindowDock::givesUpOnARefusedPosition()
{
    ClampingManager manager(m_side.get(), 1000);
    m_main->move(800, 100); // docking would put the side window past the edge
    QTest::qWait(100);
    QCOMPARE(m_side->pos(), QPoint(1000 - m_side->frameGeometry().width(), 100));
    manager.moves = 0;
    QTest::qWait(100);
    QCOMPARE(manager.moves, 0); // it has given up

    // A real move of the main window, to where docking fits, docks again.
    m_main->move(300, 120);
    QTRY_COMPARE(m_side->pos(), WindowDock::dockedPosition(m_main.get()));

    // So does a click on the box, once, even where it is refused again.
    m_main->move(900, 120);
    QTest::qWait(50);
    manager.moves = 0;
    m_box->click();
    m_box->click();
    QTest::qWait(100);
    QVERIFY(manager.moves > 0);
    manager.moves = 0;
    QTest::qWait(100);
    QCOMPARE(manager.moves, 0);
}

QTEST_MAIN(TestWindowDock)
#include "tst_windowdock.moc"
