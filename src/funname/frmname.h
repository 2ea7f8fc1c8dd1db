#pragma once

#include "funname/namecomposer.h"

#include <QImage>
#include "shared/sidewindow.h"

#include <QPointer>

class BindingList;
class GlyphPalette;
class NameStrip;
class QLabel;

// The fun name editor: a player name of up to fifteen console glyphs, composed by
// clicking the palette, put into the binding list as a "name" line. A side window
// without an owner; it docks to the main window's right edge while its box is ticked.
class frmName final : public SideWindow
{
    Q_OBJECT

public:
    frmName(QWidget* mainWindow, BindingList* lstBind);

    void PlaceGlyph(int code);
    void SelectSlot(int slot);
    void BackspaceGlyph();
    void ClearName();
    // Inserts the name line at the top of the binding list.
    void AddNameToBind();

    int CursorSlot() const { return m_name.CursorSlot(); }
    QString slotText(int slot) const { return m_name.slotText(slot); }
    // The glyph picture shown in a slot; a null image for an empty slot.
    QImage slotPicture(int slot) const;
    // Left edge of the marker inside the name strip, in twips.
    int markerLeft() const;

private:
    void buildMenu();
    QWidget* buildClientArea();
    void buildPalette(QWidget* parent);
    void centreOnScreen();
    void nameChanged();

    NameComposer m_name;
    QPointer<BindingList> m_lstBind;
    NameStrip* m_picture1 = nullptr;
    QLabel* m_lblCap = nullptr;
};
