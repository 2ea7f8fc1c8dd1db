#include "support/scripteddialogs.h"

ScriptedDialogs::ScriptedDialogs()
{
    Dialogs::install(this);
}

ScriptedDialogs::~ScriptedDialogs()
{
    Dialogs::install(nullptr);
}

QList<ScriptedDialogs::Call> ScriptedDialogs::messages() const
{
    QList<Call> result;
    for (const Call& call : calls)
        if (call.kind == Kind::Message)
            result << call;
    return result;
}

bool ScriptedDialogs::allAnswersUsed() const
{
    return m_messages.isEmpty() && m_inputs.isEmpty() && m_files.isEmpty() && m_colors.isEmpty();
}

Dialogs::Answer ScriptedDialogs::message(QWidget*, Icon icon, Buttons buttons, const QString& title,
                                         const QString& text)
{
    calls.append({Kind::Message, icon, buttons, title, text, {}, {}, {}});
    if (!m_messages.isEmpty())
        return m_messages.dequeue();
    return buttons == Buttons::Ok ? Answer::Ok : Answer::Cancel;
}

QString ScriptedDialogs::input(QWidget*, const QString& prompt, const QString& title,
                               const QString& defaultText)
{
    calls.append({Kind::Input, Icon::None, Buttons::Ok, title, prompt, defaultText, {}, {}});
    return m_inputs.isEmpty() ? QString() : m_inputs.dequeue();
}

QString ScriptedDialogs::openFileName(QWidget*, const FileRequest& request)
{
    calls.append({Kind::OpenFile, Icon::None, Buttons::Ok, request.title, {}, {}, request, {}});
    return m_files.isEmpty() ? QString() : m_files.dequeue();
}

QString ScriptedDialogs::saveFileName(QWidget*, const FileRequest& request)
{
    calls.append({Kind::SaveFile, Icon::None, Buttons::Ok, request.title, {}, {}, request, {}});
    return m_files.isEmpty() ? QString() : m_files.dequeue();
}

std::optional<QColor> ScriptedDialogs::color(QWidget*, const QColor& initial)
{
    calls.append({Kind::Color, Icon::None, Buttons::Ok, {}, {}, {}, {}, initial});
    return m_colors.isEmpty() ? std::nullopt : m_colors.dequeue();
}
