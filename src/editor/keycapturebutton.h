#pragma once

#include "console/keycapture.h"

#include <QToolButton>
#include <functional>

class QComboBox;
class StatusLine;

// The button beside the key field that takes the next key pressed, mouse button clicked on
// it or wheel step anywhere in the window as the key to bind, and writes the game's name for
// it into the key field. The status line asks for the key while it waits, and says why a key
// was refused or which source ports alone know its name. Escape, a click elsewhere or the
// focus leaving it gives up without a key.
class KeyCaptureButton final : public QToolButton
{
    Q_OBJECT

public:
    // game: the game whose names to use, asked at each capture.
    KeyCaptureButton(QComboBox& keyField, StatusLine& status, std::function<console::Engine()> engine,
                     QWidget* parent = nullptr);
    ~KeyCaptureButton() override;

    bool isCapturing() const { return isChecked(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void wait(bool waiting);
    void finish(const console::CapturedKey& key);
    bool take(QObject* watched, QEvent* event);

    QComboBox& m_keyField;
    StatusLine& m_status;
    std::function<console::Engine()> m_engine;
};
