#pragma once

#include <QTableView>

class BindingList;

// The binding list on screen: one column headed "Bindings", one row per line. A table
// view with fixed row heights keeps no per-row state, so a million rows open at once.
// The column is as wide as the widest row painted so far, and never narrower than the
// view, so a long row can be scrolled to without measuring every row.
// Its text and background colours are colour values (direct or system references),
// kept as given.
class BindingView final : public QTableView
{
    Q_OBJECT

public:
    explicit BindingView(BindingList* list, QWidget* parent = nullptr);

    quint32 foreColor() const { return m_foreColor; }
    void setForeColor(quint32 value);
    quint32 backColor() const { return m_backColor; }
    void setBackColor(quint32 value);
    // Both at once, as the colour window hands them over.
    void setColors(quint32 foreColor, quint32 backColor);

    // Rows are laid out when events run; a scroll asked for before then (a row just added
    // and selected) would stop at the old end of the list and cut the row off.
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;

protected:
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    bool viewportEvent(QEvent* event) override;

private:
    void applyColors();
    void fitRowHeight();
    void fitColumn();
    void forgetWidths();

    quint32 m_foreColor;
    quint32 m_backColor;
    int m_widestRow = 0;
    bool m_fitPending = false;
};
