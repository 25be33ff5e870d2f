#include "hydratepage.h"

#include <QToolButton>

namespace molvera {

using namespace Qt::StringLiterals;

HydratePage::HydratePage(const ReagentBoxes &reagent, QWidget *parent)
    : CalculatorPage({u"cmdHCls"_s, u"cmdHCl"_s, u"cmdHPrnt"_s, u"cmdHEg"_s, u"cmdHAbout"_s},
                     reagent, parent)
{
    setObjectName(u"HydratePage"_s);
    // The page's calculation is not built yet: its own buttons stay unavailable until it is.
    for (const auto role : {PageButtonBar::Clear, PageButtonBar::Print, PageButtonBar::Example})
        buttonBar()->button(role)->setEnabled(false);
}

QList<QWidget *> HydratePage::focusOrder(FocusSection section) const
{
    if (section == FocusSection::Inputs)
        return buttonBar()->focusOrder();
    return {};
}

void HydratePage::clear()
{}

void HydratePage::example()
{}

void HydratePage::print()
{}

} // namespace molvera
