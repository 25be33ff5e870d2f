#pragma once

#include <ui/widgets/twips.h>

#include <QString>

class QWidget;

namespace molvera {

// Places a control of the hoverlet library on a form, as a host does: finds `name` in the form's
// stored layout (a text resource), gives its properties the form's font as ambient font, has the
// library create it by its registered class name, then names and places it and sets its
// tool-tip. Returns nullptr, after a warning, when the layout or the library cannot provide it.
QWidget *placeHostedControl(QWidget *form, const QString &layoutResource, QStringView name,
                            const TwipRect &rect, const QString &toolTip = {});

} // namespace molvera
