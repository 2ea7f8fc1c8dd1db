#pragma once

#include <QByteArrayView>
#include <QHash>
#include <QString>
#include <QStringList>

// What each key of a keyboard layout types, read from the system's keyboard descriptions with
// libxkbcommon (rules evdev, model pc105), so that a character bind is drawn on the key that
// types it. A layout xkb cannot load falls back to US, and says so.
namespace keymap {

class KeyboardLayout
{
public:
    // name: an xkb layout such as "fr", or with a variant as "de(nodeadkeys)".
    explicit KeyboardLayout(const QString& name = QStringLiteral("us"));

    QString name() const { return m_name; }
    // False when xkb could not load the layout: the keys then type what they do on US.
    bool isLoaded() const { return m_loaded; }
    // Whether the layout uses the ISO keyboard (the key beside the left Shift).
    bool isIso() const { return m_iso; }
    // What the key types without a modifier, for its cap ("^" for a dead circumflex); empty
    // for none.
    QString legend(int evdev) const { return m_legends.value(evdev); }
    // The one-byte key name the engines give the key: the character it types when that is
    // printable ASCII (in lower case), SEMICOLON for ";"; empty when the engines cannot name it.
    QByteArray engineName(int evdev) const;

    // The desktop's layout: XKB_DEFAULT_LAYOUT when set, otherwise the layout of the
    // locale's country, otherwise "us".
    static QString desktopLayout();
    // The layout in use from the X server's _XKB_RULES_NAMES value (rules, model, layouts,
    // variants, options, each ended by a zero byte): the first layout with its variant, as
    // "de(nodeadkeys)"; empty when the value names none.
    static QString layoutFromRulesNames(QByteArrayView names);
    // The layouts offered in the layout box.
    static QStringList commonLayouts();

private:
    QString m_name;
    bool m_loaded = false;
    bool m_iso = false;
    QHash<int, QString> m_legends;
};

} // namespace keymap
