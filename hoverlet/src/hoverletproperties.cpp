// Hoverlet's stored properties: reading from and writing to a form's property bag.

#include "hoverlet_p.h"
#include "variantinteger.h"

#include <hoverlet/hoverlet.h>
#include <hoverlet/propertybag.h>

#include <QLabel>

namespace hoverlet {

namespace {

// A stored value of the wrong kind counts as absent: a hand-edited layout must not fail to load.
OleColor colourFrom(const QVariant &value, OleColor fallback)
{
    // A colour written as a signed 32-bit number keeps its bits.
    return isInteger(value) ? OleColor(quint32(value.toLongLong())) : fallback;
}

bool boolFrom(const QVariant &value, bool fallback)
{
    if (value.metaType().id() == QMetaType::Bool)
        return value.toBool();
    return isInteger(value) ? value.toLongLong() != 0 : fallback;
}

QFont fontFrom(const QVariant &value, const QFont &fallback)
{
    return value.metaType().id() == QMetaType::QFont ? value.value<QFont>() : fallback;
}

QString textFrom(const QVariant &value, const QString &fallback)
{
    if (value.metaType().id() == QMetaType::QString || isInteger(value) ||
        value.metaType().id() == QMetaType::Double)
        return value.toString();
    return fallback;
}

// Booleans are stored as 16-bit values, True being -1.
QVariant stored(bool value)
{
    return QVariant(value ? -1 : 0);
}

} // namespace

void Hoverlet::readProperties(const PropertyBag &bag)
{
    const QFont ambient = bag.ambientFont();
    d->backColor = colourFrom(bag.read(u"BackColor", OleColors::ButtonFace), OleColors::ButtonFace);
    d->applyBackColor();
    d->enabled = boolFrom(bag.read(u"Enabled", stored(true)), true);
    d->label->setFont(fontFrom(bag.read(u"Font", QVariant::fromValue(ambient)), ambient));
    d->checkHover = boolFrom(bag.read(u"CheckHover", stored(true)), true);
    d->hoverColor = colourFrom(bag.read(u"HoverColor", OleColors::Red), OleColors::Red);
    d->hoverUnderline = boolFrom(bag.read(u"HoverUnderline", stored(true)), true);
    d->normalColor = colourFrom(bag.read(u"NormalColor", OleColors::Blue), OleColors::Blue);
    d->normalUnderline = boolFrom(bag.read(u"NormalUnderline", stored(true)), true);
    d->url = textFrom(bag.read(u"URL", defaultUrl()), defaultUrl());
    d->label->setText(textFrom(bag.read(u"Caption", defaultCaption()), defaultCaption()));
    if (isHovering() && (!d->enabled || !d->checkHover))
        d->stopHovering();
}

void Hoverlet::writeProperties(PropertyBag &bag) const
{
    bag.write(u"BackColor", d->backColor, OleColors::ButtonFace);
    bag.write(u"Enabled", stored(d->enabled), stored(true));
    bag.write(u"Font", QVariant::fromValue(linkFont()), QVariant::fromValue(bag.ambientFont()));
    bag.write(u"CheckHover", stored(d->checkHover), stored(true));
    bag.write(u"HoverColor", d->hoverColor, OleColors::Red);
    bag.write(u"HoverUnderline", stored(d->hoverUnderline), stored(true));
    bag.write(u"NormalColor", d->normalColor, OleColors::Blue);
    bag.write(u"NormalUnderline", stored(d->normalUnderline), stored(true));
    bag.write(u"URL", d->url, defaultUrl());
    bag.write(u"Caption", caption(), defaultCaption());
}

} // namespace hoverlet
