#pragma once

#include "console/keycapture.h"

#include <QToolButton>
#include <functional>

// The button beside the key field that takes the next key pressed, mouse button clicked on
// it or wheel step anywhere in the window as the key to bind, named as the game names it.
// Escape, a click elsewhere or the focus leaving it gives up without a key. While it waits
// it stays down.
class KeyCaptureButton final : public QToolButton
{
    Q_OBJECT

public:
    // game: the game whose names to use, asked at each capture.
    explicit KeyCaptureButton(std::function<console::Game()> game, QWidget* parent = nullptr);
    ~KeyCaptureButton() override;

    bool isCapturing() const { return isChecked(); }

signals:
    void capturing(bool waiting);
    // Whatever came, named or not; nothing when the capture was given up.
    void captured(const console::CapturedKey& key);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void wait(bool waiting);
    void finish(const console::CapturedKey& key);
    bool take(QObject* watched, QEvent* event);

    std::function<console::Game()> m_game;
};
