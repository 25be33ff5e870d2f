#pragma once

#include <hoverlet/hoverlet_export.h>
#include <hoverlet/propertybag.h>

#include <QList>
#include <QString>

#include <optional>

namespace hoverlet {

// One control of a form's stored layout: its class name, its name on the form and its bag.
struct HostedControl
{
    QString className; // "vbpHoverlet.Hoverlet"
    QString name;      // "Hoverlet1"
    PropertyBag bag;
};

// The stored layout of a form's hosted controls, kept as a text resource by the host program:
//
//   # comment
//   Begin vbpHoverlet.Hoverlet Hoverlet1
//      _ExtentX = 2566
//      Caption = "Kestrova Software"
//   End
//
// Inside a block the lines are those of PropertyBag's text form. Errors read "line N: ...",
// counted over the whole text. The bags come with the default ambient font: hosts set their
// form's font on each before creating the controls.
class HOVERLET_EXPORT FormLayout
{
public:
    QList<HostedControl> controls;

    const HostedControl *control(QStringView name) const;

    QString toText() const;
    static std::optional<FormLayout> fromText(QStringView text, QString *error = nullptr);
};

} // namespace hoverlet
