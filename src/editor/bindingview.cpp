#include "editor/bindingview.h"

#include "editor/bindinglist.h"
#include "shared/colorvalue.h"

#include <QApplication>
#include <QEvent>
#include <QHeaderView>
#include <QPaintEvent>
#include <QScrollBar>

BindingView::BindingView(BindingList* list, QWidget* parent)
    : QTableView(parent), m_foreColor(colorvalue::WindowText), m_backColor(colorvalue::WindowBackground)
{
    setModel(list);
    setSelectionModel(list->selection());
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setContextMenuPolicy(Qt::CustomContextMenu);
    setShowGrid(false);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    setTabKeyNavigation(false);
    // The one column is wider than the view only for long rows; per item it would jump whole.
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // Another file or Clear All: the widths measured belong to rows that are gone.
    connect(list, &QAbstractItemModel::modelReset, this, &BindingView::forgetWidths);
    fitRowHeight();
    fitColumn();
    applyColors();
}

void BindingView::setForeColor(quint32 value)
{
    m_foreColor = value;
    applyColors();
}

void BindingView::setBackColor(quint32 value)
{
    m_backColor = value;
    applyColors();
}

void BindingView::setColors(quint32 foreColor, quint32 backColor)
{
    m_foreColor = foreColor;
    m_backColor = backColor;
    applyColors();
}

void BindingView::scrollTo(const QModelIndex& index, ScrollHint hint)
{
    executeDelayedItemsLayout();
    // The one cell is the whole row: the table would scroll to its left edge at every move,
    // where a text editor keeps the part of the lines the user scrolled to.
    const int across = horizontalScrollBar()->value();
    QTableView::scrollTo(index, hint);
    horizontalScrollBar()->setValue(across);
}

void BindingView::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange) {
        fitRowHeight();
        forgetWidths();
    }
    QTableView::changeEvent(event);
}

// Measuring the rows as they are painted costs a few rows a paint, where measuring the list
// would cost a million.
void BindingView::paintEvent(QPaintEvent* event)
{
    QTableView::paintEvent(event);
    const QRect painted = event->rect();
    const int first = rowAt(painted.top());
    if (first < 0)
        return;
    int last = rowAt(painted.bottom());
    if (last < 0)
        last = model()->rowCount() - 1;
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    int widest = m_widestRow;
    for (int row = first; row <= last; ++row) {
        const QModelIndex index = model()->index(row, 0);
        widest = std::max(widest, itemDelegateForIndex(index)->sizeHint(option, index).width());
    }
    if (widest > m_widestRow) {
        m_widestRow = widest;
        // Not while painting: a wider column lays the view out again.
        if (!std::exchange(m_fitPending, true))
            QMetaObject::invokeMethod(this, &BindingView::fitColumn, Qt::QueuedConnection);
    }
}

bool BindingView::viewportEvent(QEvent* event)
{
    if (event->type() == QEvent::Resize) {
        const auto* resize = static_cast<QResizeEvent*>(event);
        const bool result = QTableView::viewportEvent(event);
        fitColumn();
        // The view grew shorter (a scroll bar came below it): the selected row, shown whole
        // before, is not left cut at the bottom.
        const QRect current = visualRect(currentIndex());
        if (resize->size().height() < resize->oldSize().height() && current.bottom() >= viewport()->height()
            && current.bottom() < resize->oldSize().height())
            scrollTo(currentIndex());
        return result;
    }
    return QTableView::viewportEvent(event);
}

void BindingView::fitColumn()
{
    m_fitPending = false;
    horizontalHeader()->resizeSection(0, std::max(viewport()->width(), m_widestRow));
}

void BindingView::forgetWidths()
{
    m_widestRow = 0;
    fitColumn();
}

void BindingView::fitRowHeight()
{
    // Room for the text, and for the 16-pixel console glyphs a name row is drawn with.
    verticalHeader()->setDefaultSectionSize(std::max(18, fontMetrics().height() + 4));
}

void BindingView::applyColors()
{
    setPalette(colorvalue::textPalette(palette(), m_foreColor, m_backColor, QApplication::palette(this)));
}
