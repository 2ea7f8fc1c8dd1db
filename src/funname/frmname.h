#pragma once

#include "funname/namecomposer.h"

#include <QImage>
#include "shared/sidewindow.h"


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
    explicit frmName(QWidget* mainWindow);

    void PlaceGlyph(int code);
    void SelectSlot(int slot);
    void BackspaceGlyph();
    void ClearName();
    // Hands on the name line, for the top of the binding list.
    void AddNameToBind();

    int CursorSlot() const { return m_name.CursorSlot(); }
    QString slotText(int slot) const { return m_name.slotText(slot); }
    // The glyph picture shown in a slot; a null image for an empty slot.
    QImage slotPicture(int slot) const;
    // Left edge of the marker inside the name strip, in twips.
    int markerLeft() const;

signals:
    void nameComposed(const QString& line);

private:
    void buildMenu();
    QWidget* buildClientArea();
    void buildPalette(QWidget* parent);
    void centreOnScreen();
    void nameChanged();

    NameComposer m_name;
    NameStrip* m_picture1 = nullptr;
    QLabel* m_lblCap = nullptr;
};
