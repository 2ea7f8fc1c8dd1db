#include "funname/namecomposer.h"

#include "funname/glyphs.h"

bool NameComposer::PlaceGlyph(int code)
{
    Q_ASSERT(code >= 0 && code < glyphs::Count);
    if (m_cursor >= SlotCount)
        return false;
    m_slots[size_t(m_cursor)] = code;
    ++m_cursor;
    return true;
}

void NameComposer::SelectSlot(int slot)
{
    Q_ASSERT(slot >= 0 && slot < SlotCount);
    m_cursor = slot;
}

void NameComposer::BackspaceGlyph()
{
    if (m_cursor == 0)
        return;
    --m_cursor;
    m_slots[size_t(m_cursor)].reset();
}

void NameComposer::ClearName()
{
    m_slots.fill(std::nullopt);
    m_cursor = 0;
}

int NameComposer::markerSlot() const
{
    return qMin(m_cursor, SlotCount - 1);
}

std::optional<int> NameComposer::glyphAt(int slot) const
{
    Q_ASSERT(slot >= 0 && slot < SlotCount);
    return m_slots[size_t(slot)];
}

QString NameComposer::slotText(int slot) const
{
    const std::optional<int> code = glyphAt(slot);
    return code ? glyphText(*code) : QString();
}

QString NameComposer::nameText() const
{
    QString text;
    for (int slot = 0; slot < SlotCount; ++slot)
        text += slotText(slot);
    return text;
}

QString NameComposer::nameLine(QStringView quote) const
{
    QString line = QStringLiteral("name ");
    line += quote;
    line += nameText();
    line += quote;
    return line;
}

QString NameComposer::glyphText(int code)
{
    if (code == 0 || code == '\n' || code == '\r')
        return {};
    return QString(QChar(char16_t(code)));
}
