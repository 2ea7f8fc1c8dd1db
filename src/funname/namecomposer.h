#pragma once

#include <QString>
#include <array>
#include <optional>

// A player name of up to fifteen glyphs, composed slot by slot. CursorSlot is the slot
// the next glyph fills; 15 means the last slot has been filled. The marker shows the
// cursor's slot but stays under the last slot once the name is full.
class NameComposer
{
public:
    static constexpr int SlotCount = 15;

    // Fills the cursor's slot, overwriting it, and moves the cursor on. Returns false,
    // changing nothing, when no slot is left.
    bool PlaceGlyph(int code);
    void SelectSlot(int slot);
    // Clears the slot before the cursor and moves the cursor back onto it.
    void BackspaceGlyph();
    void ClearName();

    int CursorSlot() const { return m_cursor; }
    int markerSlot() const;
    // The glyph code placed in a slot, or nothing when the slot is empty.
    std::optional<int> glyphAt(int slot) const;
    QString slotText(int slot) const;

    // The slot texts in order; empty slots leave no trace.
    QString nameText() const;
    // name "…" — the binding line that puts the name into the game.
    QString nameLine(QStringView quote) const;

    // What a glyph adds to the name: its own byte as one character. NUL, line feed and
    // carriage return add nothing: the first ends the string in the game, the other two
    // would break the line in two when the file is read back.
    static QString glyphText(int code);

private:
    std::array<std::optional<int>, SlotCount> m_slots;
    int m_cursor = 0;
};
