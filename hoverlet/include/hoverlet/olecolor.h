#pragma once

#include <hoverlet/hoverlet_export.h>

#include <QColor>

class QPalette;

namespace hoverlet {

// A colour as forms store it: 32 bits, either direct (blue in bits 16-23, green in 8-15, red in
// 0-7) or, with the top bit set, a system colour whose index is in the low byte.
using OleColor = quint32;

namespace OleColors {
inline constexpr OleColor Red = 0x000000FF;
inline constexpr OleColor Blue = 0x00FF0000;
inline constexpr OleColor MenuBar = 0x80000004;
inline constexpr OleColor Window = 0x80000005;
inline constexpr OleColor WindowText = 0x80000008;
inline constexpr OleColor ButtonFace = 0x8000000F;
inline constexpr OleColor ButtonText = 0x80000012;
} // namespace OleColors

constexpr bool isSystemColor(OleColor colour)
{
    return (colour & 0x80000000u) != 0;
}

constexpr OleColor oleColorFromRgb(int red, int green, int blue)
{
    return OleColor(blue & 0xFF) << 16 | OleColor(green & 0xFF) << 8 | OleColor(red & 0xFF);
}

// Direct colours give their RGB value; system colours the matching role of `palette`
// (button face -> Button, window -> Base, menu -> Window ...). An unknown system colour index
// gives an invalid QColor, so callers can keep what they had.
HOVERLET_EXPORT QColor toQColor(OleColor colour, const QPalette &palette);

// The contrast ratio of two colours as WCAG 2 defines it, from 1 (the same) to 21 (black and
// white); text reads well from 4.5.
HOVERLET_EXPORT double contrastRatio(const QColor &first, const QColor &second);

// Whether `face` is dark: white text reads better on it than black (its relative luminance is
// below 0.179). Forms were designed on light faces; on a dark one their colours are adapted.
HOVERLET_EXPORT bool isDarkFace(const QColor &face);

// `colour` as a text colour on `background`. Forms were designed as dark text on a light face:
// on a light background their colours are kept exactly, and so is any colour that already reads
// at 4.5:1. Otherwise, on a dark face, the colour is turned over as the palette was - its
// lightness mirrored, its hue and saturation kept - and lightened further until it reads.
HOVERLET_EXPORT QColor readableOn(const QColor &colour, const QColor &background);

} // namespace hoverlet
