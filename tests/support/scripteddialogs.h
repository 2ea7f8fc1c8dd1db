#pragma once

#include "shared/dialogs.h"

#include <QList>
#include <QQueue>

// Answers the program's questions from a script and records every question asked.
// Installs itself for its lifetime; a question nobody scripted gets the cancelling
// answer (Cancel, an empty text, no colour) and is recorded all the same.
class ScriptedDialogs final : public Dialogs
{
public:
    enum class Kind { Message, Input, OpenFile, SaveFile, Color };

    struct Call
    {
        Kind kind;
        Icon icon = Icon::None;
        Buttons buttons = Buttons::Ok;
        QString title;
        QString text;        // message text, or the input box's prompt
        QString defaultText; // input box default
        FileRequest file;
        QColor initialColor;
    };

    ScriptedDialogs();
    ~ScriptedDialogs() override;
    ScriptedDialogs(const ScriptedDialogs&) = delete;
    ScriptedDialogs& operator=(const ScriptedDialogs&) = delete;

    void answerMessage(Answer answer) { m_messages.enqueue(answer); }
    void answerInput(const QString& text) { m_inputs.enqueue(text); }
    void answerFile(const QString& path) { m_files.enqueue(path); }
    void answerColor(std::optional<QColor> color) { m_colors.enqueue(color); }

    QList<Call> calls;
    // The messages asked so far, only.
    QList<Call> messages() const;
    const Call& last() const { return calls.constLast(); }
    bool allAnswersUsed() const;

    Answer message(QWidget* parent, Icon icon, Buttons buttons, const QString& title,
                   const QString& text) override;
    QString input(QWidget* parent, const QString& prompt, const QString& title,
                  const QString& defaultText) override;
    QString openFileName(QWidget* parent, const FileRequest& request) override;
    QString saveFileName(QWidget* parent, const FileRequest& request) override;
    std::optional<QColor> color(QWidget* parent, const QColor& initial) override;

private:
    QQueue<Answer> m_messages;
    QQueue<QString> m_inputs;
    QQueue<QString> m_files;
    QQueue<std::optional<QColor>> m_colors;
};
