#include "editor/bindinglist.h"
#include "editor/bindingview.h"
#include "funname/glyphrowdelegate.h"
#include "shared/fonts.h"

#include <QTest>

class TestBindingView : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void addedRowIsWhollyShown_data();
    void addedRowIsWhollyShown();

private:
    void fill(int rows);
    bool whollyShown(int row) const;

    BindingList* m_list = nullptr;
    BindingView* m_view = nullptr;
};

void TestBindingView::init()
{
    m_list = new BindingList;
    m_view = new BindingView(m_list);
    // As the window sets them up: its font after the view is built, and the glyph rows.
    m_view->setFont(fonts::msSansSerif());
    m_view->setItemDelegate(new GlyphRowDelegate(m_view));
    m_view->resize(343, 274); // as the window places it
    m_view->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_view));
}

void TestBindingView::cleanup()
{
    delete m_view;
    delete m_list;
}

void TestBindingView::fill(int rows)
{
    LineStore lines;
    for (int row = 0; row < rows; ++row)
        lines.append(QStringLiteral("bind %1 +forward").arg(row));
    m_list->assign(std::move(lines));
    // The view lays the rows out when its events run, long before the user adds one.
    QCoreApplication::processEvents();
}

bool TestBindingView::whollyShown(int row) const
{
    const QRect shown = m_view->visualRect(m_list->index(row));
    const QRect room = m_view->viewport()->rect();
    if (shown.top() >= room.top() && shown.bottom() <= room.bottom())
        return true;
    qWarning("row %d at y %d, %d high, in a view %d high", row, shown.y(), shown.height(), room.height());
    return false;
}

void TestBindingView::addedRowIsWhollyShown_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("position");

    QTest::newRow("nominal: appended below a full list") << 100 << 101;
    QTest::newRow("edge: appended to a list shorter than the view") << 12 << 13;
    QTest::newRow("nominal: inserted near the bottom") << 100 << 100;
}

void TestBindingView::addedRowIsWhollyShown()
{
    QFETCH(int, rows);
    QFETCH(int, position);
    fill(rows);
    // An added row comes in and is selected, as the history's insert step does.
    m_list->insert(position, QStringLiteral("bind x +jump"));
    m_list->select(position);
    QVERIFY(whollyShown(position - 1));
}

QTEST_MAIN(TestBindingView)
#include "tst_bindingview.moc"
