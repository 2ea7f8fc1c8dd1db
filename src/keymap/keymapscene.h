#pragma once

#include "console/diagnostic.h"
#include "keymap/keyboardgeometry.h"
#include "keymap/keyboardlayout.h"
#include "keymap/keymapengine.h"

#include <QColor>
#include <QString>
#include <QTransform>
#include <functional>
#include <optional>
#include <vector>

class QPainter;

namespace keymap {

class KeymapModel;

// A row's gravest console problem, or nothing for a clean row.
using RowProblem = std::function<std::optional<console::Severity>(int row)>;

// How a key is drawn.
enum class KeyState {
    Free,
    Bound,
    Problem,     // its live binding is on a row with a problem
    OtherEngine, // only other engines of the family know its name: dimmed
    Unnamed,     // no engine of the family can bind it
};

struct SceneKey
{
    PhysicalKey physical;
    QString legend;  // what the cap shows
    QByteArray name; // the name a bind uses for the key in this engine and layout; may be empty
    KeyState state = KeyState::Free;
    std::optional<console::Severity> severity; // for Problem
    bool byPosition = false;                   // bound by where the key sits, not by what it types
    bool lit = false;                          // its binding runs what is searched for
    int row = -1;                              // the row of its live binding
    QString binding;                           // the live binding's command text
    QString toolTip;
};

// The keys of one keyboard, mouse and pad for an engine and a layout, with what the script
// binds on each. Positions are in key widths; paint() fits them to any rectangle.
class KeymapScene
{
public:
    KeymapScene(const KeymapEngine& engine, const KeyboardLayout& layout);

    // Takes the bindings, problems and search again; the geometry stays.
    void update(const KeymapModel& model, const RowProblem& problem, QByteArrayView search = {});

    const std::vector<SceneKey>& keys() const { return m_keys; }
    const KeymapEngine& engine() const { return m_engine; }
    QString layoutName() const { return m_layoutName; }
    QRectF bounds() const { return m_bounds; }
    // The key under a point in key widths, or nullptr.
    const SceneKey* keyAt(QPointF point) const;
    const SceneKey* keyNamed(QByteArrayView name) const;
    // The keys with a live binding that no key of the map answers to (JOY1, or ";" on a layout
    // without it), as the script spells them.
    const QList<QByteArray>& unplacedKeys() const { return m_unplaced; }

    // Scales the scene to fit target keeping its proportions, and draws it there.
    void paint(QPainter& painter, const QRectF& target) const;
    // The transform paint() uses from key widths to target.
    static QTransform fitting(const QRectF& bounds, const QRectF& target);

    static QColor colour(const SceneKey& key);

private:
    QString nameStatus(const QByteArray& name) const;
    KeyState stateOfName(const QByteArray& name) const;

    KeymapEngine m_engine;
    QString m_layoutName;
    bool m_layoutLoaded;
    std::vector<SceneKey> m_keys;
    QRectF m_bounds;
    QList<QByteArray> m_unplaced;
};

} // namespace keymap
