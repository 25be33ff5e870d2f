#include "tabstrip.h"

namespace molvera {

TabStrip::TabStrip(int tabHeight, QWidget *parent)
    : QTabBar(parent)
    , m_tabHeight(tabHeight)
{
    setExpanding(true);
    setUsesScrollButtons(false);
    setElideMode(Qt::ElideNone);
}

QSize TabStrip::tabSizeHint(int index) const
{
    const QWidget *control = parentWidget();
    const int width =
        control && count() > 0 ? control->width() / count() : QTabBar::tabSizeHint(index).width();
    return {width, m_tabHeight};
}

QSize TabStrip::minimumTabSizeHint(int index) const
{
    return tabSizeHint(index);
}

} // namespace molvera
