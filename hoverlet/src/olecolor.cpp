#include <hoverlet/olecolor.h>

#include <QPalette>

#include <algorithm>
#include <array>
#include <cmath>
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

// Below this relative luminance white text reads better than black: the face is dark.
constexpr double DarkFaceLimit = 0.179;
constexpr double ReadableRatio = 4.5;

double linearChannel(int value)
{
    const double c = value / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double relativeLuminance(const QColor &colour)
{
    const QColor rgb = colour.toRgb();
    return 0.2126 * linearChannel(rgb.red()) + 0.7152 * linearChannel(rgb.green()) +
           0.0722 * linearChannel(rgb.blue());
}

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

double contrastRatio(const QColor &first, const QColor &second)
{
    const double a = relativeLuminance(first);
    const double b = relativeLuminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

bool isDarkFace(const QColor &face)
{
    return relativeLuminance(face) < DarkFaceLimit;
}

QColor readableOn(const QColor &colour, const QColor &background)
{
    if (!isDarkFace(background) || contrastRatio(colour, background) >= ReadableRatio)
        return colour;
    const QColor hsl = colour.toHsl();
    constexpr int Step = 4;
    int lightness = std::max(hsl.lightness(), 255 - hsl.lightness());
    QColor shown = QColor::fromHsl(hsl.hslHue(), hsl.hslSaturation(), lightness);
    while (contrastRatio(shown, background) < ReadableRatio && lightness < 255) {
        lightness = std::min(255, lightness + Step);
        shown = QColor::fromHsl(hsl.hslHue(), hsl.hslSaturation(), lightness);
    }
    return shown.toRgb();
}

} // namespace hoverlet
