#include "colourpropertysheet.h"

#include "variantinteger.h"

#include <hoverlet/hoverlet.h>

#include <QColor>
#include <QExtensionManager>
#include <QPalette>
#include <QWidget>

#include <array>
#include <utility>

namespace hoverlet {

namespace {

constexpr std::array<std::pair<QStringView, OleColor>, 3> ColourDefaults{{
    {u"BackColor", OleColors::ButtonFace},
    {u"HoverColor", OleColors::Red},
    {u"NormalColor", OleColors::Blue},
}};

} // namespace

ColourPropertySheet::ColourPropertySheet(QDesignerPropertySheetExtension *designerSheet,
                                         QWidget *link, QObject *parent)
    : QObject(parent)
    , m_designerSheet(designerSheet)
    , m_link(link)
{}

std::optional<OleColor> ColourPropertySheet::colourDefault(int index) const
{
    const QString name = m_designerSheet->propertyName(index);
    for (const auto &[colourName, colourDefault] : ColourDefaults) {
        if (name == colourName)
            return colourDefault;
    }
    return std::nullopt;
}

OleColor ColourPropertySheet::stored(int index) const
{
    return OleColor(m_designerSheet->property(index).toUInt());
}

// As the control resolves it: system colours are those of the form that holds it.
QColor ColourPropertySheet::shown(OleColor colour) const
{
    const QWidget *host = m_link->parentWidget() ? m_link->parentWidget() : m_link;
    return toQColor(colour, host->palette());
}

QVariant ColourPropertySheet::property(int index) const
{
    const std::optional<OleColor> fallback = colourDefault(index);
    if (!fallback)
        return m_designerSheet->property(index);
    const OleColor colour = stored(index);
    const QColor resolved = shown(colour);
    if ((isSystemColor(colour) && colour != *fallback) || !resolved.isValid())
        return QVariant::fromValue(quint32(colour));
    return resolved;
}

void ColourPropertySheet::setProperty(int index, const QVariant &value)
{
    if (!colourDefault(index)) {
        m_designerSheet->setProperty(index, value);
        return;
    }
    if (value.metaType().id() == QMetaType::QColor) {
        const QColor picked = value.value<QColor>().toRgb();
        // The colour shown for the stored value, confirmed again: the stored value stays.
        if (!picked.isValid() || picked == shown(stored(index)))
            return;
        m_designerSheet->setProperty(index, QVariant::fromValue(oleColorFromRgb(
                                                picked.red(), picked.green(), picked.blue())));
    } else if (isInteger(value)) {
        // A colour as a form stores it; a signed number keeps its bits.
        m_designerSheet->setProperty(index, QVariant::fromValue(quint32(value.toLongLong())));
    }
}

// A colour at its default is not written to the form, as the control itself does not store it.
bool ColourPropertySheet::isChanged(int index) const
{
    const std::optional<OleColor> fallback = colourDefault(index);
    return m_designerSheet->isChanged(index) && (!fallback || stored(index) != *fallback);
}

int ColourPropertySheet::count() const
{
    return m_designerSheet->count();
}

int ColourPropertySheet::indexOf(const QString &name) const
{
    return m_designerSheet->indexOf(name);
}

QString ColourPropertySheet::propertyName(int index) const
{
    return m_designerSheet->propertyName(index);
}

QString ColourPropertySheet::propertyGroup(int index) const
{
    return m_designerSheet->propertyGroup(index);
}

void ColourPropertySheet::setPropertyGroup(int index, const QString &group)
{
    m_designerSheet->setPropertyGroup(index, group);
}

bool ColourPropertySheet::hasReset(int index) const
{
    return m_designerSheet->hasReset(index);
}

bool ColourPropertySheet::reset(int index)
{
    return m_designerSheet->reset(index);
}

bool ColourPropertySheet::isVisible(int index) const
{
    return m_designerSheet->isVisible(index);
}

void ColourPropertySheet::setVisible(int index, bool visible)
{
    m_designerSheet->setVisible(index, visible);
}

bool ColourPropertySheet::isAttribute(int index) const
{
    return m_designerSheet->isAttribute(index);
}

void ColourPropertySheet::setAttribute(int index, bool attribute)
{
    m_designerSheet->setAttribute(index, attribute);
}

void ColourPropertySheet::setChanged(int index, bool changed)
{
    m_designerSheet->setChanged(index, changed);
}

bool ColourPropertySheet::isEnabled(int index) const
{
    return m_designerSheet->isEnabled(index);
}

ColourPropertySheetFactory::ColourPropertySheetFactory(QExtensionManager *parent)
    : QExtensionFactory(parent)
{}

// Designer's own sheet comes from the factories registered before this one: while asking the
// manager for it, this factory answers nothing, so the manager passes the question on.
QObject *ColourPropertySheetFactory::createExtension(QObject *object, const QString &iid,
                                                     QObject *parent) const
{
    auto *link = qobject_cast<Hoverlet *>(object);
    if (m_askingDesigner || !link || iid != Q_TYPEID(QDesignerPropertySheetExtension))
        return nullptr;
    m_askingDesigner = true;
    auto *designerSheet =
        qt_extension<QDesignerPropertySheetExtension *>(extensionManager(), object);
    m_askingDesigner = false;
    if (!designerSheet)
        return nullptr;
    return new ColourPropertySheet(designerSheet, link, parent);
}

} // namespace hoverlet
