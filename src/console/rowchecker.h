#pragma once

#include "commandwalker.h"
#include "diagnostic.h"

#include <vector>

namespace console {

// A bind of the row itself (not one inside an alias) that gives a key a command.
struct Binding
{
    int keyId;
    qint32 column;    // of the key word
    qint32 textStart; // of the key's text
    qint32 length;
    quint32 command; // a hash of the command text, to tell a binding repeated from one replaced
};

// The rules that one row decides on its own; a key bound again further down and the size
// of the whole file need the other rows (ScriptDiagnostics). The findings and bindings of
// the last row checked are kept until the next check, in storage reused from row to row.
class RowChecker
{
public:
    explicit RowChecker(Engine engine = Game::Quake);

    Engine engine() const { return m_engine; }
    void setEngine(Engine engine);

    void check(QByteArrayView row);
    const std::vector<Finding>& findings() const { return m_findings; }
    const std::vector<Binding>& bindings() const { return m_bindings; }

private:
    void checkCommand(const CommandView& view);
    void checkLine(const CommandView& view);
    void checkQuotes(QByteArrayView row, const Word& word, qint32 codeEnd);
    void checkKey(const CommandView& view, bool binds);
    void checkSetCommand(const Word& name, quint8 command);
    void checkAliasName(const Word& name);
    quint32 commandHash(std::span<const Word> words, QByteArrayView row);

    Engine m_engine;
    const EngineProfile* m_profile; // m_engine's, looked up once: every row reads it
    Syntax m_syntax;
    CommandWalker m_walker;
    QByteArray m_joined; // a bind's command words, joined
    std::vector<Finding> m_findings;
    std::vector<Binding> m_bindings;
};

} // namespace console
