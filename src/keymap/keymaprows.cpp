#include "keymap/keymaprows.h"

#include "console/scripttokenizer.h"
#include "editor/bindinglist.h"
#include "editor/listdiagnostics.h"

qsizetype BindingListRows::count() const
{
    return m_list.count();
}

QByteArrayView BindingListRows::row(qsizetype i, QByteArray& scratch) const
{
    return console::latin1Bytes(m_list.lines().at(i), scratch);
}

std::optional<console::Severity> BindingListRows::problem(qsizetype i) const
{
    if (!m_diagnostics || i >= m_diagnostics->diagnostics().rowCount())
        return std::nullopt;
    return m_diagnostics->diagnostics().worstSeverity(i);
}

QAbstractItemModel* BindingListRows::model() const
{
    // The list is only read; the signals are all the map takes from the model.
    return const_cast<BindingList*>(&m_list);
}
