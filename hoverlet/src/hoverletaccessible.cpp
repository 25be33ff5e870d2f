#include "hoverletaccessible.h"

#include "hoverlet_p.h"

#include <hoverlet/hoverlet.h>

#include <QCoreApplication>

namespace hoverlet {

namespace {

QAccessibleInterface *makeInterface(const QString &className, QObject *object)
{
    if (className == QLatin1StringView(Hoverlet::staticMetaObject.className()))
        return new HoverletAccessible(static_cast<Hoverlet *>(object));
    return nullptr;
}

} // namespace

HoverletAccessible::HoverletAccessible(Hoverlet *link)
    : QAccessibleWidget(link, QAccessible::Link)
{}

void HoverletAccessible::install()
{
    static const bool installed = [] {
        QAccessible::installFactory(&makeInterface);
        return true;
    }();
    Q_UNUSED(installed);
}

Hoverlet *HoverletAccessible::link() const
{
    return static_cast<Hoverlet *>(widget());
}

QString HoverletAccessible::text(QAccessible::Text kind) const
{
    const Hoverlet *control = link();
    switch (kind) {
    case QAccessible::Name:
        return control->accessibleName().isEmpty() ? control->caption() : control->accessibleName();
    case QAccessible::Description:
        // The host's tool-tip says why to follow the link, the address where it goes.
        if (!control->accessibleDescription().isEmpty())
            return control->accessibleDescription();
        if (control->toolTip().isEmpty())
            return control->url();
        if (control->url().isEmpty())
            return control->toolTip();
        //: A link's description for screen readers: %1 is the host's tool-tip, %2 the address
        return QCoreApplication::translate("hoverlet::HoverletAccessible", "%1 (%2)")
            .arg(control->toolTip(), control->url());
    case QAccessible::Value:
        return control->url();
    default:
        return QAccessibleWidget::text(kind);
    }
}

QAccessible::State HoverletAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.linked = true;
    state.focusable = false;
    return state;
}

QStringList HoverletAccessible::actionNames() const
{
    return {pressAction()};
}

void HoverletAccessible::doAction(const QString &action)
{
    Hoverlet *control = link();
    // Exactly as a click: nothing from a disabled control or an inert link; without hover
    // tracking a click lands on the caption, which raises Click and opens nothing.
    if (action != pressAction() || !control->isEnabled() || !control->isLinkEnabled())
        return;
    if (control->checkHover())
        control->d->activate();
    else
        Q_EMIT control->Click();
}

} // namespace hoverlet
