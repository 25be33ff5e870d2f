#pragma once

#include <QRect>
#include <QSize>
#include <QStringView>
#include <QtGlobal>

#include <span>

namespace molvera {

// Window layouts are kept in twips, as they were designed; 15 twips make one pixel.
inline constexpr int TwipsPerPixel = 15;

// The one conversion from twips to pixels: to the nearest pixel, halves away from zero.
constexpr int twipsToPixels(int twips)
{
    return twips >= 0 ? (twips + TwipsPerPixel / 2) / TwipsPerPixel
                      : -((-twips + TwipsPerPixel / 2) / TwipsPerPixel);
}

// A control's place in its container: left, top, width, height in twips.
struct TwipRect
{
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    constexpr QRect toPixels() const
    {
        return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width),
                twipsToPixels(height)};
    }
    constexpr TwipRect translated(int dx, int dy) const
    {
        return {left + dx, top + dy, width, height};
    }
};

constexpr QSize twipsToPixels(int width, int height)
{
    return {twipsToPixels(width), twipsToPixels(height)};
}

// One row of a layout table: a control's objectName and its place.
struct TwipPlacement
{
    QStringView name;
    TwipRect rect;
};

// The place of `name` in a layout table; a name missing from the table is a programming error.
inline TwipRect placementOf(std::span<const TwipPlacement> layout, QStringView name)
{
    for (const TwipPlacement &placement : layout) {
        if (placement.name == name)
            return placement.rect;
    }
    Q_ASSERT_X(false, "placementOf", "control missing from its layout table");
    return {};
}

} // namespace molvera
