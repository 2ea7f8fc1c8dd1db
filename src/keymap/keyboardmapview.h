#pragma once

#include "keymap/keymapscene.h"

#include <QWidget>
#include <memory>

// The keyboard, mouse and pad of a KeymapScene, scaled to the widget: each key shows its
// engine name and its binding, coloured by its state, and its tooltip tells every line that
// binds it.
class KeyboardMapView final : public QWidget
{
    Q_OBJECT

public:
    explicit KeyboardMapView(QWidget* parent = nullptr);
    ~KeyboardMapView() override;

    // The scene to draw; the view keeps it and redraws when told it changed.
    void setScene(std::unique_ptr<keymap::KeymapScene> scene);
    keymap::KeymapScene* scene() const { return m_scene.get(); }
    void sceneChanged() { update(); }

    // The scene key under a point of the widget, or nullptr.
    const keymap::SceneKey* keyAt(QPoint position) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    // Every click on a key, with its engine name.
    void keyClicked(const QString& name);
    // A click on a bound key: the row of its binding, from 0.
    void rowChosen(int row);
    // A double-click on a bound key.
    void rowActivated(int row);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    bool event(QEvent* event) override;

private:
    std::unique_ptr<keymap::KeymapScene> m_scene;
};
