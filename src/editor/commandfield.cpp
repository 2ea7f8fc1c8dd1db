#include "editor/commandfield.h"

#include "console/bindingtext.h"
#include "editor/scriptchecking.h"
#include "editor/statusline.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QKeyEvent>
#include <QScrollBar>
#include <QStandardItemModel>

namespace {

// The name goes into the field; the pop-up shows it with its summary.
constexpr int NameRole = Qt::UserRole;
constexpr int WidestPopup = 480;

} // namespace

CommandField::CommandField(QWidget* parent)
    : QLineEdit(parent), m_completer(new QCompleter(this)), m_model(new QStandardItemModel(m_completer))
{
    m_completer->setModel(m_model);
    m_completer->setCompletionRole(NameRole);
    m_completer->setCaseSensitivity(Qt::CaseInsensitive);
    m_completer->setMaxVisibleItems(12);
    m_completer->setWidget(this);
    connect(this, &QLineEdit::textEdited, this, &CommandField::offer);
    connect(m_completer, qOverload<const QString&>(&QCompleter::activated), this, &CommandField::insertCommand);
}

void CommandField::setCommands(ScriptChecking& commands, StatusLine& status)
{
    m_commands = &commands;
    m_status = &status;
    connect(this, &QLineEdit::cursorPositionChanged, this, &CommandField::showSummary);
    connect(this, &QLineEdit::textChanged, this, &CommandField::showSummary);
}

// The summary belongs to the field being typed in; it goes when the player moves elsewhere,
// but not for the pop-up, which only borrows the focus.
void CommandField::showSummary()
{
    if (m_status && hasFocus())
        m_status->say(summaryAtCursor());
}

void CommandField::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    showSummary();
}

void CommandField::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    if (m_status && event->reason() != Qt::PopupFocusReason)
        m_status->say({});
}

QString CommandField::summaryAtCursor() const
{
    const QByteArray bytes = text().toLatin1();
    const QByteArrayView name = console::commandNameAt(bytes, cursorPosition());
    return name.isEmpty() ? QString() : m_commands->summaries().summary(m_commands->game(), QString::fromLatin1(name));
}

// While the pop-up is open, the completer hands its keys to the field. A highlighted offer
// is the player's choice: Enter and Tab take it, as the completer does. With none, Enter
// closes the pop-up and adds the line, and Tab takes the first offer, as shells do.
bool CommandField::event(QEvent* event)
{
    if (event->type() != QEvent::KeyPress || !m_completer->popup()->isVisible())
        return QLineEdit::event(event);
    QAbstractItemView* popup = m_completer->popup();
    const bool chosen = popup->currentIndex().isValid();
    switch (static_cast<QKeyEvent*>(event)->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (chosen)
            break;
        popup->hide();
        return QLineEdit::event(event);
    case Qt::Key_Tab:
        if (chosen)
            break;
        popup->hide();
        m_completer->setCurrentRow(0);
        insertCommand(m_completer->currentCompletion());
        return true;
    case Qt::Key_Backtab:
    case Qt::Key_Escape:
        break;
    default:
        return QLineEdit::event(event);
    }
    event->ignore();
    return false;
}

void CommandField::offer()
{
    if (m_inserting)
        return;
    const std::optional<console::CompletionWord> word = console::completionWordAt(text(), cursorPosition());
    if (!m_commands || !word || word->cursor == word->start) {
        m_completer->popup()->hide();
        return;
    }
    fill(m_commands->game());
    m_completer->setCompletionPrefix(word->prefix(text()).toString());
    m_completer->setCurrentRow(0);
    if (m_completer->completionCount() == 0 || typedInFull(word->prefix(text()))) {
        m_completer->popup()->hide();
        return;
    }
    showPopup();
}

// The only offer is the word as typed: there is nothing left to offer.
bool CommandField::typedInFull(QStringView word) const
{
    return m_completer->completionCount() == 1
        && m_completer->currentCompletion().compare(word, Qt::CaseInsensitive) == 0;
}

void CommandField::showPopup()
{
    QAbstractItemView* popup = m_completer->popup();
    popup->setCurrentIndex({});
    const int wanted = popup->sizeHintForColumn(0) + popup->verticalScrollBar()->sizeHint().width();
    QRect under = rect();
    under.setWidth(std::min(std::max(width(), wanted), WidestPopup));
    m_completer->complete(under);
}

void CommandField::insertCommand(const QString& name)
{
    const std::optional<console::CompletionWord> word = console::completionWordAt(text(), cursorPosition());
    if (!word)
        return;
    // Through the selection, so that Undo takes the completion back; the edit it makes offers
    // nothing.
    setSelection(int(word->start), int(word->end - word->start));
    m_inserting = true;
    insert(name);
    m_inserting = false;
}

void CommandField::fill(console::Game game)
{
    if (m_filledFor == game)
        return;
    m_model->clear();
    const CommandSummaries& summaries = m_commands->summaries();
    for (const QByteArray& command : m_commands->commands().names(game)) {
        const QString name = QString::fromLatin1(command);
        const QString summary = summaries.summary(game, name);
        auto* item = new QStandardItem(summary.isEmpty() ? name : name + QStringLiteral(" — ") + summary);
        item->setData(name, NameRole);
        item->setToolTip(summary);
        m_model->appendRow(item);
    }
    m_filledFor = game;
}
