#pragma once

#include "keymap/keymapengine.h"
#include "keymap/keymapmodel.h"
#include "shared/sidewindow.h"

class KeyboardMapView;
class KeymapRows;
class QComboBox;
class QLabel;
class QLineEdit;

// "Keyboard Map": the binding list drawn on a keyboard, mouse and pad beside the main window.
// It reads the rows through KeymapRows and follows every change of them; a search field
// lights the keys whose binding runs a command, and a layout box chooses what each key types.
// It has no owner and is deleted when closed.
class KeyboardMapWindow final : public SideWindow
{
    Q_OBJECT

public:
    // rows must outlive the window. layout: an xkb layout name; empty for the desktop's.
    KeyboardMapWindow(QWidget* mainWindow, const KeymapRows& rows, const keymap::KeymapEngine& engine,
                      const QString& layout = {});
    ~KeyboardMapWindow() override;

    void setEngine(const keymap::KeymapEngine& engine);
    void setKeyboardLayout(const QString& layout);
    QString keyboardLayout() const;
    // Reads the rows again and redraws; called on every change of the list.
    void refresh();

    KeyboardMapView* view() const { return m_view; }
    QLineEdit* txtSearch() const { return m_txtSearch; }
    QComboBox* cboLayout() const { return m_cboLayout; }
    const keymap::KeymapModel& model() const { return m_model; }

signals:
    void keyClicked(const QString& name);
    void rowChosen(int row);
    void rowActivated(int row);

private:
    void createControls();
    void rebuildScene();
    void scheduleRefresh();
    void updateScene();

    const KeymapRows& m_rows;
    keymap::KeymapEngine m_engine;
    QString m_layout;
    keymap::KeymapModel m_model;
    KeyboardMapView* m_view = nullptr;
    QLineEdit* m_txtSearch = nullptr;
    QComboBox* m_cboLayout = nullptr;
    QLabel* m_lblStatus = nullptr;
    bool m_layoutLoaded = true;
    bool m_refreshPending = false;
};
