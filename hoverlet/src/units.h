#pragma once

#include <QRect>

#include <algorithm>
#include <cstdint>

namespace hoverlet {

// Forms give positions and sizes in twips, 1/1440 inch; at 96 dots per inch 15 make one pixel.
// The factor is fixed: the control's own geometry is measured with it, whatever the screen.
inline constexpr int TwipsPerPixel = 15;

// The one conversion from twips to pixels, rounding to the nearest pixel.
constexpr int twipsToPixels(int twips)
{
    const std::int64_t t = twips;
    const std::int64_t half = t >= 0 ? TwipsPerPixel / 2 : -(TwipsPerPixel / 2);
    return int((t + half) / TwipsPerPixel);
}

constexpr int pixelsToTwips(int pixels)
{
    return pixels * TwipsPerPixel;
}

// A control's place on a form, in twips.
struct TwipsRect
{
    int left;
    int top;
    int width;
    int height;
};

constexpr QRect toPixels(const TwipsRect &r)
{
    return QRect(twipsToPixels(r.left), twipsToPixels(r.top), twipsToPixels(r.width),
                 twipsToPixels(r.height));
}

// Hosts keep sizes in hundredths of a millimetre ("himetric"): 1440 twips are 2540 of them.
// Computed in 64 bits and clamped, since stored values come from outside.
constexpr int twipsToHimetric(std::int64_t twips)
{
    const std::int64_t scaled = twips * 2540;
    const std::int64_t rounded = (scaled >= 0 ? scaled + 720 : scaled - 720) / 1440;
    return int(std::clamp<std::int64_t>(rounded, INT32_MIN, INT32_MAX));
}

constexpr int himetricToTwips(std::int64_t himetric)
{
    const std::int64_t scaled = himetric * 1440;
    const std::int64_t rounded = (scaled >= 0 ? scaled + 1270 : scaled - 1270) / 2540;
    return int(std::clamp<std::int64_t>(rounded, INT32_MIN, INT32_MAX));
}

} // namespace hoverlet
