#pragma once

#include "console/diagnostic.h"

#include <QByteArray>
#include <QByteArrayView>
#include <optional>

class BindingList;
class ListDiagnostics;
class QAbstractItemModel;

// The rows the keyboard map reads, and where it hears that they changed.
class KeymapRows
{
public:
    virtual ~KeymapRows() = default;
    virtual qsizetype count() const = 0;
    // Row i (from 0) as Latin-1 bytes; scratch may hold them.
    virtual QByteArrayView row(qsizetype i, QByteArray& scratch) const = 0;
    // The row's gravest console problem, or nothing.
    virtual std::optional<console::Severity> problem(qsizetype) const { return std::nullopt; }
    // Sends rowsInserted, rowsRemoved, dataChanged and modelReset when the rows change; may be null.
    virtual QAbstractItemModel* model() const { return nullptr; }
};

// The editor's binding list, and its problems when given.
class BindingListRows final : public KeymapRows
{
public:
    explicit BindingListRows(const BindingList& list, const ListDiagnostics* diagnostics = nullptr)
        : m_list(list), m_diagnostics(diagnostics)
    {
    }

    qsizetype count() const override;
    QByteArrayView row(qsizetype i, QByteArray& scratch) const override;
    std::optional<console::Severity> problem(qsizetype i) const override;
    QAbstractItemModel* model() const override;

private:
    const BindingList& m_list;
    const ListDiagnostics* m_diagnostics;
};
