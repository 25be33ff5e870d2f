#pragma once

#include <functional>

class QColor;
class QWidget;

namespace molvera {

// Colours `widget` by `apply` now, and again whenever the palette it inherits changes (a desktop
// turning to its dark theme), within the change itself.
void followPalette(QWidget *widget, const std::function<void()> &apply);

// Gives the widget's text a colour of the design. On the light faces the forms were designed for
// it is kept exactly; on a dark one it is made to read against what the widget stands on (see
// hoverlet::readableOn), and follows the palette when it changes.
void setTextColor(QWidget *widget, const QColor &designed);

} // namespace molvera
