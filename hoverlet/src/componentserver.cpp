#include "classregistry.h"

#include <hoverlet/componentserver.h>

#include <QByteArray>
#include <QWidget>

namespace hoverlet {

QWidget *createControl(QStringView className, QWidget *parent, const PropertyBag &bag,
                       Result *result)
{
    // The entry point reads up to the first NUL: a name hiding one must not pass as another.
    const QByteArray name = className.toUtf8();
    ClassFactory *factory = nullptr;
    const Result found = name.contains('\0') ? Result::ClassNotAvailable
                                             : DllGetClassObject(name.constData(), &factory);
    if (result)
        *result = found;
    if (found != Result::Ok)
        return nullptr;
    return factory->createInstance(parent, bag);
}

QString classDescription(QStringView className)
{
    return registry::descriptionOf(className);
}

} // namespace hoverlet

using hoverlet::Result;

Result DllRegisterServer(void)
{
    hoverlet::registry::registerClasses();
    return Result::Ok;
}

Result DllUnregisterServer(void)
{
    hoverlet::registry::unregisterClasses();
    return Result::Ok;
}

Result DllGetClassObject(const char *className, hoverlet::ClassFactory **factory)
{
    if (!factory)
        return Result::InvalidArgument;
    *factory = nullptr;
    if (!className)
        return Result::InvalidArgument;
    *factory = hoverlet::registry::factoryFor(QString::fromUtf8(className));
    return *factory ? Result::Ok : Result::ClassNotAvailable;
}

Result DllCanUnloadNow(void)
{
    return hoverlet::registry::canUnload() ? Result::Ok : Result::False;
}
