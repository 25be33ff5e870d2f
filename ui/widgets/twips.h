#pragma once

#include <QRect>
#include <QSize>

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

} // namespace molvera
