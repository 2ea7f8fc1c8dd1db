#include "editor/bindinglist.h"

#include <utility>

BindingList::BindingList(QObject* parent) : QAbstractListModel(parent), m_selection(this)
{
}

QString BindingList::text(int position) const
{
    return m_lines.at(position - 1).toString();
}

void BindingList::setText(int position, const QString& text)
{
    m_lines.replace(position - 1, text);
    const QModelIndex changed = index(position - 1);
    emit dataChanged(changed, changed, {Qt::DisplayRole});
}

void BindingList::append(const QString& text)
{
    insert(count() + 1, text);
}

void BindingList::insert(int position, const QString& text)
{
    beginInsertRows({}, position - 1, position - 1);
    m_lines.insert(position - 1, text);
    endInsertRows();
}

void BindingList::remove(int position)
{
    beginRemoveRows({}, position - 1, position - 1);
    m_lines.remove(position - 1);
    endRemoveRows();
}

void BindingList::removeAll()
{
    assign({});
}

void BindingList::assign(LineStore lines)
{
    beginResetModel();
    m_lines = std::move(lines);
    endResetModel();
}

LineStore BindingList::takeAll()
{
    beginResetModel();
    LineStore lines = std::exchange(m_lines, {});
    endResetModel();
    return lines;
}

void BindingList::setAnnotations(const RowAnnotations* annotations)
{
    m_annotations = annotations;
    annotationsChanged();
}

void BindingList::annotationsChanged()
{
    if (count() > 0)
        emit dataChanged(index(0), index(count() - 1), {Qt::DecorationRole, Qt::ToolTipRole});
}

int BindingList::selectedRow() const
{
    const QModelIndexList rows = m_selection.selectedRows();
    return rows.isEmpty() ? 0 : rows.constFirst().row() + 1;
}

void BindingList::select(int position)
{
    if (position < 1 || position > count()) {
        m_selection.clear();
        return;
    }
    m_selection.setCurrentIndex(index(position - 1),
                                QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

int BindingList::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : count();
}

QVariant BindingList::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= count())
        return {};
    if (role == Qt::DisplayRole || role == Qt::EditRole)
        return m_lines.at(index.row()).toString();
    if (m_annotations && role == Qt::DecorationRole)
        return m_annotations->decoration(index.row());
    if (m_annotations && role == Qt::ToolTipRole)
        return m_annotations->toolTip(index.row());
    return {};
}

QVariant BindingList::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (section != 0 || orientation != Qt::Horizontal)
        return {};
    if (role == Qt::DisplayRole)
        return QStringLiteral("Bindings");
    if (role == Qt::ToolTipRole)
        return QStringLiteral("Preview of the Finished File");
    return {};
}
