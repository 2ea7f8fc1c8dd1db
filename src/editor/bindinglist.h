#pragma once

#include "editor/linestore.h"

#include <QAbstractListModel>
#include <QItemSelectionModel>

// What the list shows beside a row's text besides the text: a marker and a tooltip.
class RowAnnotations
{
public:
    virtual ~RowAnnotations() = default;
    // Rows count from 0; an invalid variant means nothing to show.
    virtual QVariant decoration(int row) const = 0;
    virtual QVariant toolTip(int row) const = 0;
};

// The binding list: one string per row and nothing else. The list operations count
// rows from 1, as the rest of the program does; the model side counts from 0 as Qt
// does. The list owns its selection, so "the selected row" is part of the list.
class BindingList final : public QAbstractListModel
{
    Q_OBJECT

public:
    explicit BindingList(QObject* parent = nullptr);

    int count() const { return int(m_lines.size()); }
    QString text(int position) const;
    void setText(int position, const QString& text);
    void append(const QString& text);
    void insert(int position, const QString& text);
    void remove(int position);
    void removeAll();
    // Replaces every row at once, as reading a file does.
    void assign(LineStore lines);
    // Hands over every row, leaving the list empty; nothing is copied.
    LineStore takeAll();
    const LineStore& lines() const { return m_lines; }

    // Markers and tooltips for the rows; null for none. The list does not own them.
    void setAnnotations(const RowAnnotations* annotations);
    // The markers or tooltips of some rows may have changed.
    void annotationsChanged();

    // The selected row's position, or 0 when no row is selected.
    int selectedRow() const;
    void select(int position);
    QItemSelectionModel* selection() { return &m_selection; }

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    LineStore m_lines;
    QItemSelectionModel m_selection;
    const RowAnnotations* m_annotations = nullptr;
};
