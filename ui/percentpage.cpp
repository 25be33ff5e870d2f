#include "percentpage.h"

#include <QToolButton>

namespace molvera {

using namespace Qt::StringLiterals;

PercentPage::PercentPage(const ReagentBoxes &reagent, QWidget *parent)
    : CalculatorPage(
          {u"cmdClose2"_s, u"cmdClearCon"_s, u"cmdPrnC"_s, u"cmdEgConc"_s, u"cmdAbout2"_s}, reagent,
          parent)
{
    setObjectName(u"PercentPage"_s);
    // The page's calculation is not built yet: its own buttons stay unavailable until it is.
    for (const auto role : {PageButtonBar::Clear, PageButtonBar::Print, PageButtonBar::Example})
        buttonBar()->button(role)->setEnabled(false);
}

QList<QWidget *> PercentPage::focusOrder(FocusSection section) const
{
    if (section == FocusSection::Inputs)
        return buttonBar()->focusOrder();
    return {};
}

void PercentPage::clear()
{}

void PercentPage::example()
{}

void PercentPage::print()
{}

} // namespace molvera
