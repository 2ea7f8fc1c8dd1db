#include "editor/bindinglist.h"
#include "editor/bindingview.h"
#include "funname/glyphrowdelegate.h"
#include "funname/glyphs.h"
#include "shared/fonts.h"

#include <QScrollBar>
#include <QTest>

class TestBindingView : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void addedRowIsWhollyShown_data();
    void addedRowIsWhollyShown();
    void longRowCanBeScrolledTo_data();
    void longRowCanBeScrolledTo();
    void selectedRowStaysWholeWhenAScrollBarComes();

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

// Top to bottom: across, a long row may be wider than the view.
bool TestBindingView::whollyShown(int row) const
{
    const QRect shown = m_view->visualRect(m_list->index(row));
    return shown.top() >= 0 && shown.bottom() < m_view->viewport()->height();
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

void TestBindingView::longRowCanBeScrolledTo_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("scrolls");

    QTest::newRow("nominal: text row wider than the view") << QStringLiteral("say ") + QString(200, u'x') << true;
    QTest::newRow("nominal: glyph row wider than the view") << QString(40, QChar(0xe1)) << true;
    QTest::newRow("edge: rows narrower than the view") << QStringLiteral("bind w +forward") << false;
}

void TestBindingView::longRowCanBeScrolledTo()
{
    QFETCH(QString, line);
    QFETCH(bool, scrolls);
    fill(30);
    m_list->setText(4, line);
    // What the row's text or glyphs take, whatever the delegate says of the row.
    const int wanted = GlyphRowDelegate::drawsAsGlyphs(line) ? int(line.size()) * glyphs::PictureSize
                                                             : m_view->fontMetrics().horizontalAdvance(line);
    const QScrollBar* across = m_view->horizontalScrollBar();
    if (scrolls) {
        QTRY_VERIFY(across->maximum() + m_view->viewport()->width() >= wanted);
    } else {
        m_view->viewport()->repaint();
        QCoreApplication::processEvents();
        QCOMPARE(across->maximum(), 0);
    }
}

// The selected last row, shown whole, is not left cut off when a long row brings a scroll
// bar below the list.
void TestBindingView::selectedRowStaysWholeWhenAScrollBarComes()
{
    fill(100);
    m_list->select(100);
    QVERIFY(whollyShown(99));
    m_list->setText(99, QStringLiteral("say ") + QString(200, u'x'));
    QTRY_VERIFY(m_view->horizontalScrollBar()->isVisible());
    QVERIFY(whollyShown(99));
}

QTEST_MAIN(TestBindingView)
#include "tst_bindingview.moc"
