#pragma once

#include "console/game.h"

#include <QLineEdit>
#include <optional>

class QCompleter;
class QStandardItemModel;
class ScriptChecking;
class StatusLine;

// The binding field. While a command name is typed it offers, in a pop-up, the commands of
// the game the list is checked for that begin with it, each with its summary; Enter, Tab or a
// click puts the highlighted name in place of the word, and Tab with none highlighted the
// first. Enter with none highlighted adds the line, as it does without the pop-up.
// While the cursor stands in a command, the status line says what that command does.
class CommandField final : public QLineEdit
{
    Q_OBJECT

public:
    explicit CommandField(QWidget* parent = nullptr);

    // Where the names and summaries come from, and where the summaries are shown; nothing is
    // offered before.
    void setCommands(ScriptChecking& commands, StatusLine& status);
    QCompleter* commandCompleter() const { return m_completer; }

protected:
    bool event(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    // The summary of the command the cursor stands in, or nothing.
    QString summaryAtCursor() const;
    void showSummary();
    void offer();
    bool typedInFull(QStringView word) const;
    void insertCommand(const QString& name);
    void fill(console::Game game);
    void showPopup();

    QCompleter* m_completer;
    QStandardItemModel* m_model;
    ScriptChecking* m_commands = nullptr;
    StatusLine* m_status = nullptr;
    std::optional<console::Game> m_filledFor;
    bool m_inserting = false;
};
