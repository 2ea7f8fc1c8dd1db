#include "editor/bindingview.h"

#include "editor/bindinglist.h"
#include "shared/colorvalue.h"

#include <QApplication>
#include <QEvent>
#include <QHeaderView>

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
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setStretchLastSection(true);
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    fitRowHeight();
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

void BindingView::ensureRowVisible(int row)
{
    scrollTo(model()->index(row, 0));
}

void BindingView::scrollTo(const QModelIndex& index, ScrollHint hint)
{
    executeDelayedItemsLayout();
    QTableView::scrollTo(index, hint);
}

void BindingView::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange)
        fitRowHeight();
    QTableView::changeEvent(event);
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
