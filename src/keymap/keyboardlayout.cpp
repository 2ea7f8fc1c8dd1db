#include "keymap/keyboardlayout.h"

#include "keymap/keyboardgeometry.h"

#include <QLocale>
#include <QRegularExpression>
#include <memory>
#include <xkbcommon/xkbcommon.h>

namespace keymap {
namespace {

// xkb numbers keys as the X server does, eight above the evdev codes.
constexpr int EvdevOffset = 8;
constexpr int LastEvdev = 127;

template <typename T, void (*Free)(T*)>
struct Deleter
{
    void operator()(T* object) const { Free(object); }
};
using Context = std::unique_ptr<xkb_context, Deleter<xkb_context, xkb_context_unref>>;
using Keymap = std::unique_ptr<xkb_keymap, Deleter<xkb_keymap, xkb_keymap_unref>>;
using State = std::unique_ptr<xkb_state, Deleter<xkb_state, xkb_state_unref>>;

// Dead keys type nothing by themselves; their caps show the accent.
QString deadKeyLegend(xkb_keysym_t keysym)
{
    switch (keysym) {
    case XKB_KEY_dead_grave:
        return QStringLiteral("`");
    case XKB_KEY_dead_acute:
        return QStringLiteral("´");
    case XKB_KEY_dead_circumflex:
        return QStringLiteral("^");
    case XKB_KEY_dead_tilde:
        return QStringLiteral("~");
    case XKB_KEY_dead_diaeresis:
        return QStringLiteral("¨");
    case XKB_KEY_dead_cedilla:
        return QStringLiteral("¸");
    default:
        return {};
    }
}

// "de(nodeadkeys)" → layout "de", variant "nodeadkeys".
std::pair<QByteArray, QByteArray> layoutAndVariant(const QString& name)
{
    static const QRegularExpression pattern(QStringLiteral("^([a-z]{2,3})(?:\\(([A-Za-z0-9_-]+)\\))?$"));
    const QRegularExpressionMatch match = pattern.match(name.trimmed());
    if (!match.hasMatch())
        return {};
    return {match.captured(1).toLatin1(), match.captured(2).toLatin1()};
}

// Layouts without the ISO key: the US ones and those built on them.
bool usesAnsi(const QByteArray& layout)
{
    return layout == "us" || layout == "ru" || layout == "ua" || layout == "il" || layout == "th";
}

} // namespace

KeyboardLayout::KeyboardLayout(const QString& name) : m_name(name)
{
    const auto [layout, variant] = layoutAndVariant(name);
    m_iso = !layout.isEmpty() && !usesAnsi(layout);
    Context context(layout.isEmpty() ? nullptr : xkb_context_new(XKB_CONTEXT_NO_ENVIRONMENT_NAMES));
    Keymap keymap;
    if (context) {
        xkb_context_set_log_level(context.get(), XKB_LOG_LEVEL_CRITICAL);
        const xkb_rule_names names{"evdev", "pc105", layout.constData(),
                                   variant.isEmpty() ? nullptr : variant.constData(), nullptr};
        keymap.reset(xkb_keymap_new_from_names(context.get(), &names, XKB_KEYMAP_COMPILE_NO_FLAGS));
    }
    State state(keymap ? xkb_state_new(keymap.get()) : nullptr);
    m_loaded = bool(state);
    if (!m_loaded)
        m_iso = false;
    for (int evdev = 1; evdev <= LastEvdev; ++evdev) {
        if (!state) {
            if (const char c = usCharacter(evdev))
                m_legends.insert(evdev, QString(QLatin1Char(c)));
            continue;
        }
        const xkb_keycode_t keycode = xkb_keycode_t(evdev + EvdevOffset);
        char utf8[16] = {};
        xkb_state_key_get_utf8(state.get(), keycode, utf8, sizeof utf8);
        QString legend = QString::fromUtf8(utf8);
        if (legend.isEmpty())
            legend = deadKeyLegend(xkb_state_key_get_one_sym(state.get(), keycode));
        // Control characters (Tab, Enter, Escape…) are named keys, not legends.
        if (!legend.isEmpty() && legend.front().isPrint())
            m_legends.insert(evdev, legend);
    }
}

QByteArray KeyboardLayout::engineName(int evdev) const
{
    const QString legend = m_legends.value(evdev);
    if (legend.size() != 1 || legend.front().unicode() < 33 || legend.front().unicode() > 126)
        return {};
    const char c = char(legend.front().unicode());
    if (c == ';')
        return "SEMICOLON";
    if (c == '"')
        return "DOUBLEQUOTE";
    return QByteArray(1, c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c);
}

QString KeyboardLayout::desktopLayout()
{
    const QByteArray environment = qgetenv("XKB_DEFAULT_LAYOUT");
    if (!environment.isEmpty()) {
        // The first of a list such as "fr,us" is the one in use at start.
        return QString::fromLatin1(environment.split(',').front().trimmed());
    }
    switch (QLocale().territory()) {
    case QLocale::France:
        return QStringLiteral("fr");
    case QLocale::Belgium:
        return QStringLiteral("be");
    case QLocale::Germany:
    case QLocale::Austria:
        return QStringLiteral("de");
    case QLocale::Switzerland:
        return QStringLiteral("ch");
    case QLocale::UnitedKingdom:
        return QStringLiteral("gb");
    case QLocale::Spain:
        return QStringLiteral("es");
    case QLocale::Italy:
        return QStringLiteral("it");
    case QLocale::Portugal:
        return QStringLiteral("pt");
    case QLocale::Brazil:
        return QStringLiteral("br");
    case QLocale::Sweden:
        return QStringLiteral("se");
    case QLocale::Norway:
        return QStringLiteral("no");
    case QLocale::Denmark:
        return QStringLiteral("dk");
    case QLocale::Finland:
        return QStringLiteral("fi");
    case QLocale::Poland:
        return QStringLiteral("pl");
    case QLocale::CzechRepublic:
        return QStringLiteral("cz");
    case QLocale::Russia:
        return QStringLiteral("ru");
    case QLocale::Netherlands:
        return QStringLiteral("us");
    default:
        return QStringLiteral("us");
    }
}

QString KeyboardLayout::layoutFromRulesNames(QByteArrayView names)
{
    const QList<QByteArray> fields = names.toByteArray().split('\0');
    if (fields.size() < 3)
        return {};
    // "fr,us": the first group is the one in use until the user switches.
    const QByteArray layout = fields[2].split(',').front().trimmed();
    const QByteArray variant = fields.size() > 3 ? fields[3].split(',').front().trimmed() : QByteArray();
    QString name = QString::fromLatin1(layout);
    if (!variant.isEmpty())
        name += u'(' + QString::fromLatin1(variant) + u')';
    // Only a name the layout box would take: anything else is not a layout name.
    return layoutAndVariant(name).first.isEmpty() ? QString() : name;
}

QStringList KeyboardLayout::commonLayouts()
{
    return {QStringLiteral("us"), QStringLiteral("gb"), QStringLiteral("fr"), QStringLiteral("be"),
            QStringLiteral("de"), QStringLiteral("ch"), QStringLiteral("es"), QStringLiteral("it"),
            QStringLiteral("pt"), QStringLiteral("br"), QStringLiteral("se"), QStringLiteral("no"),
            QStringLiteral("dk"), QStringLiteral("fi"), QStringLiteral("pl"), QStringLiteral("cz"),
            QStringLiteral("ru")};
}

} // namespace keymap
