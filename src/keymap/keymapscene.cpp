#include "keymap/keymapscene.h"

#include "console/keynames.h"
#include "editor/problemmarker.h"
#include "keymap/keymapmodel.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QTransform>
#include <algorithm>

namespace keymap {
namespace {

// Room between neighbouring keys, in key widths.
constexpr qreal Gap = 0.08;
constexpr qreal Margin = 0.25;

QString latin1(QByteArrayView bytes)
{
    return QString::fromLatin1(bytes.data(), bytes.size());
}

// The text a key cap shows for a name: the character for a one-character name.
QString capText(const QByteArray& name)
{
    if (name == "SEMICOLON")
        return QStringLiteral(";");
    if (name.size() == 1 && name.front() >= 'a' && name.front() <= 'z')
        return QString(QLatin1Char(char(name.front() - 'a' + 'A')));
    return latin1(name);
}

// ` and ~ open the console and cannot be bound, as key capture says too.
bool isConsoleKey(QByteArrayView name)
{
    return name == "`" || name == "~";
}

// Letters in capitals, as on key caps, unless the capital takes more than one character (ß).
QString capLegend(const QString& typed)
{
    const QString upper = typed.toUpper();
    return upper.size() == typed.size() ? upper : typed;
}

} // namespace

KeymapScene::KeymapScene(const KeymapEngine& engine, const KeyboardLayout& layout)
    : m_engine(engine), m_layoutName(layout.name()), m_layoutLoaded(layout.isLoaded())
{
    std::vector<PhysicalKey> physical = keyboardKeys(layout.isIso());
    for (PhysicalKey& key : mouseKeys(engine.extraMouse))
        physical.push_back(std::move(key));
    for (PhysicalKey& key : gamepadKeys(engine.padButtons))
        physical.push_back(std::move(key));
    for (PhysicalKey& key : physical) {
        SceneKey scene;
        scene.physical = std::move(key);
        switch (scene.physical.kind) {
        case KeyKind::Character:
            scene.name = layout.engineName(scene.physical.evdev);
            scene.legend = capLegend(layout.legend(scene.physical.evdev));
            break;
        case KeyKind::Keypad:
            // An engine without the KP_ name reads the key as the one it stands for.
            scene.name = stateOfName(scene.physical.name) == KeyState::Free ? scene.physical.name
                                                                            : scene.physical.ordinaryName;
            scene.legend = capText(scene.name);
            break;
        default:
            scene.name = scene.physical.name;
            scene.legend = capText(scene.name);
            break;
        }
        m_bounds |= scene.physical.rect;
        m_keys.push_back(std::move(scene));
    }
    m_bounds.adjust(-Margin, -Margin, Margin, Margin);
}

KeyState KeymapScene::stateOfName(const QByteArray& name) const
{
    if (name.isEmpty() || isConsoleKey(name))
        return KeyState::Unnamed;
    if (m_engine.padButtons.contains(name) || m_engine.extraMouse.contains(name))
        return KeyState::Free;
    const console::KeyLookup lookup = console::lookUpKey(name, m_engine.engine);
    return lookup.verdict == console::KeyLookup::Verdict::Known ? KeyState::Free : KeyState::OtherEngine;
}

QString KeymapScene::nameStatus(const QByteArray& name) const
{
    const console::KeyLookup lookup = console::lookUpKey(name, m_engine.engine);
    if (lookup.engines)
        return QStringLiteral("Only %1 know the name %2.")
            .arg(QString::fromLatin1(console::engineNames(lookup.engines)), latin1(name));
    return QStringLiteral("%1 has no key named %2.").arg(m_engine.engine.name(), latin1(name));
}

void KeymapScene::update(const KeymapModel& model, const RowProblem& problem, QByteArrayView search)
{
    const QList<QByteArray> lit = search.trimmed().isEmpty() ? QList<QByteArray>() : model.keysRunning(search);
    QList<QByteArray> placed;
    for (SceneKey& key : m_keys) {
        const PhysicalKey& physical = key.physical;
        key.byPosition = false;
        const QByteArray& name = key.name;
        // ezQuake: a character bound while con_bindphysical was 1 names the key where a US
        // keyboard has it; one bound while it was 0 names the key that types it.
        const bool positional = physical.kind == KeyKind::Character && m_engine.physicalCharacters;
        const auto counts = [&](const Binding& binding) {
            if (!positional)
                return true;
            return binding.physical ? keyIdentity(binding.key) == keyIdentity(physical.name)
                                    : keyIdentity(binding.key) == keyIdentity(name);
        };
        if (!name.isEmpty())
            placed.append(keyIdentity(name));
        if (positional)
            placed.append(keyIdentity(physical.name));
        if (m_engine.scancodeNames && !physical.scancodeName.isEmpty())
            placed.append(keyIdentity(physical.scancodeName));
        const Binding* live = name.isEmpty() ? nullptr : model.liveBinding(name);
        if (live && !counts(*live))
            live = nullptr;
        QByteArray boundName = name;
        if (positional) {
            const Binding* byPosition = model.liveBinding(physical.name);
            if (byPosition && counts(*byPosition) && (!live || byPosition->row >= live->row)) {
                live = byPosition;
                boundName = physical.name;
                key.byPosition = true;
            }
        }
        if (!live && m_engine.scancodeNames && !physical.scancodeName.isEmpty()) {
            live = model.liveBinding(physical.scancodeName);
            if (live) {
                boundName = physical.scancodeName;
                key.byPosition = true;
            }
        }
        key.row = live ? live->row : -1;
        key.binding = live ? latin1(live->command) : QString();
        key.severity = live && problem ? problem(live->row) : std::nullopt;
        key.lit = live && lit.contains(keyIdentity(boundName));
        if (live)
            key.state = key.severity ? KeyState::Problem : KeyState::Bound;
        else if (name.isEmpty() && !(m_engine.scancodeNames && !physical.scancodeName.isEmpty()))
            key.state = KeyState::Unnamed;
        else
            key.state = stateOfName(name);

        // The tooltip: the key's name, what decides it, and every line that binds it.
        QStringList lines;
        if (name.isEmpty())
            lines << QStringLiteral("%1 cannot bind this key with the %2 layout.")
                         .arg(m_engine.engine.name(), m_layoutName);
        else
            lines << latin1(name);
        if (key.state == KeyState::OtherEngine && !name.isEmpty())
            lines << nameStatus(name);
        if (isConsoleKey(name))
            lines << QStringLiteral("The console key cannot be bound.");
        if (positional && key.byPosition)
            lines << QStringLiteral("Bound by position: ezQuake runs a file with con_bindphysical 1, which "
                                    "names this key %1, its place on a US keyboard.")
                         .arg(latin1(physical.name));
        else if (positional && physical.name != name)
            lines << QStringLiteral("In a file ezQuake runs (con_bindphysical 1) this key is %1, its place on "
                                    "a US keyboard.")
                         .arg(latin1(physical.name));
        else if (m_engine.scancodeNames && !physical.scancodeName.isEmpty())
            lines << QStringLiteral("Also %1, which binds the key by its position whatever the layout.")
                         .arg(latin1(physical.scancodeName));
        if (!m_layoutLoaded && physical.kind == KeyKind::Character)
            lines
                << QStringLiteral("The layout %1 could not be loaded; the keys are shown as on US.").arg(m_layoutName);
        std::vector<const Binding*> all;
        const QByteArray others[] = {name, positional && physical.name != name ? physical.name : QByteArray(),
                                     m_engine.scancodeNames ? physical.scancodeName : QByteArray()};
        for (const QByteArray& each : others)
            if (!each.isEmpty())
                for (const Binding& binding : model.bindingsOf(each))
                    if (counts(binding))
                        all.push_back(&binding);
        std::ranges::sort(all, {}, &Binding::row);
        if (all.empty())
            lines << QStringLiteral("Free");
        for (const Binding* binding : all)
            lines << QStringLiteral("Line %1: bind %2 %3%4")
                         .arg(binding->row + 1)
                         .arg(latin1(binding->key), latin1(binding->command),
                              binding->dead ? QStringLiteral("  (replaced further down)") : QString());
        key.toolTip = lines.join(u'\n');
    }
    m_unplaced.clear();
    for (const QByteArray& identity : model.boundKeys())
        if (!placed.contains(identity))
            m_unplaced.append(model.liveBinding(identity)->key);
}

const SceneKey* KeymapScene::keyAt(QPointF point) const
{
    for (const SceneKey& key : m_keys)
        if (key.physical.rect.contains(point))
            return &key;
    return nullptr;
}

const SceneKey* KeymapScene::keyNamed(QByteArrayView name) const
{
    const QByteArray identity = keyIdentity(name);
    for (const SceneKey& key : m_keys)
        if (!key.name.isEmpty() && keyIdentity(key.name) == identity)
            return &key;
    return nullptr;
}

QTransform KeymapScene::fitting(const QRectF& bounds, const QRectF& target)
{
    if (bounds.isEmpty() || target.isEmpty())
        return {};
    const qreal scale = std::min(target.width() / bounds.width(), target.height() / bounds.height());
    const QPointF offset = target.center() - QPointF(bounds.width(), bounds.height()) * scale / 2;
    return QTransform::fromTranslate(offset.x(), offset.y())
        .scale(scale, scale)
        .translate(-bounds.left(), -bounds.top());
}

QColor KeymapScene::colour(const SceneKey& key)
{
    if (key.lit)
        return QColor(0xff, 0xd5, 0x4f);
    switch (key.state) {
    case KeyState::Free:
        return QColor(0xf7, 0xf7, 0xf7);
    case KeyState::Bound:
        return QColor(0xb9, 0xdf, 0xf5);
    case KeyState::Problem:
        return problemmarker::colour(*key.severity).lighter(150);
    case KeyState::OtherEngine:
        return QColor(0xd4, 0xd4, 0xd4);
    case KeyState::Unnamed:
        return QColor(0xc4, 0xc4, 0xc4);
    }
    return Qt::white;
}

void KeymapScene::paint(QPainter& painter, const QRectF& target) const
{
    const QTransform transform = fitting(m_bounds, target);
    const qreal unit = transform.m11();
    if (unit <= 0)
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(target, QColor(0x5a, 0x5f, 0x66));
    QFont nameFont = painter.font();
    nameFont.setPixelSize(std::max(1, int(unit * 0.26)));
    nameFont.setBold(true);
    QFont bindingFont = nameFont;
    bindingFont.setBold(false);
    bindingFont.setPixelSize(std::max(1, int(unit * 0.22)));
    const QFontMetricsF nameMetrics(nameFont);
    const QFontMetricsF bindingMetrics(bindingFont);
    for (const SceneKey& key : m_keys) {
        const QRectF rect = transform.mapRect(key.physical.rect.adjusted(Gap, Gap, -Gap, -Gap));
        const bool dimmed = key.state == KeyState::OtherEngine || key.state == KeyState::Unnamed;
        painter.setPen(QPen(key.lit ? QColor(0x8a, 0x4b, 0x00) : QColor(0x30, 0x30, 0x30), key.lit ? 2.0 : 1.0));
        painter.setBrush(colour(key));
        painter.drawRoundedRect(rect, unit * 0.1, unit * 0.1);
        const QRectF text = rect.adjusted(unit * 0.08, unit * 0.05, -unit * 0.08, -unit * 0.05);
        painter.setPen(dimmed ? QColor(0x70, 0x70, 0x70) : QColor(Qt::black));
        const QString legend = key.physical.kind == KeyKind::Character && !key.legend.isEmpty() ? key.legend
                                                                                                : capText(key.name);
        // A long name such as KP_LEFTARROW is written smaller rather than cut, down to half.
        const qreal width = nameMetrics.horizontalAdvance(legend);
        if (width > text.width()) {
            QFont smaller = nameFont;
            smaller.setPixelSize(std::max(1, int(nameFont.pixelSize() * std::max(0.5, text.width() / width))));
            painter.setFont(smaller);
            painter.drawText(text, Qt::AlignLeft | Qt::AlignTop,
                             QFontMetricsF(smaller).elidedText(legend, Qt::ElideRight, text.width()));
        } else {
            painter.setFont(nameFont);
            painter.drawText(text, Qt::AlignLeft | Qt::AlignTop, legend);
        }
        if (!key.binding.isEmpty()) {
            painter.setFont(bindingFont);
            painter.setPen(QColor(0x10, 0x10, 0x40));
            painter.drawText(text, Qt::AlignLeft | Qt::AlignBottom,
                             bindingMetrics.elidedText(key.binding, Qt::ElideRight, text.width()));
        }
    }
    painter.restore();
}

} // namespace keymap
