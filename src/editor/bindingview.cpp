#include "editor/bindingview.h"

#include "editor/bindinglist.h"
#include "shared/colorvalue.h"

#include <QApplication>
#include <QHeaderView>

BindingView::BindingView(BindingList* list, QWidget* parent)
    : QTreeView(parent), m_foreColor(colorvalue::WindowText), m_backColor(colorvalue::WindowBackground)
{
    setModel(list);
    setSelectionModel(list->selection());
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true); // a million rows stay cheap to lay out
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setAllColumnsShowFocus(true);
    setContextMenuPolicy(Qt::CustomContextMenu);
    header()->setSectionsMovable(false);
    header()->setStretchLastSection(true);
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

void BindingView::applyColors()
{
    const QPalette system = QApplication::palette(this);
    QPalette colours = palette();
    colours.setColor(QPalette::Text, colorvalue::toColor(m_foreColor, system));
    colours.setColor(QPalette::Base, colorvalue::toColor(m_backColor, system));
    setPalette(colours);
}
