#pragma once

#include "console/scriptdiagnostics.h"
#include "editor/bindinglist.h"

// The console problems of the binding list, kept up to date as its rows change (one row
// at a time, never the whole list again) and shown on each row with a problem as a marker
// of its gravest problem and a tooltip with every message. Every row keeps a marker's
// room, empty where there is no problem.
class ListDiagnostics final : public QObject, public RowAnnotations
{
    Q_OBJECT

public:
    ListDiagnostics(BindingList& rows, console::Engine engine, QObject* parent = nullptr);
    ~ListDiagnostics() override;

    const console::ScriptDiagnostics& diagnostics() const { return m_diagnostics; }
    console::Engine engine() const { return m_diagnostics.engine(); }
    void setEngine(console::Engine engine);
    // The rows are about to be replaced: the list that comes is checked for engine, once.
    void expectEngine(console::Engine engine) { m_nextEngine = engine; }
    // "2 errors, 1 warning", "1 note", or "No problems".
    QString summary() const;

    QVariant decoration(int row) const override;
    QVariant toolTip(int row) const override;

signals:
    // The problems changed; the counts may have.
    void changed();

private:
    void updated();

    BindingList& m_rows;
    console::ScriptDiagnostics m_diagnostics;
    std::optional<console::Engine> m_nextEngine;
};
