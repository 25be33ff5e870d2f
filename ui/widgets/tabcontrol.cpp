#include "tabcontrol.h"

#include "tabstrip.h"
#include "twips.h"

namespace molvera {

namespace {
constexpr int TabHeightTwips = 420;
} // namespace

TabControl::TabControl(QWidget *parent)
    : QTabWidget(parent)
{
    setTabBar(new TabStrip(twipsToPixels(TabHeightTwips), this));
    setUsesScrollButtons(false);
    // The tab strip takes the focus in its own place of the window's order; the control around
    // it would otherwise hand the focus to the strip a second time.
    setFocusPolicy(Qt::NoFocus);
    tabBar()->setFocusPolicy(Qt::TabFocus);
}

} // namespace molvera
