#include "pictures.h"

#include "svgiconengine.h"

namespace molvera {

using namespace Qt::StringLiterals;

QIcon programIcon()
{
    return QIcon(new SvgIconEngine(u":/icons/molvera.svg"_s));
}

QIcon buttonPicture(QStringView name)
{
    return QIcon(new SvgIconEngine(u":/icons/"_s + name + u".svg"_s));
}

} // namespace molvera
