#pragma once

#include <QTreeView>

class BindingList;

// The binding list on screen: a one-column report view headed "Bindings". Its text and
// background colours are colour values (direct or system references), kept as given.
class BindingView final : public QTreeView
{
    Q_OBJECT

public:
    explicit BindingView(BindingList* list, QWidget* parent = nullptr);

    quint32 foreColor() const { return m_foreColor; }
    void setForeColor(quint32 value);
    quint32 backColor() const { return m_backColor; }
    void setBackColor(quint32 value);

private:
    void applyColors();

    quint32 m_foreColor;
    quint32 m_backColor;
};
