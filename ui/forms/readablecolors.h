#pragma once

#include <QColor>

#include <functional>

class QWidget;

namespace molvera {

// Method sentences, step options and the titles are written in dark red.
inline constexpr QColor DarkRed{128, 0, 0};

// Colours `widget` by `apply` now, and again whenever the palette it inherits changes (a desktop
// turning to its dark theme), within the change itself.
void followPalette(QWidget *widget, const std::function<void()> &apply);

// Gives the widget's text a colour of the design. On the light faces the forms were designed for
// it is kept exactly; on a dark one it is made to read against what the widget stands on (see
// hoverlet::readableOn), and follows the palette when it changes.
void setTextColor(QWidget *widget, const QColor &designed);

} // namespace molvera
