#include "hoverletfactory.h"

#include "classregistry.h"

#include <hoverlet/hoverlet.h>
#include <hoverlet/propertybag.h>

#include <QCoreApplication>
#include <QResizeEvent>

namespace hoverlet {

ClassFactory::~ClassFactory() = default;

HoverletFactory &HoverletFactory::instance()
{
    static HoverletFactory factory;
    return factory;
}

QWidget *HoverletFactory::createInstance(QWidget *parent, const PropertyBag &bag)
{
    // Owned by `parent`, or by the caller when there is none.
    auto *control = new Hoverlet(parent);
    control->readProperties(bag);
    control->resize(bag.extent().value_or(control->size()));
    // A hidden widget gets its resize event only when shown; the host's placing of the control
    // is what applies the look read from the bag, so tell it now.
    QResizeEvent placed(control->size(), control->size());
    QCoreApplication::sendEvent(control, &placed);
    return control;
}

void HoverletFactory::lockServer(bool lock)
{
    if (lock)
        registry::lock();
    else
        registry::unlock();
}

} // namespace hoverlet
