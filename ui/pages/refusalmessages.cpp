#include "refusalmessages.h"

#include <ui/forms/numberlocale.h>

#include <QCoreApplication>

namespace molvera {

namespace {

// The boxes' titles and texts, in a context of their own.
struct Refusals
{
    Q_DECLARE_TR_FUNCTIONS(molvera::RefusalMessages)
};

RefusalMessage cannotCalculate(const QString &text)
{
    return {u"CalculationFailureBox", Refusals::tr("Cannot Calculate"), text};
}

RefusalMessage cannotBeMade(const QString &text)
{
    return {u"PreparationRefusedBox", Refusals::tr("Cannot Be Made"), text};
}

} // namespace

RefusalMessage refusalMessage(const ArithmeticFailure &)
{
    return cannotCalculate(Refusals::tr("A number is too large to calculate with. Please "
                                        "enter smaller numbers."));
}

RefusalMessage refusalMessage(const ZeroStockConcentration &)
{
    return cannotCalculate(Refusals::tr("The stock concentration is zero, so no amount of "
                                        "the stock holds the substance. Please enter the "
                                        "concentration of the stock."));
}

RefusalMessage refusalMessage(const ZeroSpecificGravity &)
{
    return cannotCalculate(Refusals::tr("The specific gravity of the stock is zero, so its "
                                        "volume cannot be calculated. Please enter the "
                                        "specific gravity of the stock."));
}

RefusalMessage refusalMessage(const ZeroMolecularWeight &)
{
    return cannotCalculate(Refusals::tr("The molecular weight of the salt with the waters "
                                        "required is zero, so the amount cannot be "
                                        "calculated. Please check the formula and the "
                                        "waters."));
}

RefusalMessage refusalMessage(const WeakStock &)
{
    return cannotBeMade(Refusals::tr("The stock is weaker than the solution wanted, so the "
                                     "solution cannot be made from it by dilution. Please "
                                     "use a stronger stock or make a weaker solution."));
}

RefusalMessage refusalMessage(const NegativeAmount &)
{
    return cannotBeMade(Refusals::tr("An amount in the instructions would be negative, so "
                                     "they cannot be carried out. Please check the numbers "
                                     "for a minus sign."));
}

RefusalMessage refusalMessage(const FormulaRefusal &refusal)
{
    // The reading says what is wrong in the user's language already.
    return {u"FormulaRefusedBox", Refusals::tr("Cannot Read Formula"), fromUtf8(refusal.message)};
}

} // namespace molvera
