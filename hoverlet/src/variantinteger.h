#pragma once

#include <QMetaType>
#include <QVariant>

namespace hoverlet {

// Whether a stored or edited value is a whole number of any of Qt's integer types: forms write
// colours and flags as integers of whatever width their writer chose.
inline bool isInteger(const QVariant &value)
{
    switch (value.metaType().id()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        return true;
    default:
        return false;
    }
}

} // namespace hoverlet
