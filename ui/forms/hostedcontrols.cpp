#include "hostedcontrols.h"

#include <hoverlet/componentserver.h>
#include <hoverlet/formlayout.h>

#include <QFile>
#include <QWidget>

namespace molvera {

QWidget *placeHostedControl(QWidget *form, const QString &layoutResource, QStringView name,
                            const TwipRect &rect, const QString &toolTip)
{
    QFile file(layoutResource);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        qWarning("molvera: cannot read the form layout %s", qPrintable(layoutResource));
        return nullptr;
    }
    QString error;
    const std::optional<hoverlet::FormLayout> layout =
        hoverlet::FormLayout::fromText(QString::fromUtf8(file.readAll()), &error);
    const hoverlet::HostedControl *stored = layout ? layout->control(name) : nullptr;
    if (!stored) {
        qWarning("molvera: %s holds no control %s %s", qPrintable(layoutResource),
                 qPrintable(name.toString()), qPrintable(error));
        return nullptr;
    }

    hoverlet::PropertyBag bag = stored->bag;
    bag.setAmbientFont(form->font());
    hoverlet::Result result = hoverlet::Result::Ok;
    QWidget *control = hoverlet::createControl(stored->className, form, bag, &result);
    if (!control) {
        qWarning("molvera: the control library did not create %s (%s): 0x%08x",
                 qPrintable(name.toString()), qPrintable(stored->className), unsigned(result));
        return nullptr;
    }
    control->setObjectName(name.toString());
    control->setGeometry(rect.toPixels());
    control->setToolTip(toolTip);
    return control;
}

} // namespace molvera
