#include "shared/colorvalue.h"

#include <array>

namespace colorvalue {
namespace {

struct SystemColour
{
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

// The usual system colour numbers, 0 to 30, mapped to the palette role that plays the
// same part; the few without a counterpart borrow the nearest one.
constexpr std::array<SystemColour, 31> systemColours{{
    {QPalette::Active, QPalette::Mid},             // 0 scroll bar
    {QPalette::Active, QPalette::Dark},            // 1 desktop
    {QPalette::Active, QPalette::Highlight},       // 2 active caption
    {QPalette::Inactive, QPalette::Mid},           // 3 inactive caption
    {QPalette::Active, QPalette::Window},          // 4 menu
    {QPalette::Active, QPalette::Base},            // 5 window
    {QPalette::Active, QPalette::Shadow},          // 6 window frame
    {QPalette::Active, QPalette::WindowText},      // 7 menu text
    {QPalette::Active, QPalette::Text},            // 8 window text
    {QPalette::Active, QPalette::HighlightedText}, // 9 caption text
    {QPalette::Active, QPalette::Button},          // 10 active border
    {QPalette::Inactive, QPalette::Button},        // 11 inactive border
    {QPalette::Active, QPalette::Dark},            // 12 application workspace
    {QPalette::Active, QPalette::Highlight},       // 13 highlight
    {QPalette::Active, QPalette::HighlightedText}, // 14 highlighted text
    {QPalette::Active, QPalette::Button},          // 15 button face
    {QPalette::Active, QPalette::Mid},             // 16 button shadow
    {QPalette::Disabled, QPalette::Text},          // 17 grey text
    {QPalette::Active, QPalette::ButtonText},      // 18 button text
    {QPalette::Inactive, QPalette::WindowText},    // 19 inactive caption text
    {QPalette::Active, QPalette::Light},           // 20 button highlight
    {QPalette::Active, QPalette::Shadow},          // 21 3D dark shadow
    {QPalette::Active, QPalette::Midlight},        // 22 3D light
    {QPalette::Active, QPalette::ToolTipText},     // 23 tooltip text
    {QPalette::Active, QPalette::ToolTipBase},     // 24 tooltip background
    {QPalette::Active, QPalette::Button},          // 25 (unused number)
    {QPalette::Active, QPalette::Link},            // 26 hot-tracked item
    {QPalette::Active, QPalette::Highlight},       // 27 active caption gradient
    {QPalette::Inactive, QPalette::Mid},           // 28 inactive caption gradient
    {QPalette::Active, QPalette::Highlight},       // 29 menu highlight
    {QPalette::Active, QPalette::Window},          // 30 menu bar
}};

} // namespace

std::optional<quint32> translate(quint32 value, const QPalette& palette)
{
    if ((value & 0xFF000000u) == 0)
        return value;
    if (!isSystem(value))
        return std::nullopt;
    const quint32 number = value & 0x00FFFFFFu;
    if (number >= systemColours.size())
        return std::nullopt;
    const SystemColour& system = systemColours[number];
    return fromColor(palette.color(system.group, system.role));
}

QColor toColor(quint32 value, const QPalette& palette)
{
    const quint32 direct = translate(value, palette).value_or(0);
    return QColor(int(direct & 0xFF), int(direct >> 8 & 0xFF), int(direct >> 16 & 0xFF));
}

QPalette textPalette(QPalette palette, quint32 foreColor, quint32 backColor, const QPalette& system)
{
    palette.setColor(QPalette::Text, toColor(foreColor, system));
    palette.setColor(QPalette::Base, toColor(backColor, system));
    return palette;
}

} // namespace colorvalue
