#include <hoverlet/olecolor.h>

#include <QPalette>

#include <array>
#include <optional>

namespace hoverlet {

namespace {

struct SystemColor
{
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

// The desktop's system colour indices, by the palette role that plays the same part in Qt.
constexpr std::array<std::optional<SystemColor>, 31> systemColors = {{
    SystemColor{QPalette::Active, QPalette::Mid},               // 0 scroll bar
    SystemColor{QPalette::Active, QPalette::Dark},              // 1 desktop
    SystemColor{QPalette::Active, QPalette::Highlight},         // 2 active caption
    SystemColor{QPalette::Inactive, QPalette::Highlight},       // 3 inactive caption
    SystemColor{QPalette::Active, QPalette::Window},            // 4 menu
    SystemColor{QPalette::Active, QPalette::Base},              // 5 window
    SystemColor{QPalette::Active, QPalette::Shadow},            // 6 window frame
    SystemColor{QPalette::Active, QPalette::WindowText},        // 7 menu text
    SystemColor{QPalette::Active, QPalette::Text},              // 8 window text
    SystemColor{QPalette::Active, QPalette::HighlightedText},   // 9 caption text
    SystemColor{QPalette::Active, QPalette::Window},            // 10 active border
    SystemColor{QPalette::Inactive, QPalette::Window},          // 11 inactive border
    SystemColor{QPalette::Active, QPalette::Dark},              // 12 application workspace
    SystemColor{QPalette::Active, QPalette::Highlight},         // 13 highlight
    SystemColor{QPalette::Active, QPalette::HighlightedText},   // 14 highlighted text
    SystemColor{QPalette::Active, QPalette::Button},            // 15 button face
    SystemColor{QPalette::Active, QPalette::Dark},              // 16 button shadow
    SystemColor{QPalette::Disabled, QPalette::Text},            // 17 grey text
    SystemColor{QPalette::Active, QPalette::ButtonText},        // 18 button text
    SystemColor{QPalette::Inactive, QPalette::HighlightedText}, // 19 inactive caption text
    SystemColor{QPalette::Active, QPalette::Light},             // 20 button highlight
    SystemColor{QPalette::Active, QPalette::Shadow},            // 21 3-D dark shadow
    SystemColor{QPalette::Active, QPalette::Midlight},          // 22 3-D light
    SystemColor{QPalette::Active, QPalette::ToolTipText},       // 23 tool-tip text
    SystemColor{QPalette::Active, QPalette::ToolTipBase},       // 24 tool-tip background
    std::nullopt,                                               // 25 unused
    SystemColor{QPalette::Active, QPalette::Link},              // 26 hot-tracked item
    SystemColor{QPalette::Active, QPalette::Highlight},         // 27 active caption gradient
    SystemColor{QPalette::Inactive, QPalette::Highlight},       // 28 inactive caption gradient
    SystemColor{QPalette::Active, QPalette::Highlight},         // 29 menu highlight
    SystemColor{QPalette::Active, QPalette::Window},            // 30 menu bar
}};

} // namespace

QColor toQColor(OleColor colour, const QPalette &palette)
{
    if (!isSystemColor(colour))
        return QColor(int(colour & 0xFF), int(colour >> 8 & 0xFF), int(colour >> 16 & 0xFF));
    // Only the low byte names the system colour; anything else in between makes it unknown.
    if ((colour & 0x7FFFFF00u) != 0 || (colour & 0xFF) >= systemColors.size())
        return QColor();
    const auto &entry = systemColors[colour & 0xFF];
    if (!entry)
        return QColor();
    return palette.color(entry->group, entry->role);
}

} // namespace hoverlet
